// The settings dialog of a running program, driven from outside.
#include "tests/e2e/harness_settings.h"

#include <commctrl.h>

#include "framework/text.h"
#include "tests/e2e/harness.h"

namespace rig {
namespace {

constexpr const wchar_t* kCaption = L"Quon Tollen II .::. {настройки программы}";

struct Search {
    DWORD pid;
    HWND found;
};

struct ControlSearch {
    int id;
    HWND found;
};

}  // namespace

void OpenSettingsByDoubleClick(HWND mainWindow) {
    PostMessageW(mainWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 22));
}

std::optional<SettingsWindow> SettingsWindow::WaitFor(const Program& app, DWORD timeoutMs) {
    Search search{app.Pid(), nullptr};
    WaitUntil([&] {
        EnumWindows(
            [](HWND w, LPARAM lp) -> BOOL {
                auto* s = reinterpret_cast<Search*>(lp);
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                wchar_t caption[128] = {};
                GetWindowTextW(w, caption, 128);
                if (pid == s->pid && IsWindowVisible(w) && wcscmp(caption, kCaption) == 0) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeoutMs);
    if (!search.found) return std::nullopt;
    return SettingsWindow(search.found);
}

HWND SettingsWindow::Control(int id) const {
    ControlSearch search{id, nullptr};
    EnumChildWindows(
        dialog_,
        [](HWND w, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<ControlSearch*>(lp);
            if (GetDlgCtrlID(w) != s->id) return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool SettingsWindow::Checked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
bool SettingsWindow::Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

std::string SettingsWindow::Text(int id) const {
    wchar_t buf[1024] = {};
    SendMessageW(Control(id), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf));
    return fw::Narrow(buf);
}

void SettingsWindow::Click(int id) const { SendMessageW(Control(id), BM_CLICK, 0, 0); }

void SettingsWindow::SetText(int id, const std::string& text) const {
    const std::wstring wide = fw::Widen(text);
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void SettingsWindow::SetTrackBar(int id, int position) const {
    HWND bar = Control(id);
    SendMessageW(bar, TBM_SETPOS, TRUE, position);
    SendMessageW(GetParent(bar), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(bar));
}

bool SettingsWindow::WaitClosed(DWORD timeoutMs) const {
    return WaitUntil([&] { return !IsWindow(dialog_) || !IsWindowVisible(dialog_); }, timeoutMs);
}

}  // namespace rig
