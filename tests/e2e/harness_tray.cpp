#include "tests/e2e/harness_tray.h"

#include <cstddef>
#include <cstring>

#include "framework/text.h"
#include "tests/e2e/harness.h"

namespace rig {
namespace {

// The record Wine's shell32 sends (measured under Wine 8: 960 bytes, then the icon's bits).
struct NotifyData {
    LONG hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    WCHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    WCHAR szInfo[256];
    UINT uTimeout;
    WCHAR szInfoTitle[64];
    DWORD dwInfoFlags;
    GUID guidItem;
    UINT width, height, planes, bpp;
};
static_assert(sizeof(NotifyData) == 960);

std::string Text(const WCHAR* field, size_t size) {
    return fw::Narrow(std::wstring(field, wcsnlen(field, size)));
}

TrayCall Decode(DWORD message, const COPYDATASTRUCT& cds) {
    TrayCall c;
    c.message = message;
    c.payloadSize = cds.cbData;
    if (cds.cbData < sizeof(NotifyData) || !cds.lpData) return c;
    NotifyData d;
    std::memcpy(&d, cds.lpData, sizeof d);
    c.window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(d.hWnd));
    c.id = d.uID;
    c.flags = d.uFlags;
    c.callbackMessage = d.uCallbackMessage;
    c.tip = Text(d.szTip, 128);
    c.info = Text(d.szInfo, 256);
    c.infoTitle = Text(d.szInfoTitle, 64);
    c.timeoutMs = d.uTimeout;
    c.infoFlags = d.dwInfoFlags;
    c.hasIcon = cds.cbData > sizeof(NotifyData) && d.width > 0;
    c.iconWidth = d.width;
    c.iconHeight = d.height;
    c.iconBpp = d.bpp;
    if (c.hasIcon && d.bpp == 32 && d.width >= 16 && d.height >= 3) {
        const size_t maskBytes = (static_cast<size_t>(d.width) * d.height + 15) / 16 * 2;
        const size_t at = sizeof(NotifyData) + maskBytes + (2 * d.width + 8) * 4;
        if (at + 4 <= cds.cbData) {
            const BYTE* p = static_cast<const BYTE*>(cds.lpData) + at;
            c.iconBody = RGB(p[2], p[1], p[0]);
        }
    }
    return c;
}

}  // namespace

COLORREF IconBodyColour(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return CLR_INVALID;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 16;
    bi.bmiHeader.biHeight = -16;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    DWORD pixels[16 * 16] = {};
    HDC dc = GetDC(nullptr);
    const int rows = GetDIBits(dc, info.hbmColor, 0, 16, pixels, &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (rows != 16) return CLR_INVALID;
    const DWORD p = pixels[2 * 16 + 8];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

StandInTray::StandInTray() {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, ready] { Run(ready); });
    WaitForSingleObject(ready, 10000);
    CloseHandle(ready);
}

void StandInTray::Run(HANDLE ready) {
    static const wchar_t kClass[] = L"Shell_TrayWnd";
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), kClass, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &StandInTray::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassExW(&wc);
    }
    // Top-most, so that it comes first in the shell's look-up by class; never shown.
    HWND w = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    window_ = w;
    threadId_ = GetCurrentThreadId();
    SetEvent(ready);
    MSG msg;
    while (w && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (w) DestroyWindow(w);
}

StandInTray::~StandInTray() {
    if (thread_.joinable()) {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }
}

std::vector<TrayCall> StandInTray::Calls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

void StandInTray::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}

void StandInTray::OnlyFrom(DWORD pid) {
    std::lock_guard<std::mutex> lock(mutex_);
    pid_ = pid;
}

size_t StandInTray::Count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_.size();
}

bool StandInTray::IsTheOneFound() const { return FindWindowExW(nullptr, nullptr, L"Shell_TrayWnd", nullptr) == window_; }

LRESULT CALLBACK StandInTray::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<StandInTray*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_COPYDATA && self) {
        const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        TrayCall call = Decode(static_cast<DWORD>(cds->dwData), *cds);
        DWORD pid = 0;
        GetWindowThreadProcessId(call.window, &pid);
        std::lock_guard<std::mutex> lock(self->mutex_);
        if (self->pid_ == 0 || pid == self->pid_) self->calls_.push_back(call);
        return TRUE;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

std::optional<TrayCall> StandInTray::WaitFor(const std::function<bool(const TrayCall&)>& accept, DWORD timeoutMs,
                                             size_t from) {
    std::optional<TrayCall> hit;
    WaitUntil(
        [&] {
            const std::vector<TrayCall> calls = Calls();
            for (size_t i = from; i < calls.size(); ++i)
                if (accept(calls[i])) {
                    hit = calls[i];
                    return true;
                }
            return false;
        },
        timeoutMs);
    return hit;
}

bool StandInTray::PostMouse(const TrayCall& icon, UINT mouseMessage) {
    return PostMessageW(icon.window, icon.callbackMessage, icon.id, mouseMessage) != FALSE;
}

void StandInTray::AnnounceTaskbar() {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 2000,
                        &result);
}

}  // namespace rig
