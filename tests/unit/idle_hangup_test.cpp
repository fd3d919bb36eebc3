#include "engine/idle_hangup.h"

#include <gtest/gtest.h>

namespace quon {
namespace {

TEST(IdleHangUp, HangsUpOneSecondAfterTheQuietMinutes) {
    // One minute: seconds 1..60 only count, the 61st hangs up and starts the count again.
    int count = 0;
    int hangUpAt = 0;
    for (int second = 1; second <= 200 && !hangUpAt; ++second) {
        IdleStep step = NextIdleSecond(count, 1);
        count = step.count;
        if (step.hangUp) hangUpAt = second;
    }
    EXPECT_EQ(hangUpAt, 61);
    EXPECT_EQ(count, 0);

    struct Case { int count; int64_t minutes; int next; bool hangUp; };
    const Case cases[] = {
        {0, 1, 1, false}, {59, 1, 60, false}, {60, 1, 0, true},
        {299, 5, 300, false}, {300, 5, 0, true},
        {0, 0, 0, true},  // never started by the tick at 0 minutes; if it runs, it hangs up
    };
    for (const Case& c : cases) {
        IdleStep step = NextIdleSecond(c.count, c.minutes);
        EXPECT_EQ(step.count, c.next) << c.count << " " << c.minutes;
        EXPECT_EQ(step.hangUp, c.hangUp) << c.count << " " << c.minutes;
    }
}

}  // namespace
}  // namespace quon
