// Context menus asked for from the keyboard (Shift+F10) open under the selected row of the plug-in list
// and under the selected line of the event-log viewer, not in a corner of the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <optional>

#include "tests/unit/settings_dialog_fixture.h"

namespace quon::config {
namespace {

RECT g_menu;
bool g_menuSeen;

// Inside the menu's own loop: notes where this thread's menu opened and closes it.
void CALLBACK NoteAndCloseMenu(HWND, UINT, UINT_PTR, DWORD) {
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w; w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
        if (GetWindowThreadProcessId(w, nullptr) != GetCurrentThreadId() || !IsWindowVisible(w)) continue;
        GetWindowRect(w, &g_menu);
        g_menuSeen = true;
        EndMenu();
    }
}

// Shift+F10 in the control, as the keyboard gives it; the menu's rectangle, or none when no menu opened.
std::optional<RECT> MenuFromKeyboard(HWND control) {
    g_menuSeen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, NoteAndCloseMenu);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(control, WM_SYSKEYDOWN, VK_F10, 1);
    PostMessageW(control, WM_SYSKEYUP, VK_F10, 0xC0000001);
    const DWORD start = GetTickCount();
    MSG m;
    while (!g_menuSeen && GetTickCount() - start < 3000) {
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        Sleep(5);
    }
    KillTimer(nullptr, timer);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);  // the menu's last messages
    if (!g_menuSeen) return std::nullopt;
    return g_menu;
}

// The menu opens at the item's left edge, just under it.
void ExpectUnder(const RECT& menu, HWND control, RECT item, const char* what) {
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&item), 2);
    EXPECT_GE(menu.left, item.left) << what;
    EXPECT_LE(menu.left, item.right) << what;
    EXPECT_GE(menu.top, item.top) << what;
    EXPECT_LE(menu.top, item.bottom + 2) << what;
}

TEST(KeyboardMenus, OpenUnderTheSelectedRowAndLine) {
    OpenDialog d(TestName());
    test::WriteIni(d.Data(), {{{"visibility", "plugins"}, "1"}});
    std::string list = "[plugins]\r\nitems=3\r\n";
    for (const char* n : {"1", "2", "3"}) list += std::string("item_") + n + "=m" + n + ".dll\r\n";
    std::ofstream(d.Plugins(), std::ios::binary) << list;
    std::ofstream(d.folder.Path() / "data.log", std::ios::binary)
        << "[status]\r\n05.03.26|10:00:01|1=Start\r\n05.03.26|10:00:02|4=Disconnected\r\n05.03.26|10:00:03|7=Quit\r\n";
    d.Show();
    SetWindowPos(d.form.Handle(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);

    d.form.SelectPage(3);
    PluginsPart& plugins = d.form.tab_data.Parts().plugins;
    HWND rows = GetDlgItem(plugins.Handle(), PluginsPart::idList);
    ASSERT_EQ(plugins.RowsShown().size(), 3u);
    plugins.SelectRow(2);
    RECT row{};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageW(rows, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row)));
    const std::optional<RECT> rowMenu = MenuFromKeyboard(rows);
    ASSERT_TRUE(rowMenu);
    ExpectUnder(*rowMenu, rows, row, "plug-in row");

    d.form.SelectPage(4);
    LogPart& logs = d.form.tab_log.Logs();
    HWND viewer = GetDlgItem(logs.Handle(), LogPart::idViewer);
    logs.LoadViewer();
    ASSERT_EQ(logs.Viewer().Count(), 3u);
    SendMessageW(viewer, LB_SETCURSEL, 1, 0);
    RECT line{};
    ASSERT_NE(SendMessageW(viewer, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line)), LB_ERR);
    const std::optional<RECT> lineMenu = MenuFromKeyboard(viewer);
    ASSERT_TRUE(lineMenu);
    ExpectUnder(*lineMenu, viewer, line, "viewer line");
}

}  // namespace
}  // namespace quon::config
