#pragma once
// Templates of the settings dialog and the ids of its frame (shared by the resource script and the code).

#define IDD_QUONS 100
#define IDD_PAGE_OPTIONS 200
#define IDD_PAGE_INTERFACE 201
#define IDD_PAGE_EVENTS 202
#define IDD_PAGE_DATA 203
#define IDD_PAGE_LOG 204
#define IDD_PAGE_INFO 205
#define IDD_PAGE_STATS 207

#define IDC_GRP_SECTIONS 1001
#define IDC_BTN_OPTIONS 1010
#define IDC_BTN_INTERFACE 1011
#define IDC_BTN_EVENTS 1012
#define IDC_BTN_DATA 1013
#define IDC_BTN_LOG 1014
#define IDC_BTN_INFO 1015
#define IDC_BTN_STAT 1017
#define IDC_GRP_CONTROL 1002
#define IDC_BTN_OK 1020
#define IDC_BTN_APPLY 1021
#define IDC_BTN_CANCEL 1022
#define IDC_GRP_PAGE 1003
#define IDC_TXT_NAME 1030
#define IDC_TXT_MODULE 1031
#define IDC_GRP_VERSION 1004
#define IDC_TXT_VERSION 1032
#define IDC_GRP_CONTENTS 1005
#define IDC_GRP_HINT 1006
#define IDC_HINT_TYPE 1040
#define IDC_HINT_TEXT 1041

// The hidden shortcut items.
#define IDC_SUB_ESC 1050
#define IDC_SUB_CTRLS 1051
#define IDC_SUB_CTRLENTER 1052
#define IDC_SUB_F1 1053
