#pragma once
// Page 4, the logs: its controls are made by the page in code.
