#pragma once
// Which connection the counters of data.qif already hold, and up to which of its totals. RAS tells one
// connection from the next by its handle and entry name, but hands a handle out again once its connection
// has ended (after a reboot the first connection may well get the same one); so a connection is also
// known by the instant it began. A connection seen again (after a poll that failed or listed two
// connections, or still up across a restart of the program) adds only what it gained since; any other
// connection adds all of its bytes.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/options.h"
#include "engine/settings_store.h"
#include "engine/stored_values.h"

namespace quon {

struct ConnectionId {
    uint64_t handle = 0;  // 0: not known (protection copies of an older version name no connection)
    std::string entry;
    // When it began: the wall clock (milliseconds since 1970, UTC) less its connect time, as a reading of it
    // found them. 0: not known (files of an older version).
    int64_t startMs = 0;
    bool Known() const { return handle != 0; }
};

// Two readings of one connection give beginnings this close; the clock and the connect time are read
// one after the other, and the clock may be set a little meanwhile.
inline constexpr int64_t kStartToleranceMs = 5000;

// The same handle and entry, and beginnings within the tolerance where both are known.
bool SameConnection(const ConnectionId& a, const ConnectionId& b);

// Cumulative figures of one connection as RAS reports them (wraps of its 32-bit counters carried).
struct ConnectionTotals {
    double in = 0;
    double out = 0;
    double duration = 0;  // connect time in milliseconds
};

struct StoredConnection {
    ConnectionId id;
    ConnectionTotals totals;  // the counters hold this connection's bytes up to these totals
};

// The same connection going on: it is the record's (SameConnection) and none of its totals fell. RAS
// never names a connection by handle 0, so a record without a connection (protection copies of an older
// version) matches only such copies, which are then the very ones recovered before.
bool Continues(const StoredConnection& stored, const ConnectionId& id, const ConnectionTotals& now);

// What of these totals the counters do not hold yet: the gain since the record for the connection it
// names, everything for any other.
ConnectionTotals Unstored(const StoredConnection& stored, const ConnectionId& id, const ConnectionTotals& now);

// The keys of one store into [bytes]: up, day and month with the added bytes, then the record of what
// the counters now hold. They go to the file in one write, so a store is either done or not.
KeyValues CounterStoreKeys(const Counters& counters, const ConnectionTotals& added, const StoredConnection& record,
                           char separator);

// The record as [bytes] holds it; read(key) gives the text of a key, "" when missing.
StoredConnection ParseStoredConnection(const std::function<std::string(const char* key)>& read);

}  // namespace quon
