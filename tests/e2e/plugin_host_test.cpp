// Plug-in modules run by the meter at start, connect, disconnect and exit, with probe modules.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/meter_session.h"
#include "tests/support/test_modules.h"

namespace quon::e2e {
namespace {

void Install(const rig::TestFolder& folder, const std::string& probe, const std::string& as) {
    ASSERT_TRUE(test::CopyTestModule(probe, folder.File(as))) << as;
}

std::string Calls(const rig::TestFolder& folder, const std::string& log = "PLUGINS\\probe_calls.log") {
    return folder.Read(log).value_or("");
}

// Whether the process has a module of that file name loaded now.
bool HasModule(DWORD pid, const std::wstring& file) {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snap == INVALID_HANDLE_VALUE) return false;
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Module32FirstW(snap, &entry); more && !found; more = Module32NextW(snap, &entry))
        found = _wcsicmp(entry.szModule, file.c_str()) == 0;
    CloseHandle(snap);
    return found;
}

// The list every test of this file uses: one module per kind of entry.
void InstallList(MeterSession& m) {
    Install(m.folder, "probe_plugin.dll", "PLUGINS\\start.dll");
    Install(m.folder, "probe_plugin.dll", "PLUGINS\\both.dll");
    Install(m.folder, "probe_plugin.dll", "PLUGINS\\request.dll");
    Install(m.folder, "probe_plugin_fault.dll", "PLUGINS\\crash.dll");
    Install(m.folder, "probe_plugin.dll", "PLUGINS\\off.dll");
    Install(m.folder, "probe_plugin.dll", "PLUGINS\\word.dll");
    m.folder.WritePlugins("[plugins]\r\nitems=6\r\nitem_1=start.dll\r\nitem_2=both.dll\r\nitem_3=request.dll\r\n"
                          "item_4=crash.dll\r\nitem_5=off.dll\r\nitem_6=word.dll\r\n"
                          "[start.dll]\r\nevents=1\r\nclass=" + m.commands.Name() + "\r\n"
                          "[both.dll]\r\nevents=4\r\nclass=NotThisOne\r\n"
                          "[request.dll]\r\nevents=5\r\nclass=" + m.commands.Name() + "\r\n"
                          "[crash.dll]\r\nevents=0\r\n"
                          "[off.dll]\r\nenabled=0\r\nevents=0\r\n"
                          "[word.dll]\r\nenabled=NO\r\nevents=3\r\n");
}

constexpr const char* kCalls = "PLUGINS\\probe_calls.log";

TEST(PluginHost, StartKeepsModulesLoadedAFaultIsSurvivedAndExitClearsTheListedWindows) {
    MeterSession m(QuietSettings({{"visibility", "plugins=1\r\n"}}));
    InstallList(m);
    ASSERT_TRUE(m.Start());
    // Commands are answered already while the start-up waits on the shell, so wait for the start event.
    ASSERT_TRUE(rig::WaitUntil([&] { return Calls(m.folder) == "start.dll 2010 1\ncrash.dll 2010 1\n"; }, 10000))
        << Calls(m.folder);
    // The modules of events 1 and 0 ran and stay loaded; the fault inside one did not end the meter.
    ASSERT_EQ(m.Ask("get(versionnum)"), "2010");
    EXPECT_TRUE(HasModule(m.program->Pid(), L"start.dll"));
    EXPECT_FALSE(HasModule(m.program->Pid(), L"both.dll"));

    m.commands.Clear();
    PostMessageW(m.window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m.program->WaitForExit(10000));
    EXPECT_EQ(Calls(m.folder), "start.dll 2010 1\ncrash.dll 2010 1\ncrash.dll 2010 -1\n");
    // "Clear()" went to the windows of the modules of events 1 and 5, and only to them.
    auto got = m.commands.Received();
    ASSERT_EQ(got.size(), 2u);
    for (const auto& msg : got) {
        EXPECT_EQ(msg.code, 13);
        EXPECT_EQ(msg.text, "Clear()");
    }
}

TEST(PluginHost, ConnectAndDisconnectLoadAndFreeTheirModules) {
    MeterSession m(QuietSettings({{"visibility", "plugins=1\r\n"}}), rig::RasScript().Connected("Dial", 100, 10));
    InstallList(m);
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    ASSERT_TRUE(m.folder.WaitForFileText(kCalls, "crash.dll 2010 2\n", 5000));
    ASSERT_TRUE(m.commands.Send(m.window, 3, "Perform(HangUp)"));
    ASSERT_TRUE(m.WaitCounted(false));
    ASSERT_TRUE(m.folder.WaitForFileText(kCalls, "word.dll 2010 3\n", 5000));
    EXPECT_FALSE(HasModule(m.program->Pid(), L"both.dll"));
    EXPECT_FALSE(HasModule(m.program->Pid(), L"word.dll"));
    EXPECT_EQ(Calls(m.folder),
              "start.dll 2010 1\ncrash.dll 2010 1\n"
              "both.dll 2010 2\ncrash.dll 2010 2\n"
              "both.dll 2010 3\ncrash.dll 2010 3\nword.dll 2010 3\n");
}

TEST(PluginHost, NamesThatLeaveThePluginFolderAreNeverLoaded) {
    MeterSession m(QuietSettings({{"visibility", "plugins=1\r\n"}}));
    Install(m.folder, "probe_plugin.dll", "outside.dll");
    const std::string outside = m.folder.PathA() + "outside.dll";
    m.folder.WritePlugins("[plugins]\r\nitems=4\r\nitem_1=..\\outside.dll\r\nitem_2=" + outside +
                          "\r\nitem_3=../outside.dll\r\nitem_4=..\r\n");
    // The current folder of the started program is the program folder: a relative load would find it.
    ASSERT_TRUE(m.Start());
    ASSERT_EQ(m.Ask("get(versionnum)"), "2010");  // answered from the message loop: the start is done
    EXPECT_EQ(Calls(m.folder, "probe_calls.log"), "");
    EXPECT_FALSE(HasModule(m.program->Pid(), L"outside.dll"));
}

TEST(PluginHost, PluginsOffRunsNothing) {
    MeterSession m(QuietSettings({{"visibility", "plugins=0\r\n"}}));
    Install(m.folder, "probe_plugin.dll", "PLUGINS\\always.dll");
    m.folder.WritePlugins("[plugins]\r\nitems=1\r\nitem_1=always.dll\r\n[always.dll]\r\nevents=0\r\n");
    ASSERT_TRUE(m.Start());
    ASSERT_EQ(m.Ask("get(versionnum)"), "2010");
    PostMessageW(m.window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m.program->WaitForExit(5000));
    EXPECT_EQ(Calls(m.folder), "");
}

}  // namespace
}  // namespace quon::e2e
