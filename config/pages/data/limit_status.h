#pragma once
// How close a counter is to its limit, and how the statistics page shows it.
#include <cstdint>

namespace quon::config {

enum class LimitStatus { Exceeded, Near, Ok };

// Above the limit: exceeded; above 95 % of it: near; otherwise ok. A limit of 0 makes any positive
// counter exceeded.
LimitStatus JudgeLimit(double value, double limit);

// The colour of the status square (0x00BBGGRR) and the text beside it.
uint32_t LimitStatusColour(LimitStatus status);
const char* LimitStatusText(LimitStatus status);

}  // namespace quon::config
