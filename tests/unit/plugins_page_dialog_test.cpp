// The plug-ins page in the real dialog: a scan of a folder of modules built for the test, switching and
// sorting the rows, and what Apply writes to plugins.qif.
#include <gtest/gtest.h>

#include "config/pages/common/extended_edits.h"
#include "config/dialog/settings_dialog.h"
#include "tests/unit/launcher_fixture.h"
#include "tests/unit/settings_fixture.h"

namespace quon::config {
namespace {

struct PluginsDialog {
    explicit PluginsDialog(const std::string& name) : folder(name) {
        for (const char* m : {"full", "bare", "fault", "null"})
            folder.Install(std::string("scan_plugin_") + m + ".dll", std::string("PLUGINS\\scan_plugin_") + m + ".dll");
        std::ofstream(folder.Path() / "PLUGINS" / "notadll.dll") << "text";
        test::WriteIni(folder.Path() / "data.qif", {{{"visibility", "plugins"}, "1"}});
        EXPECT_TRUE(form.Create());
        form.sendToMainWindow = [](int, const std::string&) {};
        form.showWarning = [this](const std::string& text) { warnings.push_back(text); };
        form.ask = [](const std::string&) { return true; };
        form.firstArgument = [] { return std::string(); };
        form.SetStatisticsLock(0);
        form.FormShow();
    }
    PluginsPart& Plugins() { return form.tab_data.Parts().plugins; }
    std::string List(const std::string& section, const std::string& key) const {
        return test::ReadIni(folder.Path() / "plugins.qif", section, key);
    }
    test::ProgramFolderForTest folder;
    ExtendedEdits edits{GetModuleHandleW(nullptr)};  // the fields' classes, as at an opening
    Tfrm_quons form{GetModuleHandleW(nullptr)};
    std::vector<std::string> warnings;
};

std::string Files(const std::vector<PluginRecord>& rows) {
    std::string out;
    for (const PluginRecord& r : rows) out += r.file.substr(0, r.file.find('.')) + " ";
    return out;
}

TEST(PluginsPage, ScanSwitchSortAndApply) {
    PluginsDialog d(::testing::UnitTest::GetInstance()->current_test_info()->name());
    PluginsPart& plugins = d.Plugins();
    EXPECT_TRUE(plugins.RowsShown().empty());
    plugins.Scan();
    EXPECT_EQ(Files(plugins.RowsShown()), "notadll scan_plugin_bare scan_plugin_fault scan_plugin_full scan_plugin_null ");

    // The full module goes off; the author column sorts, twice: descending.
    plugins.SelectRow(3);
    plugins.SetEnabled(false);
    plugins.ClickColumn(4);
    plugins.ClickColumn(4);
    const std::vector<PluginRecord> shown = plugins.RowsShown();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].file, "scan_plugin_full.dll");  // "Tester" before the "-" of the others
    EXPECT_TRUE(d.form.Enabled(IDC_BTN_APPLY));
    d.form.btn_applyClick();
    ASSERT_TRUE(d.warnings.empty());

    // plugins.qif lists the rows as shown, and every section holds its own module's record.
    EXPECT_EQ(d.List("plugins", "items"), "5");
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(d.List("plugins", "item_" + std::to_string(i + 1)), shown[i].file);
    struct Want { const char* file; const char* enabled; const char* events; const char* cls; const char* author; const char* info; };
    const Want wants[] = {
        {"scan_plugin_full.dll", "0", "4", "TScanFull", "Tester", "Full test module"},
        {"scan_plugin_bare.dll", "1", "1", "-", "-", "-"},
        {"notadll.dll", "1", "1", "-", "-", "-"},
        {"scan_plugin_fault.dll", "1", "-1", "-", "-", ""},
        {"scan_plugin_null.dll", "1", "2", "-", "-", ""},
    };
    for (const Want& w : wants) {
        EXPECT_EQ(d.List(w.file, "enabled"), w.enabled) << w.file;
        EXPECT_EQ(d.List(w.file, "events"), w.events) << w.file;
        EXPECT_EQ(d.List(w.file, "class"), w.cls) << w.file;
        EXPECT_EQ(d.List(w.file, "author"), w.author) << w.file;
        EXPECT_EQ(d.List(w.file, "info"), w.info) << w.file;
    }
    EXPECT_EQ(d.List("scan_plugin_full.dll", "mail"), "tester@example.org");
}

TEST(PluginsPage, SettingsOfTheSelectedModule) {
    PluginsDialog d(::testing::UnitTest::GetInstance()->current_test_info()->name());
    PluginsPart& plugins = d.Plugins();
    plugins.Scan();
    d.form.mainVersion = 2010;
    plugins.SelectRow(3);  // the full module
    plugins.OpenSettings();
    EXPECT_EQ(d.folder.Calls("PLUGINS\\scan_calls.log"), std::vector<std::string>{"scan_plugin_full.dll 2010 fromSettings"});
    plugins.SelectRow(1);  // no _getSettings: the red hint and the box
    plugins.OpenSettings();
    ASSERT_EQ(d.warnings.size(), 1u);
    EXPECT_EQ(d.warnings[0].rfind("внимание! невозможно вызвать окно настроек модуля.", 0), 0u);
    plugins.SelectRow(2);  // faults inside: only the low beep
    plugins.OpenSettings();
    EXPECT_EQ(d.warnings.size(), 1u);
}

}  // namespace
}  // namespace quon::config
