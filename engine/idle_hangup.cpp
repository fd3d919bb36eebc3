#include "engine/idle_hangup.h"

namespace quon {

IdleStep NextIdleSecond(int count, int64_t minutes) {
    const int64_t next = static_cast<int64_t>(count) + 1;
    if (next > minutes * 60) return {0, true};
    return {static_cast<int>(next), false};
}

}  // namespace quon
