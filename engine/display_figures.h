#pragma once
// The nine texts of the window from the connection's figures and the counters.
#include "engine/engine_state.h"
#include "engine/options.h"

namespace quon {

// The bytes of one tick: the growth of a total since the previous tick, never below 0.
double BytesThisTick(double now, double previous);

// While online: the connection's figures on top of the counters, and both speed texts.
void ComputeOnlineFigures(const EngineState& eng, const Options& opt, char separator, DisplayTexts& texts);

// While offline: the counters alone; the speed texts keep their last values.
void ComputeOfflineFigures(const EngineState& eng, const Options& opt, char separator, DisplayTexts& texts);

}  // namespace quon
