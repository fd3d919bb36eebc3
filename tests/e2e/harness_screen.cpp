// What the screen shows of a window: the layered main window's pixels as they reach the screen.
#include "tests/e2e/harness.h"

namespace rig {

uint64_t Brightness(HWND window) {
    RECT r = ReadWindow(window).rect;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return 0;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    uint64_t sum = 0;
    const auto* px = static_cast<const uint8_t*>(bits);
    for (int i = 0; i < w * h; ++i) sum += px[i * 4] + px[i * 4 + 1] + px[i * 4 + 2];
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return sum;
}

uint64_t SettledBrightness(HWND window, DWORD timeoutMs) {
    uint64_t last = Brightness(window);
    DWORD since = GetTickCount();
    WaitUntil([&] {
        uint64_t now = Brightness(window);
        if (now != last) {
            last = now;
            since = GetTickCount();
        }
        return GetTickCount() - since > 700;
    }, timeoutMs);
    return last;
}

}  // namespace rig
