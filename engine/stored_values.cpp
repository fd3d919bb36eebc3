#include "engine/stored_values.h"

#include <cmath>

namespace quon {

std::string ProtectCountText(double bytes) {
    if (!(bytes > 0)) return "0";
    if (bytes >= 18446744073709551615.0) return "18446744073709551615";
    return std::to_string(static_cast<uint64_t>(std::trunc(bytes)));
}

std::optional<uint64_t> ParseProtectCount(const std::string& raw) {
    size_t b = raw.find_first_not_of(" \t");
    size_t e = raw.find_last_not_of(" \t");
    if (b == std::string::npos) return std::nullopt;
    uint64_t value = 0;
    for (size_t i = b; i <= e; ++i) {
        const char c = raw[i];
        if (c < '0' || c > '9') return std::nullopt;
        const uint64_t digit = static_cast<uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

std::string QuotedEntry(const std::string& entry) { return "\"" + entry + "\""; }

std::string StartText(int64_t startMs) { return startMs > 0 ? std::to_string(startMs) : "0"; }

int64_t ParseStart(const std::string& text) {
    const std::optional<uint64_t> ms = ParseProtectCount(text);
    return ms && *ms <= static_cast<uint64_t>(INT64_MAX) ? static_cast<int64_t>(*ms) : 0;
}

}  // namespace quon
