#pragma once
// The tray icon's mouse logic: turns the shell's callback messages into mouse-down/up/move, click and
// double-click events, with a single click held back for the system double-click time so that a double
// click never also gives a click. Plain C++: the clock and the click timer are given from outside, so a
// test drives it without the shell.
#include <windows.h>

#include <cstdint>
#include <functional>

namespace fw {

enum class TrayButton { Left, Right, Middle };

class TrayClickLogic {
public:
    // What the logic makes happen; every handler may be empty.
    struct Sink {
        std::function<void()> click, doubleClick, mouseMove, popup;
        std::function<void(TrayButton)> mouseDown, mouseUp;
        // The click timer: started (restarted when running) at a left press, stopped when it is due.
        std::function<void(unsigned ms)> startTimer;
        std::function<void()> stopTimer;
    };
    using Clock = std::function<uint64_t()>;  // milliseconds, monotonic

    TrayClickLogic(Sink sink, Clock clock, unsigned doubleClickMs);

    bool enabled = true;      // off: every mouse message is ignored
    bool leftPopup = false;   // the left button also opens the menu

    // One callback message; lParam of the shell's message is the mouse message.
    void HandleMouseMessage(UINT mouseMessage);
    // The click timer is due (its WM_TIMER).
    void TimerDue();

    bool TimerRunning() const { return timerRunning_; }

private:
    void StartTimer();
    void StopTimer();
    Sink sink_;
    Clock clock_;
    unsigned doubleClickMs_;
    bool clickPending_ = false;  // the left button went down
    bool clickReady_ = false;    // the left button came up: a single click may follow
    bool doubleSeen_ = false;
    bool timerRunning_ = false;
    uint64_t timerStart_ = 0;
};

}  // namespace fw
