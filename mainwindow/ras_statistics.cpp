// Reading the active dial-up connection's statistics; the library is loaded for every reading.
#include <windows.h>

#include <ras.h>

#include <cstring>

#include "engine/ras_reading.h"
#include "framework/library.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

// Milliseconds since 1970, UTC.
int64_t WallClockMs() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const uint64_t ticks = static_cast<uint64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime;  // 100 ns since 1601
    return static_cast<int64_t>(ticks / 10000) - 11644473600000LL;
}

// Exactly one connection is measured: a second one makes the enumeration report a too small buffer,
// and that fails the reading as a whole.
RasReading ReadRasStatistics(bool hangUp) {
    RasReading reading;
    fw::Library ras("rasapi32");
    if (!ras) return reading;
    auto getStatistics = ras.Proc<decltype(RasGetConnectionStatistics)>("RasGetConnectionStatistics");
    auto enumConnections = ras.Proc<decltype(RasEnumConnectionsA)>("RasEnumConnectionsA");
    if (!getStatistics || !enumConnections) return reading;

    RASCONNA connection{};
    connection.dwSize = sizeof connection;
    DWORD bytes = sizeof connection;
    DWORD count = 0;
    if (enumConnections(&connection, &bytes, &count) != 0) return reading;
    RAS_STATS stats{};
    stats.dwSize = sizeof stats;
    if (count == 0 || connection.hrasconn == nullptr) return reading;
    if (getStatistics(connection.hrasconn, &stats) != 0) return reading;
    reading.readAtMs = WallClockMs();

    reading.ok = true;
    reading.bytesIn = stats.dwBytesRcved;
    reading.bytesOut = stats.dwBytesXmited;
    reading.durationMs = stats.dwConnectDuration;
    reading.handle = reinterpret_cast<uintptr_t>(connection.hrasconn);
    reading.entryName.assign(connection.szEntryName, strnlen(connection.szEntryName, sizeof connection.szEntryName));
    if (hangUp) {
        if (auto hangUpConnection = ras.Proc<decltype(RasHangUpA)>("RasHangUpA")) hangUpConnection(connection.hrasconn);
    }
    return reading;
}

}  // namespace

double Tfrm_quonm::GetRasStatistics(bool hangUp) { return ApplyReading(eng, ReadRasStatistics(hangUp)); }

}  // namespace quon
