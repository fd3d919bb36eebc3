// The rig's WM_COPYDATA side: a receiver window that sends commands and collects what comes back.
#include <windows.h>

#include "tests/e2e/harness.h"

namespace rig {

Commands::Commands() {
    static int serial = 0;
    name_ = "QuonRigReceiver_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial);
    className_.assign(name_.begin(), name_.end());
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className_.c_str();
    RegisterClassW(&wc);
    // A top-level window (never shown): FindWindowA, which the program uses for replies, skips
    // message-only windows.
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, className_.c_str(), className_.c_str(), WS_POPUP, 0, 0, 1, 1,
                              nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Commands::~Commands() {
    if (window_) DestroyWindow(window_);
    UnregisterClassW(className_.c_str(), GetModuleHandleW(nullptr));
}

LRESULT CALLBACK Commands::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COPYDATA) {
        auto* self = reinterpret_cast<Commands*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        if (self && cds) {
            std::string text = cds->lpData && cds->cbData
                                   ? std::string(static_cast<const char*>(cds->lpData), cds->cbData)
                                   : std::string();
            self->received_.push_back({static_cast<long>(cds->dwData), text});
        }
        return TRUE;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

bool Commands::SendBytes(HWND target, long code, const void* data, DWORD size, DWORD timeoutMs) {
    static const char empty[1] = {0};
    COPYDATASTRUCT cds{};
    cds.dwData = static_cast<ULONG_PTR>(static_cast<LONG_PTR>(code));
    cds.cbData = size;
    cds.lpData = const_cast<void*>(data ? data : empty);
    DWORD_PTR result = 0;
    // SMTO_NORMAL: replies sent to our window while we wait are handled during the wait.
    return SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(window_),
                               reinterpret_cast<LPARAM>(&cds), SMTO_NORMAL, timeoutMs, &result) != 0;
}

bool Commands::Send(HWND target, long code, const std::string& text, DWORD timeoutMs) {
    return SendBytes(target, code, text.c_str(), static_cast<DWORD>(text.size()), timeoutMs);
}

std::optional<Commands::Message> Commands::Query(HWND target, const std::string& name, bool byClass,
                                                 char replyCode) {
    std::string query = name;
    query.resize(15, ' ');
    query += std::string(" ") + (byClass ? '1' : '0') + " " + replyCode + " " + name_;
    const size_t before = received_.size();
    if (!Send(target, 88, query)) return std::nullopt;
    if (received_.size() == before) return std::nullopt;
    return received_.back();
}

}  // namespace rig
