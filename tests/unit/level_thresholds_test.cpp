#include "config/level_thresholds.h"

#include <gtest/gtest.h>

namespace quon::config {
namespace {

TEST(LevelThresholds, StoredBytesShownAsWholeKilobytes) {
    EXPECT_EQ(LevelKilobytesText(5120), "5");
    EXPECT_EQ(LevelKilobytesText(1023), "0");
    EXPECT_EQ(LevelKilobytesText(-1500), "-1");  // truncated toward zero
    EXPECT_EQ(LevelKilobytesText(INT64_C(26843545600)), "26214400");  // beyond 32 bits
}

TEST(LevelThresholds, EditTextToStoredBytesIn64Bits) {
    struct Row {
        const char* text;
        std::optional<int64_t> want;
    };
    const Row rows[] = {
        {"1", 1024},
        {"25600", 26214400},
        {"2097152", INT64_C(2147483648)},  // the product passes 32 bits without wrapping
        {"9007199254740991", INT64_C(9007199254740991) * 1024},
        {"9007199254740992", std::nullopt},  // times 1024 no longer fits: the key is left alone
        {"-9007199254740993", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"12kb", std::nullopt},
    };
    for (const Row& r : rows) EXPECT_EQ(LevelBytesToStore(r.text), r.want) << r.text;
}

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
