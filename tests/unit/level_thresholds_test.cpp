#include "config/pages/options/level_thresholds.h"

#include <gtest/gtest.h>

namespace quon::config {
namespace {

TEST(LevelThresholds, KeysStepAndFloorTheValue) {
    struct Row {
        const char* text;
        unsigned key;
        std::optional<std::string> want;
    };
    const Row rows[] = {
        {"5", 0x24, "25000"},          // Home
        {"300", 0x23, "1"},            // End
        {"30", 0x22, "1"},             // Page Down to -20, then up to the floor
        {"200", 0x22, "150"},
        {"25600", 0x21, "25650"},      // Page Up goes past the up-down's maximum
        {"abc", 0x21, std::nullopt},   // not a number: left as it is
        {"abc", 0x24, "25000"},
        {"-7", 0x41, "1"},             // any key floors a number below 1
        {"7", 0x41, std::nullopt},
        {"9223372036854775800", 0x21, std::nullopt},  // no step past 64 bits
    };
    for (const Row& r : rows) EXPECT_EQ(LevelTextAfterKey(r.text, r.key), r.want) << r.text << " key " << r.key;
}

TEST(LevelThresholds, OrderWarning) {
    using T = std::array<std::string, kLevelCount>;
    EXPECT_FALSE(LevelsOutOfOrder(T{"1", "2", "2", "4", "5"}));  // equal neighbours pass
    EXPECT_TRUE(LevelsOutOfOrder(T{"1", "3", "2", "4", "5"}));
    EXPECT_TRUE(LevelsOutOfOrder(T{"1", "2", "3", "5", "4"}));
    EXPECT_FALSE(LevelsOutOfOrder(T{"9", "x", "2", "4", "5"}));  // a text that is not a number ends the check
}

}  // namespace
}  // namespace quon::config
