// The ways out of the meter: the quit item with its question, the restart, the close from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "tests/e2e/meter_session.h"
#include "tests/support/dialog_windows.h"
#include "tests/support/message_box.h"
#include "tests/support/test_modules.h"

namespace quon::e2e {
namespace {

const char* const kProtectFiles[] = {"protect_prev.tmp", "protect_next.tmp"};
constexpr const char* kQuitQuestion = "вы уверены, что хотите выйти из программы?";

// Plants both protection copies as a running connection leaves them.
void PlantProtectFiles(const rig::TestFolder& folder) {
    for (const char* f : kProtectFiles) ASSERT_TRUE(folder.Write(f, "[bytes]\r\nin=1\r\n"));
}
bool ProtectFilesKept(const rig::TestFolder& folder) {
    return folder.Exists(kProtectFiles[0]) && folder.Exists(kProtectFiles[1]);
}
bool ProtectFilesGone(const rig::TestFolder& folder) {
    return !folder.Exists(kProtectFiles[0]) && !folder.Exists(kProtectFiles[1]);
}

// A menu window (#32768) of the process, once the pop-up menu is open.
HWND OpenMenuOf(DWORD pid) {
    HWND found = nullptr;
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && IsWindowVisible(w)) found = w;
    }
    return found;
}

// Opens the meter's pop-up menu and picks its last item ("выход") with the keyboard.
void ChooseQuitItem(MeterSession& m) {
    PostMessageW(m.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageW(m.window, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(rig::WaitUntil([&] { return OpenMenuOf(m.program->Pid()) != nullptr; }, 5000));
    PostMessageW(m.window, WM_KEYDOWN, VK_UP, 0);
    PostMessageW(m.window, WM_KEYDOWN, VK_RETURN, 0);
}

std::string PluginAndLogSettings() {
    return QuietSettings({{"log", "data=1\r\n"}, {"visibility", "plugins=1\r\n"}});
}

// A probe module that runs at every event and logs it.
void InstallAlwaysProbe(const rig::TestFolder& folder) {
    ASSERT_TRUE(test::CopyTestModule("probe_plugin.dll", folder.File("PLUGINS\\always.dll")));
    folder.WritePlugins("[plugins]\r\nitems=1\r\nitem_1=always.dll\r\n[always.dll]\r\nenabled=1\r\nevents=0\r\n");
}
std::string ProbeCalls(const rig::TestFolder& folder) { return folder.Read("PLUGINS\\probe_calls.log").value_or(""); }

TEST(QuitItem, OfflineQuitsKeepsTheCopiesAndLogsQuit) {
    MeterSession m(PluginAndLogSettings());
    InstallAlwaysProbe(m.folder);
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitFirstPoll());
    PlantProtectFiles(m.folder);
    ChooseQuitItem(m);
    ASSERT_TRUE(m.program->WaitForExit(5000));
    EXPECT_TRUE(ProtectFilesKept(m.folder));
    EXPECT_NE(m.folder.Read("data.log").value_or("").find("Quit"), std::string::npos);
    EXPECT_TRUE(m.folder.RasCalls("RasHangUpA").empty());
    EXPECT_EQ(ProbeCalls(m.folder).find(" -1"), std::string::npos);  // no plug-in exit event
}

TEST(QuitItem, OnlineAnswerYesQuitsDeletesTheCopiesAndLogsKill) {
    MeterSession m(PluginAndLogSettings(), rig::RasScript().Connected("Dial", 4000, 100));
    InstallAlwaysProbe(m.folder);
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    PlantProtectFiles(m.folder);
    ChooseQuitItem(m);
    auto box = m.program->WaitForBox(5000, kQuitQuestion);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "");
    EXPECT_NE(std::find(box->buttons.begin(), box->buttons.end(), IDNO), box->buttons.end());
    quon::test::AnswerMessageBox(*box, IDYES);
    ASSERT_TRUE(m.program->WaitForExit(5000));
    EXPECT_TRUE(ProtectFilesGone(m.folder));
    EXPECT_NE(m.folder.Read("data.log").value_or("").find("Kill"), std::string::npos);
    EXPECT_TRUE(m.folder.RasCalls("RasHangUpA").empty());
    EXPECT_EQ(ProbeCalls(m.folder).find(" -1"), std::string::npos);
}

TEST(QuitItem, OnlineAnswerNoChangesNothingAndGoesOnMeasuring) {
    MeterSession m(PluginAndLogSettings(), rig::RasScript().Connected("Dial", 4000, 100));
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    PlantProtectFiles(m.folder);
    const std::string logBefore = m.folder.Read("data.log").value_or("");
    ChooseQuitItem(m);
    auto box = m.program->WaitForBox(5000, kQuitQuestion);
    ASSERT_TRUE(box);
    quon::test::AnswerMessageBox(*box, IDNO);
    EXPECT_FALSE(m.program->WaitForExit(1500));
    EXPECT_TRUE(ProtectFilesKept(m.folder));
    EXPECT_EQ(m.folder.Read("data.log").value_or(""), logBefore);
    EXPECT_EQ(m.Ask("get(connection)"), "1");
    const size_t polls = m.folder.RasCalls("RasGetConnectionStatistics").size();
    EXPECT_TRUE(rig::WaitUntil(
        [&] { return m.folder.RasCalls("RasGetConnectionStatistics").size() > polls; }, 5000));
}

// The Tfrm_quonm window of another process than `old`.
HWND NewInstanceWindow(DWORD old) {
    for (HWND w = FindWindowExW(nullptr, nullptr, L"Tfrm_quonm", nullptr); w;
         w = FindWindowExW(nullptr, w, L"Tfrm_quonm", nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid != old) return w;
    }
    return nullptr;
}

TEST(Restart, WhileOnlineFromAFolderWithABlankStartsAFreshInstance) {
    MeterSession m(PluginAndLogSettings(), rig::RasScript().Connected("Dial", 4000, 100), " с пробелом");
    InstallAlwaysProbe(m.folder);
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    PlantProtectFiles(m.folder);
    // The command returns once the new instance is started and the modules have had their exit call: under
    // the load of a full run, starting a process under Wine alone can take seconds.
    ASSERT_TRUE(m.commands.Send(m.window, 4, "Perform(Reboot)", 30000));
    ASSERT_TRUE(m.program->WaitForExit(5000));
    EXPECT_TRUE(ProtectFilesGone(m.folder));  // so the new instance recovers nothing
    HWND fresh = nullptr;
    ASSERT_TRUE(rig::WaitUntil([&] { return (fresh = NewInstanceWindow(m.program->Pid())) != nullptr; }, 10000));
    m.window = fresh;
    EXPECT_EQ(m.Ask("get(versionnum)"), "2010");
    EXPECT_TRUE(m.WaitCounted(true));
    const std::string log = m.folder.Read("data.log").value_or("");
    EXPECT_NE(log.find("Restart"), std::string::npos);
    // One exit event for the old instance (the close that ends it sends no second one), then the
    // new instance's start.
    const std::string calls = ProbeCalls(m.folder);
    const size_t exitAt = calls.find("always.dll 2010 -1\n");
    ASSERT_NE(exitAt, std::string::npos) << calls;
    EXPECT_EQ(calls.find("always.dll 2010 -1\n", exitAt + 1), std::string::npos) << calls;
    EXPECT_NE(calls.find("always.dll 2010 1\n", exitAt), std::string::npos) << calls;
}

// A message box of another process than `old` whose text holds needle.
std::optional<test::MessageBoxInfo> BoxOfAnotherInstance(DWORD old, const std::string& needle) {
    for (HWND w : test::ShownDialogs()) {
        if (test::WindowProcess(w) == old) continue;
        test::MessageBoxInfo box = test::ReadMessageBox(w);
        if (box.text.find(needle) != std::string::npos) return box;
    }
    return std::nullopt;
}

TEST(Restart, TheAutoRestartKeepsTheCopiesForTheNewInstanceToRecover) {
    MeterSession m(QuietSettings({{"visibility", "reaload=1\r\n"}, {"reset", TodayStamp()}}));
    for (const char* f : kProtectFiles) ASSERT_TRUE(m.folder.Write(f, "[save]\r\nDbytes=1000\r\nUbytes=200\r\n"));
    ASSERT_TRUE(m.Start(L"/auto"));
    ASSERT_TRUE(m.program->WaitForExit(10000));  // it restarts itself after a short delay
    std::optional<quon::test::MessageBoxInfo> box;
    auto recovered = [&] {
        box = BoxOfAnotherInstance(m.program->Pid(), "данные прерванного");
        return box.has_value();
    };
    ASSERT_TRUE(rig::WaitUntil(recovered, 10000));
    quon::test::AnswerMessageBox(*box, IDOK);
}

TEST(Restart, AFailedStartIsReportedAndLeavesTheMeterAsItWas) {
    MeterSession m(QuietSettings({{"events", "shutdown=1\r\n"}, {"visibility", "plugins=1\r\n"}, {"log", "data=1\r\n"},
                                  {"reset", TodayStamp()}}),
                   rig::RasScript().Connected("Dial", 5000, 300));
    InstallAlwaysProbe(m.folder);
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    PlantProtectFiles(m.folder);
    // The program file is gone, so no new instance can start.
    ASSERT_TRUE(MoveFileW(m.folder.File("quonmain.exe").c_str(), m.folder.File("moved.exe").c_str()));
    m.commands.Send(m.window, 4, "Perform(Reboot)", 500);  // the box keeps the command busy
    auto box = m.program->WaitForBox(5000, "не удалось перезапустить");
    ASSERT_TRUE(box);
    quon::test::AnswerMessageBox(*box, IDOK);
    EXPECT_FALSE(m.program->WaitForExit(1000));
    EXPECT_EQ(m.Ask("get(versionnum)"), "2010");
    // Nothing of the restart's steps happened.
    EXPECT_EQ(ProbeCalls(m.folder).find(" -1"), std::string::npos) << ProbeCalls(m.folder);
    EXPECT_EQ(m.folder.Read("data.log").value_or("").find("Restart"), std::string::npos);
    EXPECT_TRUE(ProtectFilesKept(m.folder));
    // A later close from outside still takes its steps: the modules' exit event, the hang-up.
    PostMessageW(m.window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m.program->WaitForExit(10000));
    const std::string calls = ProbeCalls(m.folder);
    const size_t exitAt = calls.find("always.dll 2010 -1\n");
    EXPECT_NE(exitAt, std::string::npos) << calls;
    EXPECT_EQ(calls.find("always.dll 2010 -1\n", exitAt + 1), std::string::npos) << calls;
    EXPECT_EQ(m.folder.RasCalls("RasHangUpA").size(), 1u);
}

TEST(Restart, AFailedAutoRestartIsTriedOnce) {
    MeterSession m(QuietSettings({{"visibility", "reaload=1\r\nplugins=1\r\n"}, {"log", "data=1\r\n"},
                                  {"reset", TodayStamp()}}));
    // A module run at the start holds the program there while its file is taken away; another one
    // records the exit events.
    ASSERT_TRUE(test::CopyTestModule("probe_plugin_hold.dll", m.folder.File("PLUGINS\\hold.dll")));
    ASSERT_TRUE(test::CopyTestModule("probe_plugin.dll", m.folder.File("PLUGINS\\always.dll")));
    m.folder.WritePlugins("[plugins]\r\nitems=2\r\nitem_1=hold.dll\r\nitem_2=always.dll\r\n"
                          "[hold.dll]\r\nevents=1\r\n[always.dll]\r\nevents=0\r\n");
    m.program = std::make_unique<rig::Program>(m.folder, L"/auto");
    ASSERT_TRUE(m.folder.WaitForFileText("PLUGINS\\probe_calls.log", "hold.dll 2010 1"));
    ASSERT_TRUE(MoveFileW(m.folder.File("quonmain.exe").c_str(), m.folder.File("moved.exe").c_str()));
    ASSERT_TRUE(m.folder.Write("PLUGINS\\probe_release", ""));

    const char* failure = "не удалось перезапустить";
    ASSERT_TRUE(m.program->WaitForBox(10000, failure));
    // The restart would come again every 2.5 s: two more periods bring no second attempt.
    auto failureBoxes = [&] {
        size_t n = 0;
        for (const quon::test::MessageBoxInfo& b : m.program->MessageBoxes()) n += b.text.find(failure) != std::string::npos;
        return n;
    };
    EXPECT_FALSE(rig::WaitUntil([&] { return failureBoxes() > 1; }, 6000));
    EXPECT_EQ(failureBoxes(), 1u);
    EXPECT_EQ(ProbeCalls(m.folder).find(" -1"), std::string::npos) << ProbeCalls(m.folder);
    EXPECT_EQ(m.folder.Read("data.log").value_or("").find("Restart"), std::string::npos);
    EXPECT_TRUE(m.program->Running());
}

TEST(CloseFromOutside, EndOfSessionHangsUpAndStoresTheConnection) {
    MeterSession m(QuietSettings({{"events", "shutdown=1\r\n"}, {"reset", TodayStamp()},
                                  {"bytes", "day=1000\r\nmonth=2000\r\nup=30\r\n"}}),
                   rig::RasScript().Connected("Dial", 5000, 300));
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    const size_t polls = m.folder.RasCalls("RasGetConnectionStatistics").size();
    ASSERT_TRUE(rig::WaitUntil(
        [&] { return m.folder.RasCalls("RasGetConnectionStatistics").size() > polls; }, 5000));
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutW(m.window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &answer));
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    SendMessageTimeoutW(m.window, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, &answer);
    ASSERT_TRUE(m.program->WaitForExit(10000));
    EXPECT_EQ(m.folder.RasCalls("RasHangUpA").size(), 1u);
    const std::string data = m.folder.PathA() + "data.qif";
    auto counter = [&](const char* key) {
        char value[64] = {};
        GetPrivateProfileStringA("bytes", key, "", value, sizeof value, data.c_str());
        return std::string(value);
    };
    EXPECT_EQ(counter("day"), "6000");
    EXPECT_EQ(counter("month"), "7000");
    EXPECT_EQ(counter("up"), "330");
}

TEST(CloseFromOutside, WithoutShutdownHangUpTheCloseOnlyEnds) {
    MeterSession m(QuietSettings(), rig::RasScript().Connected("Dial", 5000, 300));
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    PostMessageW(m.window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m.program->WaitForExit(5000));
    EXPECT_TRUE(m.folder.RasCalls("RasHangUpA").empty());
}

}  // namespace
}  // namespace quon::e2e
