#pragma once
// The activity level of one tick, its history for the graph and the tray animation's pace.
#include <array>
#include <cstdint>

#include "engine/engine_state.h"

namespace quon {

// 0..5: the last of the five thresholds (in this order) that the tick's bytes reach.
int ActivityLevel(double bytesThisTick, const std::array<int64_t, 5>& thresholds);

// Moves the history entries in use one place towards the start and puts the level in the last one.
// A bar count outside 1..300 is held within it.
void PushActivityLevel(EngineState& eng, int level);

// The animation interval for levels 1..5.
unsigned AnimationIntervalMs(int level);

}  // namespace quon
