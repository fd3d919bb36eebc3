#pragma once
// Page 2, the event actions, the additional actions and the ignored dial-up entries.
#define IDC_GRP_ON 4001
#define IDC_BOX_WAV_O 4002
#define IDC_EDT_WAV_O 4003
#define IDC_GRP_OFF 4010
#define IDC_BOX_WAV_X 4011
#define IDC_EDT_WAV_X 4012
#define IDC_GRP_DAY 4020
#define IDC_BOX_BEEP_D 4021
#define IDC_BOX_HANGUP_D 4022
#define IDC_BOX_WAV_D 4023
#define IDC_EDT_WAV_D 4024
#define IDC_GRP_MONTH 4030
#define IDC_BOX_BEEP_M 4031
#define IDC_BOX_HANGUP_M 4032
#define IDC_BOX_WAV_M 4033
#define IDC_EDT_WAV_M 4034
#define IDC_GRP_TEST 4040
#define IDC_GRP_MISC 4050
#define IDC_EDT_IGNORE 4051
#define IDC_EDT_ENTRY 4052
#define IDC_BTN_IGNORE 4053
#define IDC_BUTTON1 4054
#define IDC_GRP_ADDITIONAL 4060
#define IDC_BOX_SHUTDOWN 4061
#define IDC_BOX_BALOON 4062
