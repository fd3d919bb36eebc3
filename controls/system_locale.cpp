#include "controls/system_locale.h"

#include <windows.h>

#include "framework/text.h"

namespace controls {
namespace {
std::string LocaleText(LCTYPE type) {
    wchar_t buf[128] = {};
    int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buf, 128);
    return n > 1 ? fw::Narrow(std::wstring(buf, static_cast<size_t>(n - 1))) : "";
}
}  // namespace

DateLocale SystemDateLocale() {
    DateLocale locale;
    std::string sep = LocaleText(LOCALE_SDATE);
    locale.separator = sep.empty() ? '.' : sep[0];
    locale.shortFormat = LocaleText(LOCALE_SSHORTDATE);
    for (int m = 1; m <= 12; ++m) locale.longMonthNames[m - 1] = LongMonthName(m);
    return locale;
}

int CurrentYear() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear;
}

DateValue Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    DateValue d = kNullDate;
    EncodeDate(now.wYear, now.wMonth, now.wDay, d);
    return d;
}

bool LocaleUsesFourDigitYears() {
    std::string format = LocaleText(LOCALE_SSHORTDATE);
    for (char& c : format) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    return format.find("YYYY") != std::string::npos;
}

std::string ShortDayName(int day) {
    // The platform counts from Monday (LOCALE_SABBREVDAYNAME1) to Sunday (LOCALE_SABBREVDAYNAME7).
    return LocaleText(LOCALE_SABBREVDAYNAME1 + static_cast<LCTYPE>((day + 6) % 7));
}

std::string LongMonthName(int month) {
    if (month < 1 || month > 12) return "";
    return LocaleText(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(month - 1));
}

}  // namespace controls
