#include "engine/ras_reading.h"

#include <cstdlib>

namespace quon {
namespace {

constexpr double kWrap = 4294967296.0;

void Carry(uint32_t last, uint32_t now, double& carry) {
    if (now < last && last - now >= 0x80000000u) carry += kWrap;
}

}  // namespace

double ApplyReading(EngineState& eng, const RasReading& r) {
    if (!r.ok) {
        eng.lastReadingOk = false;
        return -1;
    }
    // A connect time that fell belongs to another connection, whatever its handle.
    const bool sameHandle =
        r.handle == eng.connHandle && r.entryName == eng.entryName && r.durationMs >= eng.rawDuration;
    const int64_t start = r.readAtMs - static_cast<int64_t>(r.durationMs);
    const bool sameStart = eng.lastReadingOk || std::llabs(start - eng.connStartMs) <= kStartToleranceMs;
    if (!sameHandle || !sameStart || eng.connStartMs == 0) eng.connStartMs = start;
    if (eng.countedOnline && sameHandle) {
        Carry(eng.rawIn, r.bytesIn, eng.carryIn);
        Carry(eng.rawOut, r.bytesOut, eng.carryOut);
    } else {
        eng.carryIn = eng.carryOut = 0;
    }
    eng.rawIn = r.bytesIn;
    eng.rawOut = r.bytesOut;
    eng.rawDuration = r.durationMs;
    eng.lastReadingOk = true;
    eng.connIn = eng.carryIn + r.bytesIn;
    eng.connOut = eng.carryOut + r.bytesOut;
    eng.connDuration = r.durationMs;
    eng.entryName = r.entryName;
    eng.connHandle = r.handle;
    return eng.connIn;
}

}  // namespace quon
