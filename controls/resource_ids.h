#pragma once
// Resource numbers of the edit controls' texts (controls.rc).
#define IDS_PREV_MONTH 61258
#define IDS_PREV_YEAR 61259
#define IDS_NEXT_MONTH 61260
#define IDS_NEXT_YEAR 61261
#define IDS_DATE_DIALOG_TITLE 61262
#define IDS_FILE_FILTER 61263
#define IDS_FILE_DIALOG_TITLE 61264
#define IDS_OK 61508
#define IDS_CANCEL 61509
