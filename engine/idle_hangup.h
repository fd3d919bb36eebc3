#pragma once
// The idle hang-up: counted once a second while every tick stays at activity level 0.
#include <cstdint>

namespace quon {

struct IdleStep {
    int count;    // the new idle count
    bool hangUp;  // the quiet time has passed: hang up now (the count starts again at 0)
};

// One second more of quiet; hangs up when the count passes minutes × 60.
IdleStep NextIdleSecond(int count, int64_t minutes);

}  // namespace quon
