#pragma once
// The regional settings the date edits read dates by, and the current year.
#include "controls/date_util.h"

namespace controls {

DateLocale SystemDateLocale();
int CurrentYear();
DateValue Today();
// The library's four-digit-year flag: the locale's short date format holds "YYYY".
bool LocaleUsesFourDigitYears();
// Short weekday name of day 0 = Sunday .. 6 = Saturday; long month name of 1..12 (code page 1251).
std::string ShortDayName(int day);
std::string LongMonthName(int month);

}  // namespace controls
