#include "tests/e2e/harness_settings.h"

#include <commctrl.h>

#include "framework/text.h"
#include "tests/e2e/harness.h"
#include "tests/support/dialog_windows.h"

namespace rig {

SettingsWindow SettingsWindow::WaitFor(DWORD pid, DWORD timeoutMs) {
    SettingsWindow found;
    WaitUntil(
        [&] {
            for (HWND w : quon::test::ShownDialogsOf(pid)) {
                wchar_t title[128] = {};
                GetWindowTextW(w, title, 128);
                if (std::wstring(title).find(L"{настройки программы}") != std::wstring::npos) {
                    found.dialog_ = w;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

HWND SettingsWindow::Control(int id) const {
    struct Search {
        int id;
        HWND control;
    } search{id, nullptr};
    EnumChildWindows(
        dialog_,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            if (GetDlgCtrlID(w) != s->id) return TRUE;
            s->control = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.control;
}

std::string SettingsWindow::Text(int id) const {
    wchar_t text[1024] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(Control(id), WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                        &ignored);
    return fw::Narrow(text);
}

bool SettingsWindow::Visible(int id) const {
    HWND control = Control(id);
    return control && IsWindowVisible(control);
}

bool SettingsWindow::Checked(int id) const {
    DWORD_PTR state = 0;
    SendMessageTimeoutW(Control(id), BM_GETCHECK, 0, 0, SMTO_BLOCK, 5000, &state);
    return state == BST_CHECKED;
}

void SettingsWindow::Click(int id) const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(Control(id), BM_CLICK, 0, 0, SMTO_BLOCK, 5000, &ignored);
}

void SettingsWindow::Shortcut(int commandId) const { PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(commandId, 1), 0); }

void SettingsWindow::PressEscape() const {
    PostMessageW(dialog_, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(dialog_, WM_KEYUP, VK_ESCAPE, 0xC0000001);
}

bool SettingsWindow::Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

void SettingsWindow::SetText(int id, const std::string& text) const {
    const std::wstring wide = fw::Widen(text);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_BLOCK, 5000, &ignored);
}

void SettingsWindow::SetTrackBar(int id, int position) const {
    HWND bar = Control(id);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(bar, TBM_SETPOS, TRUE, position, SMTO_BLOCK, 5000, &ignored);
    SendMessageTimeoutW(GetParent(bar), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(bar),
                        SMTO_BLOCK, 5000, &ignored);
}

bool SettingsWindow::WaitClosed(DWORD timeoutMs) const {
    return WaitUntil([&] { return !IsWindow(dialog_) || !IsWindowVisible(dialog_); }, timeoutMs);
}

void OpenSettingsByDoubleClick(HWND mainWindow) {
    PostMessageW(mainWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 22));
}

}  // namespace rig
