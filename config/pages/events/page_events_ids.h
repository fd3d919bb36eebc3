#pragma once
// Page 2, the additional actions and the ignored dial-up entries (the event actions are made in code).
#define IDC_GRP_MISC 4050
#define IDC_EDT_IGNORE 4051
#define IDC_EDT_ENTRY 4052
#define IDC_BTN_IGNORE 4053
#define IDC_BUTTON1 4054
#define IDC_GRP_ADDITIONAL 4060
#define IDC_BOX_SHUTDOWN 4061
#define IDC_BOX_BALOON 4062
