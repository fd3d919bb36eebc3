#pragma once
// Window classes of the controls. The C++ object is made by the class itself when a window of the class
// is created (so dialog templates can place it by name), lives in the window's extra bytes and dies at
// WM_NCDESTROY. A class may build on a system class (the edits build on EDIT). No exception leaves the
// window procedure: a fault is shown and the message gets the base class's answer.
#include <windows.h>

#include <exception>

namespace controls {

class ControlWindow {
public:
    ControlWindow() = default;
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;
    virtual ~ControlWindow() = default;
    HWND Handle() const { return hwnd_; }

protected:
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return CallBase(msg, wp, lp); }
    LRESULT CallBase(UINT msg, WPARAM wp, LPARAM lp) { return CallWindowProcW(baseProc_, hwnd_, msg, wp, lp); }
    // WM_PAINT and WM_PRINTCLIENT through paint (which covers every pixel); WM_ERASEBKGND is skipped.
    template <class PaintFn>
    LRESULT PaintMessage(UINT msg, WPARAM wp, PaintFn paint) {
        if (msg == WM_ERASEBKGND) return 1;
        if (msg == WM_PRINTCLIENT) {
            paint(reinterpret_cast<HDC>(wp));
            return 0;
        }
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        paint(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }

private:
    template <class T>
    friend struct ControlClass;
    HWND hwnd_ = nullptr;
    WNDPROC baseProc_ = DefWindowProcW;
};

// The object of any control window (null for other windows).
constexpr wchar_t kControlProperty[] = L"QuonControlObject";
inline ControlWindow* ControlWindowOf(HWND hwnd) {
    return hwnd ? static_cast<ControlWindow*>(GetPropW(hwnd, kControlProperty)) : nullptr;
}

// Shows a fault of a control's handler as the program's failure box.
void ReportControlFault(const std::exception* e);

struct ControlClassInfo {
    WNDPROC baseProc = DefWindowProcW;
    int slot = 0;  // offset of the object pointer in the window's extra bytes
    HINSTANCE module = nullptr;
    const wchar_t* name = nullptr;
};

bool RegisterClassInfo(ControlClassInfo& info, WNDPROC proc, HINSTANCE module, const wchar_t* name,
                       const wchar_t* baseClass, UINT style, HCURSOR cursor, HBRUSH background);
void UnregisterClassInfo(ControlClassInfo& info);

template <class T>
struct ControlClass {
    static inline ControlClassInfo info;

    static bool Register(HINSTANCE module, const wchar_t* name, const wchar_t* baseClass = nullptr, UINT style = 0,
                         HCURSOR cursor = nullptr, HBRUSH background = nullptr) {
        return RegisterClassInfo(info, &Proc, module, name, baseClass, style, cursor, background);
    }
    static void Unregister() { UnregisterClassInfo(info); }
    static T* From(HWND hwnd) { return dynamic_cast<T*>(ControlWindowOf(hwnd)); }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<ControlWindow*>(GetWindowLongPtrW(hwnd, info.slot));
        if (!self && msg == WM_NCCREATE) {
            try {
                self = new T;
            } catch (...) {
                return FALSE;
            }
            self->hwnd_ = hwnd;
            self->baseProc_ = info.baseProc;
            SetWindowLongPtrW(hwnd, info.slot, reinterpret_cast<LONG_PTR>(self));
            SetPropW(hwnd, kControlProperty, self);
        }
        if (!self) return CallWindowProcW(info.baseProc, hwnd, msg, wp, lp);
        LRESULT result = 0;
        try {
            result = self->HandleMessage(msg, wp, lp);
        } catch (const std::exception& e) {
            ReportControlFault(&e);
            result = CallWindowProcW(info.baseProc, hwnd, msg, wp, lp);
        } catch (...) {
            ReportControlFault(nullptr);
            result = CallWindowProcW(info.baseProc, hwnd, msg, wp, lp);
        }
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, info.slot, 0);
            RemovePropW(hwnd, kControlProperty);
            delete self;
        }
        return result;
    }
};

}  // namespace controls
