#include "framework/tray_click_logic.h"

namespace fw {
namespace {
template <class F, class... A>
void Fire(const F& handler, A... args) {
    if (handler) handler(args...);
}
}  // namespace

TrayClickLogic::TrayClickLogic(Sink sink, Clock clock, unsigned doubleClickMs)
    : sink_(std::move(sink)), clock_(std::move(clock)), doubleClickMs_(doubleClickMs) {}

void TrayClickLogic::StartTimer() {
    timerRunning_ = true;
    timerStart_ = clock_();
    Fire(sink_.startTimer, doubleClickMs_);
}

void TrayClickLogic::StopTimer() {
    timerRunning_ = false;
    Fire(sink_.stopTimer);
}

void TrayClickLogic::TimerDue() {
    if (!timerRunning_) return;
    StopTimer();
    if (!doubleSeen_ && clickReady_) {
        clickReady_ = false;
        Fire(sink_.click);
    }
    doubleSeen_ = false;
}

void TrayClickLogic::HandleMouseMessage(UINT mouseMessage) {
    if (!enabled) return;
    switch (mouseMessage) {
        case WM_MOUSEMOVE:
            Fire(sink_.mouseMove);
            break;
        case WM_LBUTTONDOWN:
            StartTimer();
            Fire(sink_.mouseDown, TrayButton::Left);
            clickPending_ = true;
            if (leftPopup) Fire(sink_.popup);
            break;
        case WM_LBUTTONUP:
            // A timer whose time is up counts as stopped even when its message is still queued: a press
            // held past the double-click time is a click at button-up.
            if (timerRunning_ && clock_() - timerStart_ >= doubleClickMs_) TimerDue();
            if (clickPending_) {
                clickReady_ = true;
                if (!timerRunning_) {
                    clickReady_ = false;
                    Fire(sink_.click);
                }
            }
            clickPending_ = false;
            Fire(sink_.mouseUp, TrayButton::Left);
            break;
        case WM_LBUTTONDBLCLK:
            clickReady_ = false;
            doubleSeen_ = true;
            Fire(sink_.doubleClick);
            break;
        case WM_RBUTTONDOWN:
            Fire(sink_.mouseDown, TrayButton::Right);
            Fire(sink_.popup);
            break;
        case WM_RBUTTONUP:
            Fire(sink_.mouseUp, TrayButton::Right);
            break;
        case WM_MBUTTONDOWN:
            Fire(sink_.mouseDown, TrayButton::Middle);
            break;
        case WM_MBUTTONUP:
            Fire(sink_.mouseUp, TrayButton::Middle);
            break;
        default:
            break;
    }
}

}  // namespace fw
