// Reading every setting with the dialog's defaults and writing it back in its fixed order, through an
// INI layer in memory that records the writes.
#include <gtest/gtest.h>

#include <algorithm>

#include "config/settings/read_settings.h"
#include "config/settings/save_settings.h"
#include "tests/support/memory_ini.h"
#include "tests/unit/settings_fixture.h"

namespace quon::config {
namespace {

using test::MemoryIni;
using test::EveryKeyChanged;
using test::Map;
using test::PluginList;

const char* const kFolder = "C:\\prog\\";
const char* const kToday = "10.12.26";

TEST(SettingsFiles, EveryKeyComesBackUnchanged) {
    MemoryIni data(EveryKeyChanged()), plugins(PluginList());
    SettingsValues values = ReadSettingsValues(data, plugins, kFolder, kToday);
    // The counters come back too when the user changed them while offline.
    values.counters[kFieldDay] = "9999";
    SaveSettingsValues(values, 0, data, plugins);
    Map expected = EveryKeyChanged();
    expected[{"bytes", "day"}] = "9999";
    for (const auto& [key, value] : expected) EXPECT_EQ(data.Get(key.first, key.second), value) << key.first << "." << key.second;
    for (const auto& [key, value] : PluginList()) EXPECT_EQ(plugins.Get(key.first, key.second), value) << key.first << "." << key.second;
}

TEST(SettingsFiles, AFreshFileGivesTheDialogsDefaultsWrittenInTheFixedOrder) {
    MemoryIni empty, out;
    const SettingsValues values = ReadSettingsValues(empty, empty, kFolder, kToday);
    SaveSettingsValues(values, 0, out, out);  // one recorder for both files shows where plugins.qif comes
    const std::string icons = std::string(kFolder) + "icons\\default\\";
    const std::vector<std::string> expected = {
        "visibility.reaload=0", "view.x=200", "view.y=100", "view.fix=0", "data.protection=1", "reset.notify=1",
        "reset.interval=60", "data.method=0", "visibility.fade=2", "visibility.start=1", "visibility.show=1",
        "visibility.hide=1", "data.units=2", "data.speed=1", "data.language=0", "bytes.float=3", "events.hint=0",
        "visibility.click=1", "visibility.desktop=0", "events.hangup=0", "bytes.level_1=1024", "bytes.level_2=2048",
        "bytes.level_3=3072", "bytes.level_4=4096", "bytes.level_5=5120", "skin.name=Default, версия 1.0",
        "view.o=255", "visibility.over=0", "skin.hangup=1", "skin.icons=1", "skin.icon_o=" + icons + "offline.ico",
        "skin.icon_0=" + icons + "idle.ico", "skin.icon_1=" + icons + "online.ico",
        "skin.icon_2=" + icons + "online.ico", "skin.icon_3=" + icons + "online.ico",
        "skin.icon_4=" + icons + "online.ico", "skin.icon_5=" + icons + "lime.ico", "skin.animation=0",
        "skin.fullstop=1", "skin.file=Default", "skin.variation=0", "events.hangup_m=0", "events.beep_m=1",
        "events.wav_m=", "events.hangup_d=0", "events.beep_d=1", "events.wav_d=", "events.wav_o=", "events.wav_x=",
        "events.shutdown=0", "events.balloon=1", "ignore.items=0", "data.period=0", "visibility.plugins=0",
        "data.unlim=0", "data.backup=0", "alt.notify=1", "alt.warn=0", "alt.period=30", "alt.next=10.12.26",
        "memory.units=2", "memory.float=3", "plugins.items=0", "log.data=0", "log.clear=1", "log.traffic=0"};
    EXPECT_EQ(out.writes, expected);
}

TEST(SettingsFiles, CountersAreWrittenOnlyUnlockedAndOnlyWhenChanged) {
    struct Case {
        const char* what;
        int lock;
        bool changeDay;
        std::vector<std::string> counterWrites;
    } cases[] = {{"offline, nothing changed", 0, false, {}},
                 {"offline, day changed", 0, true, {"bytes.day=9999"}},
                 {"online", 1, true, {}},
                 {"other version", -1, true, {}}};
    for (const Case& c : cases) {
        MemoryIni data(EveryKeyChanged()), plugins(PluginList());
        SettingsValues values = ReadSettingsValues(data, plugins, kFolder, kToday);
        if (c.changeDay) values.counters[kFieldDay] = "9999";
        data.writes.clear();
        SaveSettingsValues(values, c.lock, data, plugins);
        std::vector<std::string> counterWrites;
        for (const std::string& w : data.writes)
            for (const char* key : {"monthlim=", "daylim=", "backup=", "month=", "day=", "uplim=", "up="})
                if (w.rfind(std::string("bytes.") + key, 0) == 0) counterWrites.push_back(w);
        EXPECT_EQ(counterWrites, c.counterWrites) << c.what;
        EXPECT_EQ(data.writes.back(), "log.traffic=1") << c.what << ": the rest is written all the same";
    }
}

TEST(SettingsFiles, KeysTheControlsCannotExpressAreLeftAsStored) {
    Map stored = EveryKeyChanged();
    stored[{"reset", "interval"}] = "45";
    stored[{"ignore", "items"}] = "5";
    for (int n = 3; n <= 5; ++n) stored[{"ignore", "item_" + std::to_string(n)}] = "E" + std::to_string(n);
    MemoryIni data(stored), plugins;
    SettingsValues values = ReadSettingsValues(data, plugins, kFolder, kToday);
    EXPECT_EQ(values.box_interval, -1);
    values.levels[2] = "abc";
    values.edt_ignore.resize(2);
    values.edt_next = "31.04.27";  // no such day: no reminder date can be formed
    data.writes.clear();
    SaveSettingsValues(values, 0, data, plugins);
    const auto keys = data.WrittenKeys();
    for (const char* unwritten : {"reset.interval", "bytes.level_3", "alt.remind", "ignore.item_3"})
        EXPECT_EQ(std::count(keys.begin(), keys.end(), unwritten), 0) << unwritten;
    EXPECT_EQ(data.Get("reset", "interval"), "45");
    EXPECT_EQ(data.Get("bytes", "level_3"), "8192");
    EXPECT_EQ(data.Get("bytes", "level_4"), "16384");
    EXPECT_EQ(data.Get("ignore", "items"), "2");
    EXPECT_EQ(data.Get("ignore", "item_5"), "E5");
}

TEST(SettingsFiles, AFailedWriteStopsTheSaveThereExceptInThePluginList) {
    struct Case {
        const char* failing;
        const char* lastWritten;  // the last write to the failing key's file
        bool inPluginList;        // the list ends there and the logs are written after it all the same
    } cases[] = {{"view.x", "visibility.reaload=1", false},
                 {"bytes.level_2", "bytes.level_1=2048", false},
                 {"plugins.items", nullptr, true},
                 {"plugins.item_1", "plugins.items=2", true},
                 {"log.clear", "log.data=1", false}};
    for (const Case& c : cases) {
        MemoryIni data(EveryKeyChanged()), plugins(PluginList());
        const SettingsValues values = ReadSettingsValues(data, plugins, kFolder, kToday);
        data.failing = plugins.failing = {c.failing};
        data.writes.clear();
        plugins.writes.clear();
        if (!c.inPluginList) {
            EXPECT_THROW(SaveSettingsValues(values, 0, data, plugins), SaveError) << c.failing;
            ASSERT_FALSE(data.writes.empty()) << c.failing;
            EXPECT_EQ(data.writes.back(), c.lastWritten) << c.failing;
            continue;
        }
        SaveOutcome outcome;
        EXPECT_NO_THROW(outcome = SaveSettingsValues(values, 0, data, plugins)) << c.failing;
        EXPECT_FALSE(outcome.pluginListSaved) << c.failing;
        EXPECT_EQ(plugins.writes, c.lastWritten ? std::vector<std::string>{c.lastWritten} : std::vector<std::string>{})
            << c.failing;
        const auto keys = data.WrittenKeys();
        ASSERT_GE(keys.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(keys.end() - 4, keys.end()),
                  (std::vector<std::string>{"memory.float", "log.data", "log.clear", "log.traffic"}))
            << c.failing;
    }
    MemoryIni data(EveryKeyChanged()), plugins(PluginList());
    EXPECT_TRUE(SaveSettingsValues(ReadSettingsValues(data, plugins, kFolder, kToday), 0, data, plugins).pluginListSaved);
}

TEST(SettingsFiles, AnUnbelievableCountEndsTheListAtItsFirstMissingKey) {
    MemoryIni data({{{"ignore", "items"}, "2000000000"}, {{"ignore", "item_1"}, "A"}, {{"ignore", "item_2"}, "B"}}),
        plugins({{{"plugins", "items"}, "2000000000"}, {{"plugins", "item_1"}, "a.dll"}});
    const SettingsValues values = ReadSettingsValues(data, plugins, kFolder, kToday);
    EXPECT_EQ(values.edt_ignore, (std::vector<std::string>{"A", "B"}));
    ASSERT_EQ(values.plugins.size(), 1u);
    EXPECT_EQ(values.plugins[0].file, "a.dll");
}

TEST(SettingsFiles, PluginRowsAsTheMainProgramReadsTheList) {
    MemoryIni list({{{"plugins", "items"}, "4"}, {{"plugins", "item_1"}, "on.dll"}, {{"plugins", "item_2"}, "off.dll"},
                    {{"plugins", "item_3"}, "odd.dll"}, {{"on.dll", "enabled"}, "yes"}, {{"off.dll", "enabled"}, "0"},
                    {{"odd.dll", "enabled"}, "no"}, {{"odd.dll", "events"}, "9"}});
    const auto rows = ReadPluginRows(list);
    ASSERT_EQ(rows.size(), 4u);
    const std::tuple<const char*, const char*, const char*> expected[] = {
        {"on.dll", "1", "1"}, {"off.dll", "0", "1"}, {"odd.dll", "1", "9"}, {"-", "1", "1"}};
    for (size_t i = 0; i < rows.size(); ++i) {
        auto [file, enabled, event] = expected[i];
        EXPECT_EQ(rows[i].file, file);
        EXPECT_EQ(rows[i].enabled, enabled) << file;
        EXPECT_EQ(rows[i].event, event) << file;
        EXPECT_EQ(rows[i].desc, "-") << file;
        EXPECT_EQ(rows[i].windowClass, "") << file;
    }
}

}  // namespace
}  // namespace quon::config
