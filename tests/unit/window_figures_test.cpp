#include "engine/window_figures.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/settings_file.h"

namespace quon {
namespace {

// The opacities a whole fade shows, step by step, and what it ends with.
std::vector<int> FadeIn(int target, int step) {
    std::vector<int> seen;
    FadeStep s{0, false};
    while (!s.done) {
        s = FadeInStep(s.opacity, step, target);
        seen.push_back(s.opacity);
    }
    return seen;
}

std::vector<int> FadeOut(int from, int step) {
    std::vector<int> seen;
    FadeStep s{from, false};
    while (!s.done) {
        s = FadeOutStep(s.opacity, step, from);
        seen.push_back(s.opacity);
    }
    return seen;
}

TEST(WindowFigures, FadesLandOnTheTargetAndRestoreTheOpacity) {
    EXPECT_EQ(FadeIn(225, FadeStepFor(6)), (std::vector<int>{100, 200, 225}));
    EXPECT_EQ(FadeOut(225, FadeStepFor(6)), (std::vector<int>{125, 25, 225}));  // hidden, then restored
    EXPECT_EQ(FadeIn(225, FadeStepFor(0)).size(), 225u);                         // step 1: 225 ticks of 5 ms
    EXPECT_EQ(FadeOut(10, 5), (std::vector<int>{5, 10}));                        // exactly 0 ends the fade
    EXPECT_EQ(FadeIn(0, 5), (std::vector<int>{0}));
}

TEST(WindowFigures, WheelStepsTenWithinItsLimits) {
    struct Case { int opacity, delta, result; };
    const Case cases[] = {
        {60, -120, 55}, {55, -120, 55}, {100, -120, 90}, {250, 120, 255}, {255, 120, 255}, {100, 120, 110},
        {300, -120, 290}, {300, 120, 255}, {20, 120, 30}, {20, -240, 55}, {100, 0, 100},
    };
    for (const Case& c : cases) EXPECT_EQ(WheelOpacity(c.opacity, c.delta), c.result) << c.opacity << " " << c.delta;
}

TEST(WindowFigures, StoredPlaceIsTheDistanceFromTheRightAndBottomEdges) {
    const StoredPlace p = StoredPlaceOf(1024, 768, 824, 668);
    EXPECT_EQ(p.x, 200);
    EXPECT_EQ(p.y, 100);
    const StoredPlace off = StoredPlaceOf(1024, 768, 1100, -20);  // partly off the screen
    EXPECT_EQ(off.x, -76);
    EXPECT_EQ(off.y, 788);
}

}  // namespace
}  // namespace quon
