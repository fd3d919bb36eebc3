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
};

// Stores a successful reading into the connection's figures and returns connIn; -1 for a failed one,
// which leaves the figures as they were. While a counted connection is up, a total of the same connection
// (handle and entry) that fell by at least half the 32-bit range wrapped and 2^32 is carried; a smaller
// fall is not taken for a wrap, nor is the start of another connection.
double ApplyReading(EngineState& eng, const RasReading& reading);

}  // namespace quon
