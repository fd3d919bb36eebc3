#pragma once
// Page 3, data and statistics: its controls are made in code; the group id keeps the statistics lock.
#define IDC_GRP_DATA 5001
