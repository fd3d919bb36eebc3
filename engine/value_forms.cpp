#include "engine/value_forms.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quon {

char LocaleDecimalSeparator() {
    char buf[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, sizeof buf) > 1 && buf[0]) return buf[0];
    return '.';
}

std::optional<double> ParseCounter(const std::string& raw) {
    size_t b = raw.find_first_not_of(" \t");
    size_t e = raw.find_last_not_of(" \t");
    if (b == std::string::npos) return std::nullopt;
    std::string text = raw.substr(b, e - b + 1);
    // Accept any of the separators, then validate the shape ourselves: strtod alone would take "12abc".
    size_t i = 0;
    if (text[i] == '+' || text[i] == '-') ++i;
    size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        text[i] = '.';
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    double value = std::strtod(text.c_str(), nullptr);  // C locale: "." is the separator
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::string FormatCounter(double value, char separator) {
    if (value == 0) return "0";
    char buf[64];
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        std::snprintf(buf, sizeof buf, "%.0f", value);
        return buf;
    }
    for (int precision = 1; precision <= 15; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, value);
        if (precision == 15 || std::strtod(buf, nullptr) == value) break;
    }
    std::string s = buf;
    for (char& c : s)
        if (c == '.') c = separator;
    return s;
}

}  // namespace quon
