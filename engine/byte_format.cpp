#include "engine/byte_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quon {

std::string GeneralNumberText(double x, char separator) {
    if (!std::isfinite(x) || x == 0) return "0";
    // 15 significant digits as mantissa and exponent, then laid out in fixed-point notation.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    int exponent = *p == 'e' ? std::atoi(p + 1) : 0;

    std::string whole, fraction;
    if (exponent >= 0) {
        size_t wholeDigits = static_cast<size_t>(exponent) + 1;
        if (wholeDigits >= digits.size()) {
            whole = digits + std::string(wholeDigits - digits.size(), '0');
        } else {
            whole = digits.substr(0, wholeDigits);
            fraction = digits.substr(wholeDigits);
        }
    } else {
        whole = "0";
        fraction = std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    std::string s = x < 0 ? "-" : "";
    s += whole;
    if (!fraction.empty()) {
        s += separator;
        s += fraction;
    }
    return s;
}

std::string FormatBytes(double x, int64_t units, int64_t decimals, char separator) {
    if (units != 1 && units != 2) return FormatGrouped(x);
    decimals = std::clamp<int64_t>(decimals, 0, kMostDecimals);
    const double v = units == 1 ? x / 1024.0 : x / 1048576.0;
    std::string s = GeneralNumberText(v, separator);
    const size_t p = s.rfind(separator);
    if (p != std::string::npos) {
        if (decimals > 0) return s.substr(0, p + 1 + static_cast<size_t>(decimals));
        return s.substr(0, p);
    }
    if (decimals > 0) s += separator + std::string(static_cast<size_t>(decimals), '0');
    return s;
}

std::string FormatGrouped(double x) {
    // The separator never appears in the digits, so any character marks the cut.
    std::string s = GeneralNumberText(x, '.');
    s = s.substr(0, s.find('.'));
    std::string sign;
    if (!s.empty() && s[0] == '-') {
        s.erase(0, 1);
        if (s.find_first_not_of('0') != std::string::npos) sign = "-";  // -0.5 shows as 0
    }
    std::string out;
    for (size_t n = 0; n < s.size(); ++n) {
        if (n > 0 && n % 3 == 0) out.insert(out.begin(), ' ');
        out.insert(out.begin(), s[s.size() - 1 - n]);
    }
    return sign + out;
}

std::string DigitsOnly(double x) {
    std::string out;
    for (char c : GeneralNumberText(x, '.'))
        if (c != '.' && c != ',') out += c;
    return out;
}

std::string ByteToText(uint8_t b) { return std::to_string(static_cast<unsigned>(b)); }

std::optional<std::string> SpeedText(int64_t d, int64_t speedUnit, bool english) {
    if (d < 0) d = 0;
    struct Unit { int64_t multiplier, divisor; const char* russian; const char* other; };
    static const Unit kUnits[6] = {
        {1, 1, " б/с", " b/s"},          {1, 1024, " кб/с", " kb/s"},       {1, 1048576, " Мб/с", " Mb/s"},
        {8, 1, " бит/с", " bps"},        {8, 1024, " кбит/с", " kbps"},     {8, 1048576, " Мбит/с", " Mbps"},
    };
    if (speedUnit < 0 || speedUnit > 5) return std::nullopt;
    const Unit& u = kUnits[speedUnit];
    return std::to_string(d * u.multiplier / u.divisor) + (english ? u.other : u.russian);
}

}  // namespace quon
