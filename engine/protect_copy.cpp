#include "engine/protect_copy.h"

#include "engine/stored_connection.h"
#include "engine/stored_values.h"

namespace quon {

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
