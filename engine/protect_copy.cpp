#include "engine/protect_copy.h"

#include <cmath>

#include "engine/stored_connection.h"

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

std::vector<std::pair<std::string, std::string>> ProtectCopyKeys(const ConnectionId& id,
                                                                 const ConnectionTotals& totals) {
    return {{kProtectReceivedKey, ProtectCountText(totals.in)},
            {kProtectSentKey, ProtectCountText(totals.out)},
            {kProtectHandleKey, std::to_string(id.handle)},
            {kProtectEntryKey, QuotedEntry(id.entry)},
            {kProtectDurationKey, ProtectCountText(totals.duration)},
            {kProtectStartKey, StartText(id.startMs)}};
}

}  // namespace quon
