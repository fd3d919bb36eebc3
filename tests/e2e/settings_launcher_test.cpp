// The running program opens the real settings dialog: on a double click on its window, from
// "о программе", and a saved change reaches the running meter without a restart.
#include <gtest/gtest.h>

#include "config/dialog/frame_ids.h"
#include "config/pages/data/page_data_ids.h"
#include "config/pages/options/page_options_ids.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/harness_settings.h"
#include "tests/e2e/meter_session.h"
#include "tests/support/test_modules.h"

namespace {

// The menu windows (#32768) of the process that are open.
int OpenMenus(DWORD pid) {
    int open = 0;
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w; w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && IsWindowVisible(w)) ++open;
    }
    return open;
}

// The stand-in that records its openings, copied in as config.dll.
bool InstallProbeSettingsLibrary(const rig::TestFolder& dir) {
    return quon::test::CopyTestModule("settings_probe.dll", dir.File("config.dll"));
}

void DoubleClick(HWND window) {
    // On the plain face of the built-in theme (its state picture at the top left opens the statistics).
    PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 22));
}

TEST(SettingsFromTheWindow, DoubleClickOpensTheDataPageOfTheRealDialog) {
    rig::TestFolder dir;
    rig::Program app(dir);
    HWND w = app.WaitForWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(dir.WaitForStartUpEnd());
    const auto before = dir.Read("data.qif");
    DoubleClick(w);
    auto dialog = rig::SettingsWindow::WaitFor(app.Pid());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog.Text(IDC_TXT_NAME), ">>> ДАННЬIЕ  и  СТАТИСТИКА");
    EXPECT_TRUE(dialog.Visible(IDC_BOX_ALT));
    EXPECT_FALSE(dialog.Visible(IDC_TXT_WARN)) << "offline: the statistics are not locked";
    dialog.PressEscape();
    EXPECT_TRUE(rig::WaitUntil([&] { return !IsWindow(dialog.Handle()); }, 5000));
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(dir.Read("data.qif"), before) << "Esc writes nothing";
}

TEST(SettingsFromTheWindow, AboutOpensTheInformationPage) {
    rig::TestFolder dir;
    dir.WriteData("[visibility]\r\nstart=0\r\nshow=0\r\nhide=0\r\n[events]\r\nballoon=0\r\n");  // a quiet window
    rig::Program app(dir);
    HWND w = app.WaitForWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(dir.WaitForStartUpEnd());
    PostMessageW(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageW(w, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(rig::WaitUntil([&] { return OpenMenus(app.Pid()) > 0; }, 5000));
    const int menus = OpenMenus(app.Pid());
    // From the top: "выход", "перезапуск", "информация"; its sub-menu's last item is "о программе".
    for (WPARAM key : {VK_UP, VK_UP, VK_UP, VK_RIGHT}) {
        PostMessageW(w, WM_KEYDOWN, key, 0);
        rig::WaitUntil([] { return false; }, 50);  // one key after the other, as typed
    }
    ASSERT_TRUE(rig::WaitUntil([&] { return OpenMenus(app.Pid()) > menus; }, 5000));
    for (WPARAM key : {VK_UP, VK_RETURN}) PostMessageW(w, WM_KEYDOWN, key, 0);
    auto dialog = rig::SettingsWindow::WaitFor(app.Pid());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog.Text(IDC_TXT_NAME), ">>> ИНФОРМАЦИЯ  и  ССЬIЛКИ");
    EXPECT_EQ(dialog.Text(IDC_TXT_MODULE), "ID:1.1");
    dialog.Shortcut(IDC_SUB_ESC);
    EXPECT_TRUE(rig::WaitUntil([&] { return !IsWindow(dialog.Handle()); }, 5000));
    EXPECT_TRUE(app.Running());
}

TEST(SettingsFromTheWindow, ApplyMovesTheRunningMeterWithoutARestart) {
    rig::TestFolder dir;
    dir.WriteData("[view]\r\nx=200\r\ny=100\r\n");
    rig::Program app(dir);
    HWND w = app.WaitForWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(dir.WaitForStartUpEnd());
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    ASSERT_EQ(rig::ReadWindow(w).rect.left, screenWidth - 200);
    DoubleClick(w);
    auto dialog = rig::SettingsWindow::WaitFor(app.Pid());
    ASSERT_TRUE(dialog);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(dialog.Control(IDC_EDT_X), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"320"), SMTO_BLOCK, 5000,
                        &ignored);
    dialog.Shortcut(IDC_SUB_CTRLS);
    EXPECT_TRUE(rig::WaitUntil([&] { return rig::ReadWindow(w).rect.left == screenWidth - 320; }, 5000))
        << rig::ReadWindow(w).rect.left;
    dialog.PressEscape();
    EXPECT_TRUE(rig::WaitUntil([&] { return !IsWindow(dialog.Handle()); }, 5000));
    EXPECT_EQ(rig::ReadWindow(w).rect.left, screenWidth - 320);
    EXPECT_TRUE(app.Running());
}

TEST(SettingsFromTheWindow, DoubleClickWithoutTheLibraryShowsNothing) {
    rig::TestFolder dir;
    ASSERT_TRUE(DeleteFileW(dir.File("config.dll").c_str()));
    rig::Program app(dir);
    HWND w = app.WaitForWindow();
    ASSERT_NE(w, nullptr);
    DoubleClick(w);
    EXPECT_FALSE(app.WaitForBox(1500).has_value());
    EXPECT_FALSE(rig::SettingsWindow::WaitFor(app.Pid(), 500));
    EXPECT_TRUE(app.Running());
}

// The centre of a theme button of the built-in theme, from its description (or the defaults).
POINT ButtonCentre(const rig::TestFolder& dir, const char* button, int left, int top, int width, int height) {
    const std::string qsf = dir.PathA() + "skins\\default\\skin.qsf";
    const std::string section = std::string("data.") + button;
    auto read = [&](const char* key, int def) { return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key, def, qsf.c_str())); };
    return {read("left", left) + read("width", width) / 2, read("top", top) + read("height", height) / 2};
}

void SendMouse(HWND w, UINT msg, POINT at) {
    DWORD_PTR result = 0;
    ASSERT_NE(SendMessageTimeoutW(w, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(at.x, at.y), SMTO_NORMAL,
                                  10000, &result),
              0);
}

TEST(SettingsFromTheWindow, DoubleClicksOnTheThemesButtonsOnlyClickThem) {
    struct Case {
        const char* button;
        int left, top, width, height;  // the box without a description
        const char* settingsCalls;     // what the settings library got: only the settings button's click
        bool hangsUp, hides;
    };
    const Case cases[] = {
        {"hide", 128, 3, 10, 10, "", false, true},
        {"config", 116, 3, 10, 10, "0|2010|1\n", false, false},
        {"hangup", 3, 15, 22, 10, "", true, false},
    };
    for (const Case& c : cases) {
        quon::e2e::MeterSession m(quon::e2e::QuietSettings({{"visibility", "start=1\r\nfade=6\r\n"}}),
                                  rig::RasScript().Connected("Dial", 4000, 100));
        ASSERT_TRUE(InstallProbeSettingsLibrary(m.folder));
        // The built-in theme with its hang-up button shown.
        ASSERT_TRUE(WritePrivateProfileStringA("visibility", "hangup", "1",
                                               (m.folder.PathA() + "skins\\default\\skin.qsf").c_str()));
        ASSERT_TRUE(m.Start());
        ASSERT_TRUE(m.WaitCounted(true));  // the hang-up button is drawn and answers while online
        const POINT at = ButtonCentre(m.folder, c.button, c.left, c.top, c.width, c.height);
        for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) SendMouse(m.window, msg, at);
        EXPECT_EQ(m.folder.Read("config_calls.txt").value_or(""), c.settingsCalls) << c.button;
        EXPECT_EQ(m.folder.RasCalls("RasHangUpA").size(), c.hangsUp ? 1u : 0u) << c.button;
        if (c.hides) {
            EXPECT_TRUE(rig::WaitUntil([&] { return !IsWindowVisible(m.window); }, 5000)) << c.button;
        }
        EXPECT_TRUE(m.program->MessageBoxes().empty()) << c.button;
    }
}

}  // namespace
