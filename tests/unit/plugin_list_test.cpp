#include "engine/plugin_list.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/text.h"
#include "mainwindow/plugin_module.h"
#include "tests/support/scratch_file.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/test_modules.h"

namespace quon {
namespace {

TEST(PluginList, RunDecisionByActivationAndEvent) {
    const int events[] = {peStart, peOnline, peOffline, peExit};
    struct Row { int64_t act; bool start, online, offline, exit; };
    const Row rows[] = {
        {paAlways, true, true, true, true},
        {paStart, true, false, false, false},
        {paConnect, false, true, false, false},
        {paDisconnect, false, false, true, false},
        {paConnectAndDisconnect, false, true, true, false},
        {paOnRequest, false, false, false, false},
        {-1, false, false, false, false},  // the exit event's number is not an activation
        {6, false, false, false, false},
    };
    for (const Row& r : rows) {
        const bool want[] = {r.start, r.online, r.offline, r.exit};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(PluginRunsFor(r.act, events[i]), want[i]) << "act " << r.act << " event " << events[i];
    }
    EXPECT_FALSE(FreeAfterRun(peStart));
    EXPECT_FALSE(FreeAfterRun(peExit));
    EXPECT_TRUE(FreeAfterRun(peOnline));
    EXPECT_TRUE(FreeAfterRun(peOffline));
}

TEST(PluginList, OnlyPlainFileNamesInsideThePluginFolder) {
    for (const char* good : {"meter.dll", "NULL", "a b.dll", "модуль.dll", "..dll"})
        EXPECT_TRUE(IsPlainPluginName(good)) << good;
    for (const char* bad : {"", ".", "..", "..\\quonmain.exe", "sub\\x.dll", "../x.dll", "C:x.dll",
                            "C:\\Windows\\system32\\x.dll", "\\\\server\\share\\x.dll"})
        EXPECT_FALSE(IsPlainPluginName(bad)) << bad;
}

// A plugins.qif of the test's own and a recording of what the host did with it.
class PluginListRun : public ::testing::Test {
protected:
    void SetUp() override {
        sides_.run = [this](const std::string& file, int event, bool freeAfter) {
            log_.push_back("run " + file + " " + std::to_string(event) + (freeAfter ? " free" : " keep"));
            // "NULL" stands for a file that is not there.
            return file.find("noexec") != std::string::npos || file == "NULL" ? ModuleCall::NoEntry
                   : file.find("fault") != std::string::npos ? ModuleCall::Faulted
                                                             : ModuleCall::Called;
        };
        sides_.beep = [this] { log_.push_back("beep"); };
        sides_.showIndicatorItem = [this] { log_.push_back("indicator item"); };
        sides_.clear = [this](const std::string& cls) { log_.push_back("clear " + cls); };
    }
    void Write(const std::string& text) { file_.Write(text); }
    std::vector<std::string> Run(int event) {
        log_.clear();
        RunPluginList(fw::IniFile(path_), event, sides_);
        return log_;
    }

    test::ScratchFile file_{"quon-plugins-", ".qif"};
    const std::string path_ = file_.Path();
    PluginHostSides sides_;
    std::vector<std::string> log_;
};

using Log = std::vector<std::string>;

TEST_F(PluginListRun, EachEventRunsTheModulesThatAskedForIt) {
    Write("[plugins]\nitems=6\nitem_1=always.dll\nitem_2=start.dll\nitem_3=both.dll\nitem_4=request.dll\n"
          "item_5=off.dll\nitem_6=word.dll\n"
          "[always.dll]\nenabled=1\nevents=0\nclass=TAlways\n"
          "[start.dll]\nevents=1\nclass=TStart\n"
          "[both.dll]\nenabled=1\nevents=4\nclass=TBoth\n"
          "[request.dll]\nenabled=1\nevents=5\nclass=TIndicator\n"
          "[off.dll]\nenabled=0\nevents=0\nclass=TOff\n"
          "[word.dll]\nenabled=NO\nevents=3\n");
    EXPECT_EQ(Run(peStart), (Log{"run always.dll 1 keep", "run start.dll 1 keep", "indicator item"}));
    EXPECT_EQ(Run(peOnline), (Log{"run always.dll 2 free", "run both.dll 2 free"}));
    EXPECT_EQ(Run(peOffline), (Log{"run always.dll 3 free", "run both.dll 3 free", "run word.dll 3 free"}));
    // At exit only events 0 run; "Clear()" goes to the windows of the modules of events 1 and 5.
    EXPECT_EQ(Run(peExit), (Log{"run always.dll -1 keep", "clear TStart", "clear TIndicator"}));
}

TEST_F(PluginListRun, MissingEntriesAndModulesBeepOncePerRunAndTheOthersGoOn) {
    // items 3 with only item_1: the others read "NULL", count as enabled with events 1, cannot be loaded.
    Write("[plugins]\nitems=3\nitem_1=noexec.dll\n[noexec.dll]\nevents=1\n");
    EXPECT_EQ(Run(peStart), (Log{"run noexec.dll 1 keep", "beep", "run NULL 1 keep", "beep", "run NULL 1 keep", "beep"}));
    // A fault is swallowed without a beep; a name that leaves the folder is never loaded, only beeps.
    Write("[plugins]\nitems=3\nitem_1=fault.dll\nitem_2=..\\quonmain.exe\nitem_3=ok.dll\n"
          "[fault.dll]\nevents=2\n[..\\quonmain.exe]\nevents=2\n[ok.dll]\nevents=2\n");
    EXPECT_EQ(Run(peOnline), (Log{"run fault.dll 2 free", "beep", "run ok.dll 2 free"}));
}

TEST_F(PluginListRun, NoListOrEmptyClassDoesNothing) {
    EXPECT_EQ(Run(peStart), Log{});
    Write("[plugins]\nitems=1\nitem_1=start.dll\n[start.dll]\nevents=5\n");
    EXPECT_EQ(Run(peExit), Log{});
}

TEST_F(PluginListRun, TheCountIsReadAgainBeforeEveryEntry) {
    Write("[plugins]\nitems=1\nitem_1=grow.dll\nitem_2=late.dll\n[grow.dll]\nevents=0\n[late.dll]\nevents=0\n");
    sides_.run = [this](const std::string& file, int, bool) {
        log_.push_back(file);
        if (file == "grow.dll") WritePrivateProfileStringA("plugins", "items", "2", path_.c_str());
        return ModuleCall::Called;
    };
    EXPECT_EQ(Run(peStart), (Log{"grow.dll", "late.dll"}));
}

TEST_F(PluginListRun, AnUnbelievableCountEndsAtTheFirstMissingEntry) {
    Write("[plugins]\nitems=2000000000\nitem_1=a.dll\nitem_2=b.dll\nitem_4=never.dll\n"
          "[a.dll]\nevents=1\n[b.dll]\nevents=1\n[never.dll]\nevents=1\n");
    EXPECT_EQ(Run(peStart), (Log{"run a.dll 1 keep", "run b.dll 1 keep"}));
}

// The real module side with the probe modules the build puts beside the tests.
class PluginModuleRun : public ::testing::Test {
protected:
    void SetUp() override { scratch_.MakeFolder(kPluginFolder); }
    void Install(const std::string& probe, const std::string& as) {
        ASSERT_TRUE(test::CopyTestModule(probe, scratch_.WFile(kPluginFolder + as))) << as;
    }
    std::string LogPath() const { return folder_ + kPluginFolder + "probe_calls.log"; }
    std::string Calls() const {
        std::ifstream in(LogPath());
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool Loaded(const std::string& file) const {
        return GetModuleHandleW(fw::Widen(folder_ + kPluginFolder + file).c_str()) != nullptr;
    }

    const std::wstring bin_ = test::TestModulesFolder();
    test::ScratchFolder scratch_{"quon plugins "};
    const std::string folder_ = scratch_.Path();
};

TEST_F(PluginModuleRun, StartAndExitKeepTheModuleConnectAndDisconnectFreeIt) {
    Install("probe_plugin.dll", "kept.dll");
    Install("probe_plugin.dll", "freed.dll");
    EXPECT_EQ(RunPluginModule(folder_, "kept.dll", peStart, FreeAfterRun(peStart)), ModuleCall::Called);
    EXPECT_TRUE(Loaded("kept.dll"));
    EXPECT_EQ(RunPluginModule(folder_, "freed.dll", peOnline, FreeAfterRun(peOnline)), ModuleCall::Called);
    EXPECT_FALSE(Loaded("freed.dll"));
    EXPECT_EQ(RunPluginModule(folder_, "freed.dll", peExit, FreeAfterRun(peExit)), ModuleCall::Called);
    EXPECT_TRUE(Loaded("freed.dll"));
    EXPECT_EQ(Calls(), "kept.dll 2010 1\nfreed.dll 2010 2\nfreed.dll 2010 -1\n");
}

TEST_F(PluginModuleRun, AFaultInsideTheModuleIsCaughtAndTheModuleStillFreed) {
    Install("probe_plugin_fault.dll", "crash.dll");
    EXPECT_EQ(RunPluginModule(folder_, "crash.dll", peOffline, true), ModuleCall::Faulted);
    EXPECT_FALSE(Loaded("crash.dll"));
    // The process lives on and the guard is gone: a second fault is caught as well.
    EXPECT_EQ(RunPluginModule(folder_, "crash.dll", peOnline, true), ModuleCall::Faulted);
    EXPECT_EQ(Calls(), "crash.dll 2010 3\ncrash.dll 2010 2\n");
}

TEST_F(PluginModuleRun, MissingModuleOrExportIsNoEntry) {
    Install("probe_plugin_noexec.dll", "noexec.dll");
    EXPECT_EQ(RunPluginModule(folder_, "noexec.dll", peStart, false), ModuleCall::NoEntry);
    EXPECT_EQ(RunPluginModule(folder_, "absent.dll", peStart, false), ModuleCall::NoEntry);
    EXPECT_EQ(Calls(), "");
}

TEST_F(PluginModuleRun, LoadsByFullPathNotFromTheCurrentFolder) {
    // A module of that name in the current folder but not in the plug-in folder is not taken.
    wchar_t cwd[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, cwd);
    SetCurrentDirectoryW(bin_.c_str());
    EXPECT_EQ(RunPluginModule(folder_, "probe_plugin.dll", peOnline, true), ModuleCall::NoEntry);
    SetCurrentDirectoryW(cwd);
}

}  // namespace
}  // namespace quon
