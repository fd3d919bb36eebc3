// The settings library, plug-in settings and the external indicator, opened from the main window with
// probe modules in a program folder of the test's own.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "mainwindow/main_form.h"
#include "tests/support/box_watcher.h"
#include "tests/unit/launcher_fixture.h"

namespace quon {
namespace {

using test::BoxWatcher;
using test::DuringModal;
using test::ProgramFolderForTest;

const char* const kSettingsMissing =
    "внимание! невозможно открыть окно настроек программы.\n\nвозможные причины:\n"
    "   * файл «config.dll» повреждён\n"
    "   * файл «config.dll» не совместим с программой\n"
    "   * файл «config.dll» создан не автором программы\n"
    "   * файл «config.dll» не найден в каталоге программы";

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

struct StubMode {
    const char* variable;
    explicit StubMode(const char* var, const char* value) : variable(var) { SetEnvironmentVariableA(var, value); }
    ~StubMode() { SetEnvironmentVariableA(variable, nullptr); }
};

TEST(SettingsLauncher, EachEntryPassesItsPageTheVersionAndTheConnectionState) {
    ProgramFolderForTest folder(TestName());
    folder.Install("settings_probe.dll", "config.dll");
    Tfrm_quonm form("");
    struct Case {
        const char* entry;
        std::function<void()> open;
        bool online;
        const char* expected;
    } cases[] = {
        {"настройки", [&] { form.sub_config->onClick(*form.sub_config); }, false, "0|2010|0"},
        {"double click", [&] { form.OnDoubleClick(); }, true, "3|2010|1"},
        {"о программе", [&] { form.sub_about->onClick(*form.sub_about); }, true, "5|2010|1"},
    };
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        form.eng.countedOnline = c.online;
        BoxWatcher boxes;
        c.open();
        EXPECT_TRUE(boxes.Stop().empty()) << c.entry;
        EXPECT_FALSE(form.settingsBusy) << c.entry;
        expected.push_back(c.expected);
    }
    EXPECT_EQ(folder.Calls("config_calls.txt"), expected);
}

TEST(SettingsLauncher, AnOpenDialogKeepsEverySecondOpeningOut) {
    ProgramFolderForTest folder(TestName());
    folder.Install("settings_probe.dll", "config.dll");
    StubMode modal("QUON_STUB_CONFIG", "modal");
    Tfrm_quonm form("");
    bool busyInside = false;
    DuringModal steps({[&] {
        busyInside = form.settingsBusy;
        form.OnDoubleClick();
        form.sub_config->onClick(*form.sub_config);
        form.OpenSettings(pgInfo, true);
        PostMessageW(test::ThreadWindow(L"TStubSettings"), WM_CLOSE, 0, 0);
    }});
    BoxWatcher boxes;
    form.OpenSettings(pgOptions, true);
    EXPECT_TRUE(boxes.Stop().empty());
    EXPECT_EQ(steps.StepsRun(), 1u);
    EXPECT_TRUE(busyInside);
    EXPECT_FALSE(form.settingsBusy);
    EXPECT_EQ(folder.Calls("config_calls.txt"), std::vector<std::string>{"0|2010|0"});
}

TEST(SettingsLauncher, MissingLibraryOrEntryWarnsOnlyFromTheMenu) {
    struct Case {
        const char* what;
        bool installAsConfig;  // a module without _callSettings stands in for config.dll
        bool fromMenu;
    } cases[] = {{"no library, menu", false, true},
                 {"no library, double click", false, false},
                 {"no entry, menu", true, true},
                 {"no entry, double click", true, false}};
    for (const Case& c : cases) {
        ProgramFolderForTest folder(TestName());
        if (c.installAsConfig) folder.Install("settings_plugin.dll", "config.dll");
        Tfrm_quonm form("");
        BoxWatcher boxes;
        if (c.fromMenu) form.sub_config->onClick(*form.sub_config);
        else form.OnDoubleClick();
        const auto seen = boxes.Stop();
        if (c.fromMenu) {
            ASSERT_EQ(seen.size(), 1u) << c.what;
            EXPECT_EQ(seen[0].text, kSettingsMissing) << c.what;
            EXPECT_EQ(seen[0].caption, "") << c.what;
        } else {
            EXPECT_TRUE(seen.empty()) << c.what;
        }
        EXPECT_FALSE(form.settingsBusy) << c.what;
    }
}

TEST(SettingsLauncher, AFaultInsideTheLibraryIsCaughtAndReported) {
    ProgramFolderForTest folder(TestName());
    folder.Install("settings_probe.dll", "config.dll");
    StubMode fault("QUON_STUB_CONFIG", "fault");
    Tfrm_quonm form("");
    form.opt.eventLogOn = true;
    int restarts = 0;
    form.startNewInstance = [&] { return ++restarts, true; };
    BoxWatcher boxes;
    form.OpenSettings(pgData, false);  // the fault box comes even when a missing library would be silent
    const auto seen = boxes.Stop();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text,
              "внимание! программа выполнила недопустимую операцию.\n\nвозможные причины:\n"
              "   * произведена некорректная переадресация;\n"
              "   * не удалось высвободить память для модулей;\n"
              "  * другое «нарушение доступа» (access violation)\n\n"
              "нажмите «ок» для перезапуска программы...");
    EXPECT_FALSE(form.settingsBusy);
    EXPECT_EQ(folder.Calls("config_calls.txt"), std::vector<std::string>{"3|2010|0"});
    EXPECT_EQ(restarts, 1);
    EXPECT_TRUE(form.restarting);
    std::ifstream log(folder.Path() / "data.log");
    const std::string logText((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(logText.find("|8=Error: plugin(s) access violation"), std::string::npos) << logText;
    EXPECT_NE(logText.find("|0=Restart"), std::string::npos) << logText;
}

TEST(PluginSettings, TheItemsFileNameIsLoadedWhateverItsCaption) {
    ProgramFolderForTest folder(TestName());
    folder.Install("settings_plugin.dll", "PLUGINS\\Probe & Co.dll");
    Tfrm_quonm form("");
    fw::MenuItem* item = form.sub_plugins->Add("", "&Probe & Co.dll");
    item->data = "Probe & Co.dll";
    BoxWatcher boxes;
    form.sub_pluginsClick(*item);
    EXPECT_TRUE(boxes.Stop().empty());
    EXPECT_EQ(folder.Calls("PLUGINS\\Probe & Co_calls.txt"),
              std::vector<std::string>{"settings|2010|fromMainframe"});
}

TEST(PluginSettings, MissingModuleOrEntryWarnsAndAFaultOnlyBeeps) {
    struct Case {
        const char* what;
        const char* install;  // module copied in as PLUGINS\mod.dll, or none
        const char* mode;
        bool box;
    } cases[] = {{"no module", nullptr, "", true},
                 {"no _getSettings", "settings_probe.dll", "", true},
                 {"fault inside", "settings_plugin.dll", "fault", false}};
    for (const Case& c : cases) {
        ProgramFolderForTest folder(TestName());
        if (c.install) folder.Install(c.install, "PLUGINS\\mod.dll");
        StubMode mode("QUON_STUB_PLUGIN", c.mode);
        Tfrm_quonm form("");
        fw::MenuItem* item = form.sub_plugins->Add("", "mod.dll");
        item->data = "mod.dll";
        BoxWatcher boxes;
        form.sub_pluginsClick(*item);
        const auto seen = boxes.Stop();
        ASSERT_EQ(seen.size(), c.box ? 1u : 0u) << c.what;
        if (c.box) {
            EXPECT_EQ(seen[0].text,
                      "внимание! невозможно вызвать окно настроек модуля.\n\nвозможные причины:\n"
                      "   * файл не найден\n   * файл повреждён\n   * файл не не имеет настроек\n"
                      "   * файл не совместим с программой\n   * файл не содержит процедуру «getSettings»")
                << c.what;
        }
    }
}

TEST(ExternalIndicator, WithoutTheModuleOrAfterAFaultTheItemStaysUnchecked) {
    for (const char* mode : {"missing", "fault"}) {
        ProgramFolderForTest folder(TestName());
        if (std::string(mode) == "fault") folder.Install("Brastel.dll", "PLUGINS\\Brastel.dll");
        StubMode stubMode("QUON_STUB_INDICATOR", mode);
        Tfrm_quonm form("");
        BoxWatcher boxes;
        form.sub_floatingClick();
        EXPECT_TRUE(boxes.Stop().empty()) << mode;
        EXPECT_FALSE(form.sub_floating->checked) << mode;
        EXPECT_EQ(form.sub_floating->imageIndex, -1) << mode;
    }
}

TEST(ExternalIndicator, ChecksTheItemWhileTheIndicatorRuns) {
    test::DisplayWideLock onlyIndicator(L"quon-tests-external-indicator");
    ProgramFolderForTest folder(TestName());
    folder.Install("Brastel.dll", "PLUGINS\\Brastel.dll");
    Tfrm_quonm form("");
    bool checkedInside = false;
    int imageInside = -1;
    DuringModal steps({[&] {
        checkedInside = form.sub_floating->checked;
        imageInside = form.sub_floating->imageIndex;
        // The indicator closes itself, as its own window's close button would.
        PostMessageW(test::ThreadWindow(L"Tfrm_quonx"), WM_CLOSE, 0, 0);
    }});
    form.sub_floatingClick();
    EXPECT_TRUE(checkedInside);
    EXPECT_EQ(imageInside, fw::kCheckImage);
    EXPECT_FALSE(form.sub_floating->checked);
    EXPECT_EQ(form.sub_floating->imageIndex, -1);
    EXPECT_EQ(folder.Calls("PLUGINS\\Brastel_calls.txt"), (std::vector<std::string>{"execute|2010|5", "closed"}));
}

TEST(ExternalIndicator, GetsTheLevelEveryTickAndCloseOnTheSecondClick) {
    test::DisplayWideLock onlyIndicator(L"quon-tests-external-indicator");
    ProgramFolderForTest folder(TestName());
    folder.Install("Brastel.dll", "PLUGINS\\Brastel.dll");
    Tfrm_quonm form("");
    form.eng.pollingStarted = true;
    DuringModal steps({[&] { form.UpdateTraffic(); },  // offline: the indicator is told -1
                       [&] { form.sub_floatingClick(); }});
    form.sub_floatingClick();
    EXPECT_FALSE(form.sub_floating->checked);
    EXPECT_EQ(folder.Calls("PLUGINS\\Brastel_calls.txt"),
              (std::vector<std::string>{"execute|2010|5", "copydata|1|-1", "copydata|11|Close()", "closed"}));
}

}  // namespace
}  // namespace quon
