#include "engine/calendar_date.h"

#include <cstdio>

#include "framework/ini_file.h"

namespace quon {
namespace {

// One two-character field of a date text, as an integer; nullopt when it is not one.
std::optional<int64_t> DateField(const std::string& text, size_t position) {
    if (position >= text.size()) return std::nullopt;
    return fw::ParseInteger(text.substr(position, 2));
}

std::string TwoDigits(int value) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", value % 100);
    return buf;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsRealDate(const CivilDate& d) {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= DaysInMonth(d.year, d.month);
}

// The days-from-civil algorithm over 400-year eras (proleptic Gregorian calendar).
int64_t DayNumber(const CivilDate& d) {
    const int64_t y = static_cast<int64_t>(d.year) - (d.month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t monthFromMarch = d.month > 2 ? d.month - 3 : d.month + 9;
    const int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + d.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate FromDayNumber(int64_t days) {
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    CivilDate d;
    d.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    d.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    d.year = static_cast<int>(yearOfEra + era * 400 + (d.month <= 2 ? 1 : 0));
    return d;
}

CivilDate AddDays(const CivilDate& d, int64_t days) { return FromDayNumber(DayNumber(d) + days); }

std::string FormatDateText(const CivilDate& d) {
    return TwoDigits(d.day) + "." + TwoDigits(d.month) + "." + TwoDigits(d.year);
}

std::string DayText(const CivilDate& d) { return TwoDigits(d.day); }
std::string MonthText(const CivilDate& d) { return TwoDigits(d.month); }

std::optional<CivilDate> ParseDateText(const std::string& text) {
    auto day = DateField(text, 0), month = DateField(text, 3), year = DateField(text, 6);
    if (!day || !month || !year || *year < 0 || *year > 99 || *day < 1 || *day > 31 || *month < 1 || *month > 12)
        return std::nullopt;
    CivilDate d{2000 + static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)};
    if (!IsRealDate(d)) return std::nullopt;
    return d;
}

int CompareDates(const std::string& first, const std::string& second) {
    auto key = [](const std::string& text) -> std::optional<int64_t> {
        auto day = DateField(text, 0), month = DateField(text, 3), year = DateField(text, 6);
        if (!day || !month || !year) return std::nullopt;
        return *day + 100 * *month + 10000 * *year;
    };
    auto a = key(first), b = key(second);
    if (!a || !b) return -2;
    return *a > *b ? 1 : *a < *b ? -1 : 0;
}

}  // namespace quon
