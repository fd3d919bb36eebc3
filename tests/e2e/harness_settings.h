#pragma once
// The settings dialog of a running process, driven from outside: found by its caption among the
// process's windows; its controls (on the frame or on a page) found by id.
#include <windows.h>

#include <string>

namespace rig {

class SettingsWindow {
public:
    // Waits for the shown settings dialog of the process; null handle after the bound.
    static SettingsWindow WaitFor(DWORD pid, DWORD timeoutMs = 10000);
    HWND Handle() const { return dialog_; }
    explicit operator bool() const { return dialog_ != nullptr; }

    HWND Control(int id) const;
    std::string Text(int id) const;
    bool Visible(int id) const;  // the control and every parent up to the dialog are visible
    bool Checked(int id) const;
    void Click(int id) const;  // a button click, as the mouse would give it
    // A shortcut's command, as the dialog's accelerator gives it (Esc, Ctrl+S, Ctrl+Enter, F1).
    void Shortcut(int commandId) const;
    void PressEscape() const;  // the key itself, through the dialog's message loop

private:
    HWND dialog_ = nullptr;
};

}  // namespace rig
