#pragma once
// Page 4, the logs.
#define IDC_BOX_LOG_DATA 6001
#define IDC_BOX_LOG_CLEAR 6002
#define IDC_BOX_LOG_TRAFFIC 6003
#define IDC_LOG_MAIN 6004
#define IDC_LST_INTERVAL 6005
