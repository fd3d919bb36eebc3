#include "controls/window_util.h"

#include "controls/text_util.h"
#include "framework/text.h"

namespace controls {

void DiscardWindowMessages(HWND window, UINT message) {
    MSG msg;
    if (PeekMessageW(&msg, window, message, message, PM_REMOVE) && msg.message == WM_QUIT)
        PostQuitMessage(static_cast<int>(msg.wParam));
}

namespace {
struct ActiveSearch {
    HWND active;
    bool found;
};
BOOL CALLBACK MatchActive(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<ActiveSearch*>(lp);
    if (hwnd != search->active) return TRUE;
    search->found = true;
    return FALSE;
}
}  // namespace

bool IsActiveWindowOfThread() {
    ActiveSearch search{GetActiveWindow(), false};
    if (!search.active) return false;
    EnumThreadWindows(GetCurrentThreadId(), &MatchActive, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PaintParentBackground(HWND control, HDC dc) {
    HWND parent = GetParent(control);
    if (!parent) return;
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    int saved = SaveDC(dc);
    POINT old;
    OffsetViewportOrgEx(dc, -r.left, -r.top, &old);
    RECT client;
    GetClientRect(parent, &client);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RestoreDC(dc, saved);
}

std::string WindowText(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return fw::Narrow(text);
}

void SetWindowText1251(HWND hwnd, const std::string& text) { SetWindowTextW(hwnd, fw::Widen(text).c_str()); }

std::string ShortenTextToWidth(const std::string& text, HDC dc, int width) {
    return ShortenTextToWidth(text, width, [dc](std::string_view t) {
        std::wstring w = fw::Widen(t);
        SIZE size{};
        GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
        return static_cast<int>(size.cx);
    });
}

}  // namespace controls
