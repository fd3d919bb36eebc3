#pragma once
// Calendar dates of data.qif: "dd.mm.yy" texts (year 2000 + yy), day numbers and day arithmetic.
#include <cstdint>
#include <optional>
#include <string>

namespace quon {

struct CivilDate {
    int year = 2000;  // full year
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsRealDate(const CivilDate& d);

// Days since 1 January 1970 (negative before it); the date must be real.
int64_t DayNumber(const CivilDate& d);
CivilDate FromDayNumber(int64_t days);
CivilDate AddDays(const CivilDate& d, int64_t days);

// "dd.mm.yy" of a date; the year is written modulo 100.
std::string FormatDateText(const CivilDate& d);
// The two-digit day and month texts ("dd", "mm").
std::string DayText(const CivilDate& d);
std::string MonthText(const CivilDate& d);

// A date text that names a real calendar day: the fields at positions 1-2, 4-5 and 7-8 read as integers,
// year 2000 + yy with yy 0..99. nullopt for a short text, a field that is not a number, or a day that
// does not exist (31.04.07, 29.02.07).
std::optional<CivilDate> ParseDateText(const std::string& text);

// 1 when first is later, -1 when earlier, 0 when equal, -2 when any of the six fields is not an integer.
// Compares the keys dd + 100 * mm + 10000 * yy, so the day need not exist.
int CompareDates(const std::string& first, const std::string& second);

}  // namespace quon
