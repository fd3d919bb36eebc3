#pragma once
// Pixel probes of a control's painting: what the window draws for WM_PRINTCLIENT, and what the screen shows.
#include <windows.h>

#include "controls/pixels.h"

namespace controls_test {

inline controls::Pixels Printed(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(dc, bmp);
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    controls::Pixels px = controls::Pixels::Read(bmp);
    DeleteObject(bmp);
    return px;
}

inline controls::Pixels OnScreen(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    HDC screen = GetDC(nullptr);
    controls::Pixels px = controls::Pixels::ReadDc(screen, origin.x, origin.y, r.right, r.bottom);
    ReleaseDC(nullptr, screen);
    return px;
}

// How many pixels of the colour lie in the rectangle.
inline int CountColour(const controls::Pixels& px, RECT r, COLORREF c) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (px.At(x, y) == c) ++n;
    return n;
}

}  // namespace controls_test
