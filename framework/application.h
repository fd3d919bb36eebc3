#pragma once
// The process-wide application object: its title, a hidden owner window (so no window of the program
// gets a taskbar button), the message loop and Terminate.
#include <windows.h>

#include <string>

namespace fw {

class Application {
public:
    static void Initialize();
    static HWND Handle();  // the hidden owner window
    static const std::string& Title();
    static void SetTitle(std::string title);
    static void Terminate();  // the loop ends at its next turn
    static int Run();         // the message loop; returns the exit code
    static void HideWindow() { ShowWindow(Handle(), SW_HIDE); }
    // The program's own icon (resource "APPICON") at the large or the small system size, for window
    // classes; null in a module without it. Shared: never destroyed.
    static HICON Icon(bool small);
};

}  // namespace fw
