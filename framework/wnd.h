#pragma once
// A thin window wrapper: the object is attached to its HWND at WM_NCCREATE, every message goes to the
// virtual HandleMessage, and no exception ever leaves the window procedure.
#include <windows.h>

#include <map>

namespace fw {

class Timer;

class Wnd {
public:
    Wnd() = default;
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;
    virtual ~Wnd();

    // Registers the class once (by name) and creates the window; false when it could not be created.
    bool Create(const wchar_t* className, DWORD exStyle, DWORD style, int x, int y, int w, int h, HWND owner,
                UINT classStyle = 0);
    HWND Handle() const { return hwnd_; }

    // The default procedure for what a subclass does not handle; WM_TIMER reaches the owned timers.
    LRESULT DefaultMessage(UINT msg, WPARAM wp, LPARAM lp);

protected:
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return DefaultMessage(msg, wp, lp); }
    // Called when a handler threw; the message then gets the default answer.
    virtual void OnHandlerFault() {}

private:
    friend class Timer;
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
    std::map<UINT_PTR, Timer*> timers_;
};

}  // namespace fw
