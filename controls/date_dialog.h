#pragma once
// The modal date dialog: a calendar with OK and Cancel. Enter, a double click on a day or OK take the
// date; Escape or Cancel leave it.
#include <windows.h>

#include <cstdint>
#include <string>

#include "controls/date_util.h"

namespace controls {

struct DateDialogOptions {
    std::string title;  // empty: the built-in title
    int startOfWeek = 1;
    uint8_t weekends = 1;
    COLORREF weekendColor = RGB(255, 0, 0);
    std::string hints[4];
};

// True and the chosen date when the dialog ended with OK; the date is untouched otherwise.
bool SelectDate(HWND owner, DateValue& date, const DateDialogOptions& options);

}  // namespace controls
