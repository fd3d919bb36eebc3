// The running program opens the real settings dialog: on a double click on its window, from
// "о программе", and a saved change reaches the running meter without a restart.
#include <gtest/gtest.h>

#include "config/frame_ids.h"
#include "config/page_data_ids.h"
#include "config/page_options_ids.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/harness_settings.h"

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

}  // namespace
