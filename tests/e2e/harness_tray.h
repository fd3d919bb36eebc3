#pragma once
// A stand-in for the taskbar's notification area: a window of class "Shell_TrayWnd" in this test
// process. Wine's shell forwards every Shell_NotifyIcon call of any process to the first window of that
// class as WM_COPYDATA (dwData = the NIM_ message, lpData = the record below, then the icon's mask and
// colour bits); the stand-in records each call, answers TRUE and can play the shell's part back: mouse
// messages to the icon's window and the "TaskbarCreated" broadcast. The window lives on a thread of its own
// that always answers: the shell's send has no time-out, so a tray that stopped answering would stall
// every program of the prefix that touches its icon.
//
//   rig::StandInTray tray;                       // create it before the program starts
//   auto add = tray.WaitFor([](const rig::TrayCall& c) { return c.message == NIM_ADD; });
//   tray.PostMouse(*add, WM_MBUTTONDOWN);        // as if the middle button went down on the icon
//   rig::StandInTray::AnnounceTaskbar();         // as a restarted taskbar does
#include <windows.h>

#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <string>
#include <vector>

namespace rig {

struct TrayCall {
    DWORD message = 0;     // NIM_ADD, NIM_MODIFY, NIM_DELETE, ...
    DWORD payloadSize = 0;
    HWND window = nullptr;  // the icon's message window
    UINT id = 0, flags = 0, callbackMessage = 0;
    std::string tip, infoTitle, info;  // code page 1251
    UINT timeoutMs = 0;
    DWORD infoFlags = 0;
    bool hasIcon = false;
    UINT iconWidth = 0, iconHeight = 0, iconBpp = 0;
    COLORREF iconBody = CLR_INVALID;  // the colour at (8, 2) of a 32-bit icon picture
    bool Balloon() const { return (flags & NIF_INFO) && !info.empty(); }
};

// The colour at (8, 2) of an icon's 16x16 picture (both of the program's sets have their body colour there).
COLORREF IconBodyColour(HICON icon);

class StandInTray {
public:
    StandInTray();
    ~StandInTray();
    StandInTray(const StandInTray&) = delete;
    StandInTray& operator=(const StandInTray&) = delete;

    HWND Handle() const { return window_; }
    // True when the shell's look-up finds this window (and not another tray of the prefix).
    bool IsTheOneFound() const;

    // Records only calls for icons of this process (other tests' programs may talk to the shell too).
    void OnlyFrom(DWORD pid);

    std::vector<TrayCall> Calls() const;
    void Clear();
    // Waits (handling this thread's messages) for a call recorded after `from` that passes accept.
    std::optional<TrayCall> WaitFor(const std::function<bool(const TrayCall&)>& accept, DWORD timeoutMs = 10000,
                                    size_t from = 0);
    size_t Count() const;

    // The icon's callback message with a mouse message, posted to the icon's window.
    static bool PostMouse(const TrayCall& icon, UINT mouseMessage);
    static void AnnounceTaskbar();

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Run(HANDLE ready);
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
    mutable std::mutex mutex_;
    std::vector<TrayCall> calls_;
    DWORD pid_ = 0;
    std::thread thread_;
};

}  // namespace rig
