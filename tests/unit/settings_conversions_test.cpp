// How the settings dialog turns stored values into what its controls show, and back.
#include <gtest/gtest.h>

#include "config/settings/conversions.h"

namespace quon::config {
namespace {

TEST(SettingsConversions, ProtectionIntervalAndItsBoxItem) {
    struct Case {
        int64_t seconds;
        int index;
    } cases[] = {{-5, 0}, {0, 0}, {1, 0}, {5, 1}, {10, 2}, {15, 3}, {30, 4}, {60, 5}, {999, 5}, {2, -1}, {45, -1}};
    for (const Case& c : cases) EXPECT_EQ(IntervalIndexFor(c.seconds), c.index) << c.seconds;
    struct Back {
        int index;
        std::optional<int64_t> seconds;
    } back[] = {{-1, std::nullopt}, {0, 1}, {1, 5}, {2, 10}, {3, 15}, {4, 30}, {5, 60}, {9, 60}};
    for (const Back& b : back) EXPECT_EQ(IntervalSecondsFor(b.index), b.seconds) << b.index;
}

TEST(SettingsConversions, TrayHintRadio) {
    const std::pair<int64_t, int> cases[] = {{-3, 0}, {0, 0}, {1, 1}, {2, 2}, {3, 3}, {17, 3}};
    for (auto [hint, radio] : cases) EXPECT_EQ(HintRadioFor(hint), radio) << hint;
}

TEST(SettingsConversions, LevelsShowKilobytesAndStoreBytes) {
    const std::pair<int64_t, const char*> shown[] = {{1024, "1"}, {5120, "5"}, {1500, "1"}, {1023, "0"}, {-1500, "-1"}};
    for (auto [bytes, text] : shown) EXPECT_EQ(LevelKilobytesText(bytes), text) << bytes;
    const std::pair<const char*, std::optional<int64_t>> stored[] = {
        {"3", 3072}, {"0", 0}, {"-2", -2048}, {"abc", std::nullopt}, {"", std::nullopt}, {"1.5", std::nullopt},
        {"99999999999", std::nullopt}};
    for (auto [text, bytes] : stored) EXPECT_EQ(LevelBytesFor(text), bytes) << text;
}

TEST(SettingsConversions, OpacityIsTheBarsComplement) {
    const std::pair<int64_t, int64_t> cases[] = {{255, 0}, {225, 30}, {55, 200}, {0, 255}};
    for (auto [opacity, position] : cases) {
        EXPECT_EQ(OpacityBarPosition(opacity), position);
        EXPECT_EQ(OpacityFor(position), opacity);
    }
}

TEST(SettingsConversions, SoundBoxTickedByPathLength) {
    const std::pair<const char*, bool> cases[] = {{"", false}, {"a.w", false}, {"a.wa", true}, {"C:\\x.wav", true}};
    for (auto [path, ticked] : cases) EXPECT_EQ(SoundBoxChecked(path), ticked) << path;
}

TEST(SettingsConversions, VersionLabel) {
    const std::pair<int, const char*> cases[] = {{2010, "2.1"},  {2100, "2.10"}, {2013, "2.1.3"}, {2005, "2.0.5"},
                                                 {210, "2.0~"},  {99, "2.0~"},   {20100, "2.0~"}};
    for (auto [version, label] : cases) EXPECT_EQ(VersionLabel(version), label) << version;
}

TEST(SettingsConversions, StatisticsLockByStateText) {
    const std::pair<const char*, int> cases[] = {{"0", 0}, {"1", 1}, {"", -1}, {"01", -1}, {"true", -1}, {nullptr, -1}};
    for (auto [state, lock] : cases) EXPECT_EQ(StatisticsLock(state), lock) << (state ? state : "NULL");
}

TEST(SettingsConversions, ReminderDateBeforeThePeriodEnds) {
    const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
        {"15.03.27", "5", "10.03.27"},     {"02.03.24", "3", "28.02.24"},  {"01.01.27", "0", "01.01.27"},
        {"31.04.27", "5", std::nullopt},   {"15.03.27", "x", std::nullopt}, {"", "5", std::nullopt}};
    for (auto [next, days, remind] : cases) EXPECT_EQ(RemindDateFor(next, days), remind) << next << " " << days;
}

TEST(SettingsConversions, PluginFlagAsTheMainProgramReadsItAndActivationTexts) {
    const std::pair<const char*, bool> enabled[] = {{"1", true}, {"0", false}, {"yes", true}, {"NO", true},
                                                    {"2", true}, {"", true},   {"00", false}};
    for (auto [text, on] : enabled) EXPECT_EQ(PluginEnabled(text), on) << text;
    const std::pair<int64_t, const char*> activation[] = {{0, "ВСЕГДА"}, {1, "ПРИ  ЗАПУСКЕ"}, {2, "ВХОД  В  СЕТЬ"},
                                                          {3, "ВЬIХОД  ИЗ  СЕТИ"}, {4, "ВХОД и ВЬIХОД"},
                                                          {5, "ПО  ЗАПРОСУ"}, {-1, "-"}, {9, "-"}};
    for (auto [code, text] : activation) EXPECT_EQ(ActivationText(code), text) << code;
}

}  // namespace
}  // namespace quon::config
