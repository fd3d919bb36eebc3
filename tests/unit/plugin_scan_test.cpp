#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "config/pages/data/plugin_calls.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/test_modules.h"

namespace quon::config {
namespace {

// A program folder whose PLUGINS\ holds the scan modules the build puts beside the tests, a text file
// named like a module, and a folder named like one.
class PluginScan : public ::testing::Test {
protected:
    void SetUp() override {
        scratch_.MakeFolder("PLUGINS");
        for (const char* form : {"full", "bare", "fault", "null"}) {
            const std::string name = std::string("scan_plugin_") + form + ".dll";
            ASSERT_TRUE(test::CopyTestModule(name, scratch_.WFile("PLUGINS\\" + name))) << name;
        }
        scratch_.Write("PLUGINS\\notadll.dll", "not a module");
        scratch_.Write("PLUGINS\\readme.txt", "text");
        scratch_.MakeFolder("PLUGINS\\folder.dll");
    }
    test::ScratchFolder scratch_{"quon scan "};
    const std::string folder_ = scratch_.Path();
    const std::string plugins_ = folder_ + "PLUGINS\\";
};

TEST_F(PluginScan, EveryModuleOfTheFolderIsDescribed) {
    int failed = 0;
    const std::vector<PluginRecord> rows = ScanPluginFolder(folder_, [&] { ++failed; });
    struct Want { const char* file; int64_t event; const char* cls; const char* author; const char* description; };
    const Want wants[] = {
        {"notadll.dll", 1, "-", "-", "-"},               // does not load: like a module without exports
        {"scan_plugin_bare.dll", 1, "-", "-", "-"},
        {"scan_plugin_fault.dll", -1, "-", "-", ""},      // faults: the code as listed (none), no text
        {"scan_plugin_full.dll", 4, "TScanFull", "Tester", "Full test module"},
        {"scan_plugin_null.dll", 2, "-", "-", ""},        // NULL info: an empty text
    };
    ASSERT_EQ(rows.size(), std::size(wants));
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].file, wants[i].file);
        EXPECT_TRUE(rows[i].enabled) << wants[i].file;
        EXPECT_EQ(rows[i].event, wants[i].event) << wants[i].file;
        EXPECT_EQ(rows[i].windowClass, wants[i].cls) << wants[i].file;
        EXPECT_EQ(rows[i].author, wants[i].author) << wants[i].file;
        EXPECT_EQ(rows[i].description, wants[i].description) << wants[i].file;
    }
    EXPECT_EQ(rows[3].mail, "tester@example.org");
    EXPECT_EQ(rows[3].web, "example.org");
    EXPECT_EQ(failed, 0);
    // every module that was asked and did not fault is freed again
    for (const char* f : {"scan_plugin_full.dll", "scan_plugin_bare.dll", "scan_plugin_null.dll"})
        EXPECT_EQ(GetModuleHandleA((plugins_ + f).c_str()), nullptr) << f;
}

TEST_F(PluginScan, ListedModulesOnAtStartAreNotLoaded) {
    std::ofstream(folder_ + "plugins.qif") << "[scan_plugin_fault.dll]\nenabled=1\nevents=1\ninfo=Listed\n"
                                              "[scan_plugin_full.dll]\nenabled=0\nevents=1\n";
    const std::vector<PluginRecord> rows = ScanPluginFolder(folder_);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[2].description, "Listed");  // never loaded, so it cannot fault
    EXPECT_EQ(rows[2].event, 1);
    EXPECT_FALSE(rows[3].enabled);             // off: asked all the same
    EXPECT_EQ(rows[3].event, 4);
}

TEST_F(PluginScan, SettingsOfAModule) {
    EXPECT_EQ(OpenPluginSettings(folder_, "scan_plugin_full.dll", 2010), SettingsCall::Shown);
    EXPECT_EQ(GetModuleHandleA((plugins_ + "scan_plugin_full.dll").c_str()), nullptr);
    EXPECT_EQ(OpenPluginSettings(folder_, "scan_plugin_bare.dll", 2010), SettingsCall::Missing);
    EXPECT_EQ(OpenPluginSettings(folder_, "notadll.dll", 2010), SettingsCall::Missing);
    EXPECT_EQ(OpenPluginSettings(folder_, "gone.dll", 2010), SettingsCall::Missing);
    EXPECT_EQ(OpenPluginSettings(folder_, "scan_plugin_fault.dll", 2100), SettingsCall::Faulted);
    // a name from the list that leaves the folder is never loaded
    EXPECT_EQ(OpenPluginSettings(folder_, "PLUGINS\\scan_plugin_full.dll", 2010), SettingsCall::Missing);
    EXPECT_EQ(OpenPluginSettings(folder_ + "PLUGINS\\", "..\\scan_plugin_full.dll", 2010), SettingsCall::Missing);
    std::ifstream log(plugins_ + "scan_calls.log");
    std::string line, all;
    while (std::getline(log, line)) all += line + "\n";
    EXPECT_EQ(all, "scan_plugin_full.dll 2010 fromSettings\nscan_plugin_fault.dll 2100 fromSettings\n");
}

}  // namespace
}  // namespace quon::config
