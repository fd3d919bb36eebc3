#pragma once
// Dates of the edit controls: a day count since 30 December 1899 (0 is "no date"), typed text read by a
// format such as "DD/MM/YY" (the slash stands for the locale's date separator), two-digit years expanded
// into a window around the current year. Everything here is plain arithmetic on its arguments.
#include <array>
#include <string>
#include <string_view>

namespace controls {

using DateValue = double;
constexpr DateValue kNullDate = 0;

enum DateOrder { kMonthDayYear = 0, kDayMonthYear = 1, kYearMonthDay = 2 };

// What the reading and writing of dates takes from the regional settings.
struct DateLocale {
    char separator = '.';
    std::string shortFormat = "dd.MM.yyyy";
    std::array<std::string, 12> longMonthNames{};  // January first, code page 1251
};

bool LeapYearTest(int year);
int MonthLength(int year, int month);  // 0 for a month outside 1..12
bool ValidDateParts(int year, int month, int day);
bool EncodeDate(int year, int month, int day, DateValue& date);
bool DecodeDate(DateValue date, int& year, int& month, int& day);
bool ValidDateValue(DateValue date);
DateValue FirstDate();  // 1 January 0001
DateValue LastDate();   // 31 December 9999

DateOrder DateOrderOfFormat(std::string_view format);
// A year of 0..99 moves into the window that ends 30 years after currentYear; others stay as they are.
int ExpandYear(int year, int currentYear);
std::string DefaultDateFormatText(DateOrder order, bool fourDigits);
std::string DefaultDateMask(char blank, DateOrder order, bool fourDigits);

int MonthNumberOfName(std::string_view name, const DateLocale& locale);
bool ScanDateText(std::string_view text, std::string_view format, const DateLocale& locale, int currentYear,
                  int& day, int& month, int& year);
bool ScanDateByFormat(std::string_view format, std::string_view text, const DateLocale& locale,
                      int currentYear, int& day, int& month, int& year);
// An empty text is the null date (and true).
bool TryTextToDate(std::string_view format, std::string_view text, const DateLocale& locale, int currentYear,
                   DateValue& date);
// The whole day of the default when the text reads as no date.
DateValue TextToDateOrDefault(std::string_view format, std::string_view text, const DateLocale& locale,
                              int currentYear, DateValue fallback);
std::string InvalidDateMessage(std::string_view text);

// Writes a date by a canonical format ("DD/MM/YY" and the like) with the given separator; "" for no date.
std::string FormatDateText(DateValue date, std::string_view format, char separator);

}  // namespace controls
