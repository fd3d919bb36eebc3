#include "engine/ras_reading.h"

namespace quon {
namespace {

constexpr double kWrap = 4294967296.0;

void Carry(uint32_t last, uint32_t now, double& carry) {
    if (now < last && last - now >= 0x80000000u) carry += kWrap;
}

}  // namespace

double ApplyReading(EngineState& eng, const RasReading& r) {
    if (!r.ok) return -1;
    if (eng.countedOnline && r.handle == eng.connHandle && r.entryName == eng.entryName) {
        Carry(eng.rawIn, r.bytesIn, eng.carryIn);
        Carry(eng.rawOut, r.bytesOut, eng.carryOut);
    } else {
        eng.carryIn = eng.carryOut = 0;
    }
    eng.rawIn = r.bytesIn;
    eng.rawOut = r.bytesOut;
    eng.connIn = eng.carryIn + r.bytesIn;
    eng.connOut = eng.carryOut + r.bytesOut;
    eng.connDuration = r.durationMs;
    eng.entryName = r.entryName;
    eng.connHandle = r.handle;
    return eng.connIn;
}

}  // namespace quon
