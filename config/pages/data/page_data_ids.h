#pragma once
// Page 3, data and statistics: its controls are made in code; the group id keeps the statistics lock, and
// the ids below are the ones the page's own controls carry.
#define IDC_GRP_DATA 5001
#define IDC_TXT_WARN 5012
#define IDC_TXT_SOLUTION 5013
#define IDC_BOX_ALT 5021
