#include "framework/control_hook.h"

namespace fw {
namespace {

struct Hooked {
    WNDPROC previous;
    ControlHook hook;
};

Hooked* HookOf(HWND control) { return reinterpret_cast<Hooked*>(GetWindowLongPtrW(control, GWLP_USERDATA)); }

LRESULT CALLBACK HookedProc(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
    Hooked* hooked = HookOf(control);
    if (!hooked) return DefWindowProcW(control, msg, wp, lp);
    const WNDPROC previous = hooked->previous;
    if (msg == WM_NCDESTROY) {
        UnhookControl(control);
        return CallWindowProcW(previous, control, msg, wp, lp);
    }
    try {
        if (const std::optional<LRESULT> result = hooked->hook(control, msg, wp, lp)) return *result;
    } catch (...) {
        return 0;
    }
    return CallWindowProcW(previous, control, msg, wp, lp);
}

}  // namespace

void HookControl(HWND control, ControlHook hook) {
    if (!control || HookOf(control)) return;
    auto* hooked = new Hooked{nullptr, std::move(hook)};
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(hooked));
    hooked->previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedProc)));
}

void UnhookControl(HWND control) {
    Hooked* hooked = HookOf(control);
    if (!hooked) return;
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hooked->previous));
    SetWindowLongPtrW(control, GWLP_USERDATA, 0);
    delete hooked;
}

}  // namespace fw
