#include "engine/settings_file.h"
#include "engine/value_forms.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>

#include "tests/support/scratch_file.h"

namespace quon {
namespace {

// A data.qif of the test's own, removed when the test ends.
class SettingsFileTest : public ::testing::Test {
protected:
    void Write(const std::string& text) { file_.Write(text); }
    fw::IniFile Ini() const { return fw::IniFile(path_); }

    test::ScratchFile file_{"quon-", ".qif"};
    const std::string path_ = file_.Path();
};

TEST_F(SettingsFileTest, MissingFileReadsAsAllDefaults) {
    Options o;
    o.opacity = 7;
    o.ignoreList = {"old"};
    ReadOptions(Ini(), o);
    const Options d;
    EXPECT_TRUE(o.ignoreList.empty());
    EXPECT_EQ(o.viewX, 200);
    EXPECT_EQ(o.viewY, 100);
    EXPECT_EQ(o.opacity, 225);
    EXPECT_EQ(o.fadeStep, 5);
    EXPECT_EQ(o.tickIntervalMs, 1000u);
    EXPECT_EQ(o.protectIntervalMs, 59940u);
    EXPECT_EQ(o.units, 2);
    EXPECT_EQ(o.decimals, 3);
    EXPECT_EQ(o.counters.daylim, 1048576.0);
    EXPECT_EQ(o.counters.monthlim, 31457280.0);
    EXPECT_EQ(o.levels, d.levels);
    EXPECT_TRUE(o.protectionOn);
    EXPECT_TRUE(o.balloonsOn);
    EXPECT_FALSE(o.hideHangupButton);
    EXPECT_EQ(o.skinFile, "Default");
    EXPECT_EQ(o.iconSetName, "Default");
    EXPECT_FALSE(o.trayHidden);
}

TEST_F(SettingsFileTest, IntervalsAreClampedUnsigned) {
    struct Case { const char* events; const char* reset; unsigned tick; unsigned protect; };
    const Case cases[] = {
        {"0", "1", 1000, 1000},      // 999 ms is raised to 1000
        {"61", "61", 60000, 60000},
        {"5", "10", 5000, 9990},
        {"-1", "-1", 60000, 60000},  // negative compares as a huge unsigned value
        {"x", "y", 1000, 59940},     // not a number: the defaults
    };
    for (const Case& c : cases) {
        Write(std::string("[events]\ninterval=") + c.events + "\n[reset]\ninterval=" + c.reset + "\n");
        Options o;
        ReadOptions(Ini(), o);
        EXPECT_EQ(o.tickIntervalMs, c.tick) << c.events;
        EXPECT_EQ(o.protectIntervalMs, c.protect) << c.reset;
    }
}

TEST_F(SettingsFileTest, FadeStepTable) {
    const std::pair<int64_t, int> table[] = {{-3, 1}, {0, 1}, {1, 3}, {2, 5}, {3, 10}, {4, 25}, {5, 50}, {6, 100}, {99, 100}};
    for (auto [fade, step] : table) EXPECT_EQ(FadeStepFor(fade), step) << fade;
}

TEST_F(SettingsFileTest, IntegerKeysTakeSixtyFourBitsAndDefaultOnText) {
    Write("[view]\nx=4294967396\ny=abc\no=-5\n");
    Options o;
    ReadOptions(Ini(), o);
    EXPECT_EQ(o.viewX, 4294967396LL);  // the platform's integer reader would wrap this
    EXPECT_EQ(o.viewY, 100);
    EXPECT_EQ(o.opacity, -5);          // not clamped when read
}

TEST_F(SettingsFileTest, UnitsZeroForcesNoDecimals) {
    Write("[data]\nunits=0\n[bytes]\nfloat=3\n");
    Options o;
    ReadOptions(Ini(), o);
    EXPECT_EQ(o.decimals, 0);
}

TEST_F(SettingsFileTest, DecimalsAreHeldToZeroToSix) {
    const std::pair<const char*, int64_t> table[] = {
        {"0", 0}, {"3", 3}, {"6", 6}, {"7", 6}, {"2147483647", 6}, {"-1", 0}, {"-2147483648", 0}, {"x", 3}};
    for (auto [value, decimals] : table) {
        Write(std::string("[data]\nunits=1\n[bytes]\nfloat=") + value + "\n");
        Options o;
        ReadOptions(Ini(), o);
        EXPECT_EQ(o.decimals, decimals) << value;
    }
}

TEST_F(SettingsFileTest, IgnoreListReadsEveryCountedItemWithNullForGaps) {
    Write("[ignore]\nitems=2\nitem_1=Work\nitem_3=Never\n");
    Options o;
    ReadOptions(Ini(), o);
    EXPECT_EQ(o.ignoreList, (std::vector<std::string>{"Work", "NULL"}));
}

TEST_F(SettingsFileTest, IgnoreListWithAnUnbelievableCountEndsAtItsFirstMissingItem) {
    Write("[ignore]\nitems=2000000000\nitem_1=Work\nitem_2=Home\nitem_4=Never\n");
    Options o;
    ReadOptions(Ini(), o);
    EXPECT_EQ(o.ignoreList, (std::vector<std::string>{"Work", "Home"}));
}

TEST_F(SettingsFileTest, TrayIsHiddenOnlyByOffInAnyCase) {
    const std::pair<const char*, bool> table[] = {{"off", true}, {"OFF", true}, {"Off", true}, {"ok", false},
                                                  {"off ", true}, {"of", false}, {"", false}};
    for (auto [value, hidden] : table) {
        Write(std::string("[visibility]\ntray=") + value + "\n");
        Options o;
        ReadOptions(Ini(), o);
        EXPECT_EQ(o.trayHidden, hidden) << "'" << value << "'";
    }
    // A missing key shows the icon.
    Write("[visibility]\nstart=1\n");
    Options o;
    ReadOptions(Ini(), o);
    EXPECT_FALSE(o.trayHidden);
}

TEST_F(SettingsFileTest, BadCounterFailsAfterTheEarlierValuesWereTaken) {
    Write("[view]\no=100\n[bytes]\nday=5\ndaylim=6\nmonthlim=7\nmonth=abc\nup=9\n"
          "level_1=1\n[skin]\nanimation=1\n");
    Options o;
    o.counters.up = 42;
    o.levels[0] = 77;
    EXPECT_THROW(ReadOptions(Ini(), o), SettingsError);
    EXPECT_EQ(o.opacity, 100);
    EXPECT_EQ(o.counters.day, 5);
    EXPECT_EQ(o.counters.daylim, 6);
    EXPECT_EQ(o.counters.monthlim, 7);
    EXPECT_EQ(o.counters.up, 42);   // after the failing month: old value
    EXPECT_EQ(o.levels[0], 77);
    EXPECT_FALSE(o.animationOn);
}

TEST_F(SettingsFileTest, CountersKeepEveryByteAboveTwoToTheTwentyFour) {
    Write("[bytes]\nday=16777217\nmonth=5000000000\nup=12,5\nbackup=3.25\n");
    Options o;
    ReadOptions(Ini(), o);
    EXPECT_EQ(o.counters.day, 16777217.0);
    EXPECT_EQ(o.counters.month, 5000000000.0);
    EXPECT_EQ(o.counters.up, 12.5);
    EXPECT_EQ(o.counters.backup, 3.25);
}

TEST_F(SettingsFileTest, HangupButtonAndHintModeReadings) {
    Write("[skin]\nhangup=0\n[events]\nhint=7\n");
    Options o;
    ReadOptions(Ini(), o);
    EXPECT_TRUE(o.hideHangupButton);
    EXPECT_EQ(o.hintMode, 3);
    Write("[skin]\nhangup=2\n[events]\nhint=-1\n");
    ReadOptions(Ini(), o);
    EXPECT_FALSE(o.hideHangupButton);
    EXPECT_EQ(o.hintMode, 0);
}

TEST(IniFile, FailedWriteIsReported) {
    fw::IniFile nowhere("Z:\\no\\such\\folder\\data.qif");
    EXPECT_FALSE(nowhere.WriteString("bytes", "day", "1"));
}

TEST(Locale, RussianLocaleGivesCommaSeparator) {
    EXPECT_EQ(GetACP(), 1251u);
    EXPECT_EQ(LocaleDecimalSeparator(), ',');
}

TEST_F(SettingsFileTest, KeysOfAFileThatCannotBeWrittenAreNotReportedAsWritten) {
    ASSERT_TRUE(CreateDirectoryA(path_.c_str(), nullptr));
    EXPECT_FALSE(Ini().WriteKeys("bytes", {{"day", "1"}}));
    EXPECT_FALSE(Ini().WriteString("bytes", "day", std::string(40000, 'x')));
    RemoveDirectoryA(path_.c_str());
}

}  // namespace
}  // namespace quon
