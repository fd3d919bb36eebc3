#pragma once
// Page 5, information and links.
#define IDC_TXT_VERSION_LEFT 7001
#define IDC_TXT_VERSION_RIGHT 7002
#define IDC_URL_HELP 7003
#define IDC_WARNING_3 7004
