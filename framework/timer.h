#pragma once
// A window timer with an interval, an on/off switch, a tag for its owner's use and a handler.
// Changing the interval of a running timer restarts it.
#include <windows.h>

#include <functional>

namespace fw {

class Wnd;

class Timer {
public:
    Timer(Wnd& owner, UINT_PTR id, UINT intervalMs);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    void SetInterval(UINT ms);
    UINT Interval() const { return interval_; }

    std::function<void()> onTimer;
    int tag = 0;

private:
    friend class Wnd;
    void Fire();
    void Apply();
    Wnd& owner_;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;
};

}  // namespace fw
