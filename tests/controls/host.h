#pragma once
// The window tests' host: a dialog made from an in-memory template that places the controls by class
// name, a message loop with the dialog keys, real input through SendInput, and waits with a bound.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace controls_test {

struct DialogItem {
    std::wstring className;
    DWORD style;
    short x, y, cx, cy;  // dialog units
    WORD id;
};

struct Notice {
    WORD id;
    UINT code;
};

class HostDialog {
public:
    explicit HostDialog(const std::vector<DialogItem>& items);
    ~HostDialog();
    HWND Handle() const { return dlg_; }
    HWND Item(WORD id) const { return GetDlgItem(dlg_, id); }
    std::vector<Notice> notices;
    int Count(WORD id, UINT code) const;
    std::function<void(NMHDR*)> onNotify;

private:
    static INT_PTR CALLBACK Proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);
    HWND dlg_ = nullptr;
};

// Runs the thread's messages (with the dialog keys of every dialog) for ms milliseconds.
void Pump(int ms);
bool WaitFor(const std::function<bool()>& done, int ms = 3000);

void Key(WORD vk, bool down);
void Press(WORD vk);                      // down and up
void PressWith(WORD modifier, WORD vk);  // modifier held around the key
void TypeChar(wchar_t c);
void MouseTo(POINT screen);
void Click(POINT screen);  // a click of its own: after the double-click time since the last press
void DoubleClick(POINT screen);  // two presses within the double-click time
void SetClipboardText(const std::wstring& text);
void MouseButton(bool down);
POINT CentreOf(HWND hwnd);
POINT ScreenPoint(HWND hwnd, POINT client);

// A process-wide setup: the classes registered for this module.
void EnsureControls();

}  // namespace controls_test
