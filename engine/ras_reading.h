#pragma once
// One reading of the active dial-up connection's statistics and how it enters the engine state.
#include <cstdint>
#include <string>

#include "engine/engine_state.h"

namespace quon {

struct RasReading {
    bool ok = false;  // exactly one connection was found and its statistics were read
    uint32_t bytesIn = 0;
    uint32_t bytesOut = 0;
    uint32_t durationMs = 0;
    std::string entryName;
    uint64_t handle = 0;  // the connection's RAS handle
    int64_t readAtMs = 0; // the wall clock when the statistics were read, milliseconds since 1970 (UTC)
};

// Stores a successful reading into the connection's figures and returns connIn; -1 for a failed one,
// which leaves the figures as they were. A reading of the connection the previous one read (the same
// handle and entry, a connect time that did not fall, and either no failed poll between them or a
// beginning within the tolerance) keeps that connection's beginning; any other reading begins a
// connection at its clock less its connect time. While a counted connection is up, a total of the same
// connection that fell by at least half the 32-bit range wrapped and 2^32 is carried; a smaller fall is
// not taken for a wrap, nor is the start of another connection.
double ApplyReading(EngineState& eng, const RasReading& reading);

}  // namespace quon
