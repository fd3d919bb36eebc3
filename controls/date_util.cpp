#include "controls/date_util.h"

#include <cmath>
#include <cstdio>

#include "framework/text.h"

namespace controls {
namespace {

constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kYearWindow = 30;
constexpr long long kEpochShift = 693594;  // days from 1 January 0001 (day 1) to 30 December 1899 (day 0)

// Days since 1 January 0001 of the proleptic Gregorian calendar, that day counting 1.
long long DayIndex(int y, int m, int d) {
    long long n = d;
    for (int i = 1; i < m; ++i) n += MonthLength(y, i);
    long long py = y - 1;
    return n + py * 365 + py / 4 - py / 100 + py / 400;
}

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string UpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = Upper(c);
    return out;
}

void SkipBlanks(std::string_view text, size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
}

// At most four digits are taken: the value stops growing once it reaches 1000.
bool ReadNumberAt(std::string_view text, size_t& pos, int& value) {
    SkipBlanks(text, pos);
    int v = 0;
    size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos]) && v < 1000) v = v * 10 + (text[pos++] - '0');
    if (pos == start) return false;
    value = v;
    return true;
}

bool ScanCharAt(std::string_view text, size_t& pos, char c) {
    SkipBlanks(text, pos);
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

// One part read at the place its letter holds in the format. A number must fill its whole run of
// letters with digits; a shorter or broken one is -1, and the reading by separators gets its turn.
int ScanDatePart(std::string_view format, std::string_view text, char letter, int fallback, int emptyValue,
                 size_t runLength, const DateLocale& locale) {
    size_t limit = format.size();
    if (text.size() < limit) limit = text.size();
    else if (text.size() > format.size()) return fallback;
    std::string upper = UpperAscii(format);
    size_t at = upper.find(std::string(runLength, letter));
    if (at == std::string::npos) return fallback;
    size_t runEnd = at;
    while (runEnd < upper.size() && upper[runEnd] == letter) ++runEnd;
    std::string collected;
    for (size_t i = at; i < runEnd && i < limit && collected.size() < 20; ++i)
        if (text[i] != ' ') collected += text[i];
    if (collected.empty()) return emptyValue;
    if (runLength > 1) {
        int m = MonthNumberOfName(collected, locale);
        return m ? m : -1;
    }
    if (runEnd > limit || collected.size() != runEnd - at) return -1;
    int v = 0;
    for (char c : collected) {
        if (!IsDigit(c)) return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

}  // namespace

bool LeapYearTest(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int MonthLength(int year, int month) {
    if (month < 1 || month > 12) return 0;
    return kMonthDays[month - 1] + ((month == 2 && LeapYearTest(year)) ? 1 : 0);
}

bool ValidDateParts(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= MonthLength(year, month);
}

bool EncodeDate(int year, int month, int day, DateValue& date) {
    if (!ValidDateParts(year, month, day)) return false;
    date = static_cast<DateValue>(DayIndex(year, month, day) - kEpochShift);
    return true;
}

bool DecodeDate(DateValue date, int& year, int& month, int& day) {
    if (!std::isfinite(date)) return false;
    long long n = static_cast<long long>(std::floor(date)) + kEpochShift;  // day 1 is 1 January 0001
    if (n < 1 || n > DayIndex(9999, 12, 31)) return false;
    long long d = n - 1;
    long long y400 = d / 146097; d %= 146097;
    long long y100 = d / 36524; if (y100 == 4) y100 = 3; d -= y100 * 36524;
    long long y4 = d / 1461; d %= 1461;
    long long y1 = d / 365; if (y1 == 4) y1 = 3; d -= y1 * 365;
    year = static_cast<int>(y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1);
    month = 1;
    while (d >= MonthLength(year, month)) d -= MonthLength(year, month++);
    day = static_cast<int>(d) + 1;
    return true;
}

bool ValidDateValue(DateValue date) {
    int y, m, d;
    return DecodeDate(date, y, m, d);
}

DateValue FirstDate() { return static_cast<DateValue>(1 - kEpochShift); }
DateValue LastDate() { return static_cast<DateValue>(DayIndex(9999, 12, 31) - kEpochShift); }

DateOrder DateOrderOfFormat(std::string_view format) {
    for (char c : format) {
        switch (Upper(c)) {
            case 'D': return kDayMonthYear;
            case 'M': return kMonthDayYear;
            case 'Y': return kYearMonthDay;
            default: break;
        }
    }
    return kDayMonthYear;
}

int ExpandYear(int year, int currentYear) {
    if (year < 0 || year >= 100) return year;
    int century = currentYear / 100 * 100;
    int threshold = currentYear - century + kYearWindow - 100;
    return year > threshold ? year + century : year + century + 100;
}

std::string DefaultDateFormatText(DateOrder order, bool fourDigits) {
    static const char* const kFour[] = {"MM/DD/YYYY", "DD/MM/YYYY", "YYYY/MM/DD"};
    static const char* const kTwo[] = {"MM/DD/YY", "DD/MM/YY", "YY/MM/DD"};
    return (fourDigits ? kFour : kTwo)[order];
}

std::string DefaultDateMask(char blank, DateOrder order, bool fourDigits) {
    std::string mask = !fourDigits ? "!99/99/99;1;" : order == kYearMonthDay ? "!9999/99/99;1;" : "!99/99/9999;1;";
    return mask + blank;
}

int MonthNumberOfName(std::string_view name, const DateLocale& locale) {
    if (name.empty()) return 0;
    std::string wanted = fw::ToLower1251(name);
    for (int m = 0; m < 12; ++m) {
        const std::string& full = locale.longMonthNames[m];
        if (full.empty()) continue;
        if (fw::ToLower1251(std::string_view(full).substr(0, wanted.size())) == wanted) return m + 1;
    }
    return 0;
}

bool ScanDateText(std::string_view text, std::string_view format, const DateLocale& locale, int currentYear,
                  int& day, int& month, int& year) {
    year = month = day = 0;
    DateOrder order = DateOrderOfFormat(format);
    size_t pos = 0;
    int n1 = 0, n2 = 0, n3 = 0;
    if (!ReadNumberAt(text, pos, n1) || !ScanCharAt(text, pos, locale.separator) || !ReadNumberAt(text, pos, n2))
        return false;
    if (ScanCharAt(text, pos, locale.separator)) {
        if (!ReadNumberAt(text, pos, n3)) return false;
        switch (order) {
            case kMonthDayYear: month = n1; day = n2; year = n3; break;
            case kDayMonthYear: day = n1; month = n2; year = n3; break;
            case kYearMonthDay: year = n1; month = n2; day = n3; break;
        }
        year = ExpandYear(year, currentYear);
    } else {
        year = currentYear;
        if (order == kDayMonthYear) { day = n1; month = n2; }
        else { month = n1; day = n2; }
    }
    ScanCharAt(text, pos, locale.separator);
    SkipBlanks(text, pos);
    return ValidDateParts(year, month, day) && pos == text.size();
}

bool ScanDateByFormat(std::string_view format, std::string_view text, const DateLocale& locale,
                      int currentYear, int& day, int& month, int& year) {
    month = ScanDatePart(format, text, 'M', 0, -1, 3, locale);
    if (month == 0) month = ScanDatePart(format, text, 'M', 0, -1, 1, locale);
    day = ScanDatePart(format, text, 'D', 1, -1, 1, locale);
    year = ExpandYear(ScanDatePart(format, text, 'Y', currentYear, -1, 1, locale), currentYear);
    if (ValidDateParts(year, month, day)) return true;
    return ScanDateText(text, format, locale, currentYear, day, month, year);
}

bool TryTextToDate(std::string_view format, std::string_view text, const DateLocale& locale, int currentYear,
                   DateValue& date) {
    if (text.empty()) {
        date = kNullDate;
        return true;
    }
    int d, m, y;
    return ScanDateByFormat(format, text, locale, currentYear, d, m, y) && EncodeDate(y, m, d, date);
}

DateValue TextToDateOrDefault(std::string_view format, std::string_view text, const DateLocale& locale,
                              int currentYear, DateValue fallback) {
    DateValue date;
    if (!text.empty() && TryTextToDate(format, text, locale, currentYear, date)) return date;
    return std::trunc(fallback);
}

std::string InvalidDateMessage(std::string_view text) {
    return "''" + std::string(text) + "'' is not a valid date";
}

std::string FormatDateText(DateValue date, std::string_view format, char separator) {
    int y, m, d;
    if (date == kNullDate || !DecodeDate(date, y, m, d)) return "";
    std::string out;
    std::string upper = UpperAscii(format);
    for (size_t i = 0; i < upper.size();) {
        char c = upper[i];
        size_t run = 1;
        while (i + run < upper.size() && upper[i + run] == c) ++run;
        char buf[16];
        if (c == 'D') snprintf(buf, sizeof buf, "%02d", d);
        else if (c == 'M') snprintf(buf, sizeof buf, "%02d", m);
        else if (c == 'Y') snprintf(buf, sizeof buf, run >= 4 ? "%04d" : "%02d", run >= 4 ? y : y % 100);
        else if (c == '/') snprintf(buf, sizeof buf, "%s", std::string(run, separator).c_str());
        else snprintf(buf, sizeof buf, "%s", std::string(run, c).c_str());
        out += buf;
        i += run;
    }
    return out;
}

}  // namespace controls
