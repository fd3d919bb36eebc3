#pragma once
// The settings dialog of a running program, driven from outside through its controls' ids (the ids of
// config/frame_ids.h and config/page_*_ids.h): clicks, texts and track bars reach the dialog's handlers as
// the user's input does.
//
//   rig::OpenSettingsByDoubleClick(w);                     // the data page opens
//   auto s = rig::SettingsWindow::WaitFor(app);            // its window, once shown
//   s->Click(IDC_BTN_OPTIONS); s->Click(IDC_BOX_AUTOSTART);
//   s->SetText(IDC_EDT_X, "300"); s->SetTrackBar(IDC_BAR_OPACITY, 200);
//   s->Click(IDC_BTN_CANCEL); s->WaitClosed();
#include <windows.h>

#include <optional>
#include <string>

namespace rig {

class Program;

// A double click on the plain face of the built-in theme, which opens the settings on their data page.
void OpenSettingsByDoubleClick(HWND mainWindow);

class SettingsWindow {
public:
    static std::optional<SettingsWindow> WaitFor(const Program& app, DWORD timeoutMs = 10000);
    HWND Handle() const { return dialog_; }
    HWND Control(int id) const;  // a control of the frame or of any page; null when there is none
    bool Checked(int id) const;
    bool Enabled(int id) const;
    std::string Text(int id) const;
    void Click(int id) const;
    void SetText(int id, const std::string& text) const;
    void SetTrackBar(int id, int position) const;
    bool WaitClosed(DWORD timeoutMs = 5000) const;

private:
    explicit SettingsWindow(HWND dialog) : dialog_(dialog) {}
    HWND dialog_;
};

}  // namespace rig
