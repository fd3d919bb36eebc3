#pragma once
// Page 7, the statistics table: an empty page.
