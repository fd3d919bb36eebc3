// The real config.dll called by a host program in a program folder of its own, as the main program
// calls it: the page asked for, the shortcuts, the reload command after saving, failures and leaks.
#include <gtest/gtest.h>

#include <sstream>

#include "config/dialog/frame_ids.h"
#include "config/pages/data/page_data_ids.h"
#include "config/pages/info/page_info_ids.h"
#include "config/pages/options/page_options_ids.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/harness_settings.h"
#include "tests/support/message_box.h"
#include "tests/support/test_modules.h"

namespace {

// The host beside config.dll in a fresh copy of the program folder. Wine is asked not to hand the host's
// windows to a window manager: on a bare X display it would wait 2 s for each closed dialog to be withdrawn.
bool InstallHost(const rig::TestFolder& dir) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\settings_host.exe\\X11 Driver", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"N"), 2 * sizeof(wchar_t));
        RegCloseKey(key);
    }
    return quon::test::CopyTestModule("settings_host.exe", dir.File("settings_host.exe"));
}

std::string HostCommands(const rig::TestFolder& dir) { return dir.Read("host_commands.txt").value_or(""); }

std::string IniValue(const rig::TestFolder& dir, const char* file, const char* section, const char* key) {
    char value[256] = {};
    GetPrivateProfileStringA(section, key, "(none)", value, sizeof value, (dir.PathA() + file).c_str());
    return value;
}

TEST(SettingsLibrary, OpensTheRequestedPageAndEscClosesWithoutWriting) {
    struct Case {
        const wchar_t* arguments;
        const char* header;
        int controlOnShownPage;  // 0: the statistics-table page, which has no controls
        bool moduleLabel;
        bool lockTexts;
    } cases[] = {{L"0 0", ">>> ОБЩИЕ  ПАРАМЕТРЬI  ПРОГРАММЬI", IDC_BOX_START, false, false},
                 {L"3 1", ">>> ДАННЬIЕ  и  СТАТИСТИКА", IDC_BOX_ALT, false, true},
                 {L"5 0", ">>> ИНФОРМАЦИЯ  и  ССЬIЛКИ", IDC_URL_HELP, true, false},
                 {L"7 0", ">>> ТАБЛИЦА  СТАТИСТИКИ", 0, false, false},
                 {L"8 null", ">>> ОБЩИЕ  ПАРАМЕТРЬI  ПРОГРАММЬI", IDC_BOX_START, true, true}};
    for (const Case& c : cases) {
        rig::TestFolder dir;
        ASSERT_TRUE(InstallHost(dir));
        rig::Program host(dir, c.arguments, L"settings_host.exe");
        auto dialog = rig::SettingsWindow::WaitFor(host.Pid());
        ASSERT_TRUE(dialog) << c.header;
        EXPECT_EQ(dialog.Text(IDC_TXT_NAME), c.header);
        for (int id : {IDC_BOX_START, IDC_BOX_ALT, IDC_URL_HELP})
            EXPECT_EQ(dialog.Visible(id), id == c.controlOnShownPage) << c.header << " " << id;
        EXPECT_EQ(dialog.Visible(IDC_TXT_MODULE), c.moduleLabel) << c.header;
        if (c.moduleLabel) {
            EXPECT_EQ(dialog.Text(IDC_TXT_MODULE), "ID:1.1");
        }
        EXPECT_EQ((GetWindowLongPtrW(dialog.Control(IDC_TXT_WARN), GWL_STYLE) & WS_VISIBLE) != 0, c.lockTexts)
            << c.header;
        dialog.PressEscape();
        EXPECT_EQ(host.WaitForExit().value_or(99) & 0xFF, 0u) << c.header;
        EXPECT_EQ(HostCommands(dir), "returned true\n") << c.header;
        EXPECT_FALSE(dir.Exists("data.qif")) << c.header;
        EXPECT_FALSE(dir.Exists("plugins.qif")) << c.header;
    }
}

TEST(SettingsLibrary, CtrlSSavesThenTheMainWindowIsToldToReload) {
    rig::TestFolder dir;
    ASSERT_TRUE(InstallHost(dir));
    dir.WriteData("[view]\r\nfix=0\r\n");
    rig::Program host(dir, L"0 0", L"settings_host.exe");
    auto dialog = rig::SettingsWindow::WaitFor(host.Pid());
    ASSERT_TRUE(dialog);
    dialog.Click(IDC_BOX_FREEZE);
    ASSERT_TRUE(dialog.Checked(IDC_BOX_FREEZE));
    dialog.Shortcut(IDC_SUB_CTRLS);
    ASSERT_TRUE(dir.WaitForFileText("host_commands.txt", "0|0"));
    // The file was complete when the command arrived.
    const std::string atCommand = dir.Read("data_at_command_1.qif").value_or("");
    EXPECT_NE(atCommand.find("fix=1"), std::string::npos) << atCommand;
    EXPECT_NE(atCommand.find("traffic=0"), std::string::npos) << atCommand;
    EXPECT_TRUE(rig::SettingsWindow::WaitFor(host.Pid(), 1000)) << "Apply keeps the dialog open";
    dialog.Shortcut(IDC_SUB_ESC);
    EXPECT_TRUE(host.WaitForExit().has_value());
    EXPECT_EQ(HostCommands(dir), "0|0\nreturned true\n");
}

TEST(SettingsLibrary, ACounterStoredWhileTheDialogIsOpenSurvivesApply) {
    rig::TestFolder dir;
    ASSERT_TRUE(InstallHost(dir));
    dir.WriteData("[bytes]\r\nday=100\r\nmonth=200\r\n");
    rig::Program host(dir, L"3 0", L"settings_host.exe");
    auto dialog = rig::SettingsWindow::WaitFor(host.Pid());
    ASSERT_TRUE(dialog);
    // The main program stores a finished connection while the dialog is open.
    WritePrivateProfileStringA("bytes", "day", "5555", (dir.PathA() + "data.qif").c_str());
    WritePrivateProfileStringA("bytes", "month", "5655", (dir.PathA() + "data.qif").c_str());
    dialog.Shortcut(IDC_SUB_CTRLS);
    ASSERT_TRUE(dir.WaitForFileText("host_commands.txt", "0|0"));
    EXPECT_EQ(IniValue(dir, "data.qif", "bytes", "day"), "5555");
    EXPECT_EQ(IniValue(dir, "data.qif", "bytes", "month"), "5655");
    dialog.Shortcut(IDC_SUB_CTRLENTER);  // OK: saves again and closes
    EXPECT_TRUE(host.WaitForExit().has_value());
    EXPECT_EQ(IniValue(dir, "data.qif", "bytes", "day"), "5555");
    EXPECT_EQ(HostCommands(dir), "0|0\n0|0\nreturned true\n");
}

TEST(SettingsLibrary, ASaveThatCannotWriteShowsTheBoxAndSendsNothing) {
    rig::TestFolder dir;
    ASSERT_TRUE(InstallHost(dir));
    rig::Program host(dir, L"0 0", L"settings_host.exe");
    auto dialog = rig::SettingsWindow::WaitFor(host.Pid());
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(CreateDirectoryW(dir.File("data.qif").c_str(), nullptr));  // the file cannot be written
    dialog.Shortcut(IDC_SUB_CTRLENTER);
    auto box = host.WaitForBox(10000, "не удалось сохранить");
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "");
    ASSERT_TRUE(quon::test::AnswerMessageBox(*box));
    // OK did not close the dialog: nothing typed is lost.
    EXPECT_TRUE(rig::SettingsWindow::WaitFor(host.Pid(), 3000));
    EXPECT_EQ(HostCommands(dir), "");
    dialog.PressEscape();
    EXPECT_TRUE(host.WaitForExit().has_value());
    EXPECT_EQ(HostCommands(dir), "returned true\n");
}

TEST(SettingsLibrary, FiftyOpeningsLeaveNoHandlesObjectsOrHeapBehind) {
    rig::TestFolder dir;
    ASSERT_TRUE(InstallHost(dir));
    rig::Program host(dir, L"leak 50", L"settings_host.exe");
    // Fifty openings take about a second each under Wine on a bare X display and longer beside the rest of
    // the suite; the test checks what they leave behind, not how fast they are, so it waits as long as its
    // own time limit allows.
    ASSERT_EQ(host.WaitForExit(110000).value_or(99) & 0xFF, 0u);
    std::istringstream figures(dir.Read("host_leak.txt").value_or(""));
    long long handleBefore = 0, gdiBefore = 0, handleAfter = 0, gdiAfter = 0;
    int windowsBefore = 0, windowsAfter = 0;
    long long heapBefore = 0, heapAfter = 0, keptPerLabel = 0;
    int labels = 0;
    ASSERT_TRUE(figures >> handleBefore >> gdiBefore >> windowsBefore >> heapBefore >> handleAfter >> gdiAfter >>
                windowsAfter >> heapAfter >> keptPerLabel >> labels);
    EXPECT_LE(handleAfter, handleBefore);
    EXPECT_LE(gdiAfter, gdiBefore);
    EXPECT_EQ(windowsAfter, windowsBefore);
    // The host runs the meter's common controls; Wine's static control keeps a block of every label it had
    // (24 bytes in Wine 8), which is the system's and not the library's.
    EXPECT_LE(keptPerLabel, 64);
    EXPECT_GT(labels, 50) << "the labels were counted in an open dialog";
    const long long keptBySystem = keptPerLabel * labels * 50;
    EXPECT_LE(heapAfter, heapBefore + keptBySystem + 64 * 1024)
        << "heap in use " << heapBefore << " -> " << heapAfter << ", of it the system's labels " << keptBySystem;
}

}  // namespace
