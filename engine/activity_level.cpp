#include "engine/activity_level.h"

#include <algorithm>

namespace quon {

int ActivityLevel(double d, const std::array<int64_t, 5>& thresholds) {
    int level = 0;
    for (int k = 1; k <= 5; ++k)
        if (d >= static_cast<double>(thresholds[k - 1])) level = k;
    return level;
}

void PushActivityLevel(EngineState& eng, int level) {
    const int count = std::clamp(eng.historyCount, 1, kHistorySize);
    for (int i = 1; i < count; ++i) eng.levelHistory[i - 1] = eng.levelHistory[i];
    eng.levelHistory[count - 1] = level;
}

unsigned AnimationIntervalMs(int level) {
    static const unsigned kIntervals[5] = {1000, 750, 500, 250, 100};
    return kIntervals[std::clamp(level, 1, 5) - 1];
}

}  // namespace quon
