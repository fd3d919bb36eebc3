#include "framework/wnd.h"

#include "framework/application.h"
#include "framework/timer.h"

namespace fw {

Wnd::~Wnd() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Wnd::Create(const wchar_t* className, DWORD exStyle, DWORD style, int x, int y, int w, int h, HWND owner,
                 UINT classStyle) {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(inst, className, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof(wc);
        wc.style = classStyle;
        wc.lpfnWndProc = &Wnd::StaticProc;
        wc.hInstance = inst;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hIcon = Application::Icon(false);
        wc.hIconSm = Application::Icon(true);
        wc.lpszClassName = className;
        if (!RegisterClassExW(&wc)) return false;
    }
    if (!CreateWindowExW(exStyle, className, L"", style, x, y, w, h, owner, nullptr, inst, this)) return false;
    for (auto& [id, timer] : timers_) timer->Apply();  // timers enabled before the window existed
    return true;
}

LRESULT Wnd::DefaultMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        auto it = timers_.find(wp);
        if (it != timers_.end()) {
            it->second->Fire();
            return 0;
        }
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Wnd::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        auto* self = static_cast<Wnd*>(cs->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Wnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    try {
        LRESULT r = self->HandleMessage(msg, wp, lp);
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return r;
    } catch (...) {
        try { self->OnHandlerFault(); } catch (...) {}
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}  // namespace fw
