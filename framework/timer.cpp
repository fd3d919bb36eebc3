#include "framework/timer.h"

#include "framework/wnd.h"

namespace fw {

Timer::Timer(Wnd& owner, UINT_PTR id, UINT intervalMs) : owner_(owner), id_(id), interval_(intervalMs) {
    owner_.timers_[id_] = this;
}

Timer::~Timer() {
    enabled_ = false;
    Apply();
    owner_.timers_.erase(id_);
}

void Timer::Apply() {
    HWND h = owner_.Handle();
    if (!h) return;
    KillTimer(h, id_);
    if (enabled_ && interval_ > 0) SetTimer(h, id_, interval_, nullptr);
}

void Timer::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    Apply();
}

void Timer::SetInterval(UINT ms) {
    if (ms == interval_) return;
    interval_ = ms;
    Apply();
}

void Timer::Fire() {
    if (enabled_ && onTimer) onTimer();
}

}  // namespace fw
