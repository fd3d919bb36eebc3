#pragma once
// The settings dialog of a running process, driven from outside: found by its caption among the
// process's windows; its controls (on the frame or on a page) found by id.
#include <windows.h>

#include <string>

namespace rig {

// A double click on the plain face of the built-in theme, which opens the settings on their data page.
void OpenSettingsByDoubleClick(HWND mainWindow);

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
    bool Enabled(int id) const;
    // A new text for an edit, which tells the dialog of the change as typing does.
    void SetText(int id, const std::string& text) const;
    // A track bar moved to a position, as a drag of its thumb ends.
    void SetTrackBar(int id, int position) const;
    bool WaitClosed(DWORD timeoutMs = 5000) const;

private:
    HWND dialog_ = nullptr;
};

}  // namespace rig
