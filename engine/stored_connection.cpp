#include "engine/stored_connection.h"

#include <algorithm>
#include <cstdlib>

#include "engine/settings_keys.h"
#include "engine/stored_values.h"
#include "engine/value_forms.h"

namespace quon {
namespace {

constexpr const char* kHandleKey = keys::kSessionHandle.name;
constexpr const char* kEntryKey = keys::kSessionEntry.name;
constexpr const char* kInKey = keys::kSessionIn.name;
constexpr const char* kOutKey = keys::kSessionOut.name;
constexpr const char* kDurationKey = keys::kSessionTime.name;
constexpr const char* kStartKey = keys::kSessionStart.name;

}  // namespace

bool SameConnection(const ConnectionId& a, const ConnectionId& b) {
    if (a.handle != b.handle || a.entry != b.entry) return false;
    if (a.startMs == 0 || b.startMs == 0) return true;
    return std::llabs(a.startMs - b.startMs) <= kStartToleranceMs;
}

bool Continues(const StoredConnection& stored, const ConnectionId& id, const ConnectionTotals& now) {
    const ConnectionTotals& was = stored.totals;
    return SameConnection(stored.id, id) && now.in >= was.in && now.out >= was.out && now.duration >= was.duration;
}

ConnectionTotals Unstored(const StoredConnection& stored, const ConnectionId& id, const ConnectionTotals& now) {
    if (!Continues(stored, id, now)) return {std::max(0.0, now.in), std::max(0.0, now.out), now.duration};
    return {now.in - stored.totals.in, now.out - stored.totals.out, now.duration};
}

KeyValues CounterStoreKeys(const Counters& c, const ConnectionTotals& added, const StoredConnection& record, char sep) {
    return {{keys::kUp.name, FormatCounter(c.up + added.out, sep)},
            {keys::kDay.name, FormatCounter(c.day + added.in, sep)},
            {keys::kMonth.name, FormatCounter(c.month + added.in, sep)},
            {kHandleKey, std::to_string(record.id.handle)},
            {kEntryKey, QuotedEntry(record.id.entry)},
            {kInKey, ProtectCountText(record.totals.in)},
            {kOutKey, ProtectCountText(record.totals.out)},
            {kDurationKey, ProtectCountText(record.totals.duration)},
            {kStartKey, StartText(record.id.startMs)}};
}

StoredConnection ParseStoredConnection(const std::function<std::string(const char* key)>& read) {
    StoredConnection p;
    auto number = [&](const char* key) { return static_cast<double>(ParseProtectCount(read(key)).value_or(0)); };
    p.id.handle = ParseProtectCount(read(kHandleKey)).value_or(0);
    p.id.entry = read(kEntryKey);
    p.totals = {number(kInKey), number(kOutKey), number(kDurationKey)};
    p.id.startMs = ParseStart(read(kStartKey));
    return p;
}

}  // namespace quon
