#pragma once
// A bitmap's pixels as COLORREF values, read from and written to 32-bit DIB sections.
#include <windows.h>

#include <vector>

namespace controls {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> data;

    Pixels() = default;
    Pixels(int w, int h, COLORREF fill);
    static Pixels Read(HBITMAP bmp);
    static Pixels ReadDc(HDC dc, int x, int y, int w, int h);  // a copy of a screen or window area
    bool Empty() const { return width <= 0 || height <= 0; }
    // Points outside read as CLR_INVALID and are not written.
    COLORREF At(int x, int y) const;
    void Set(int x, int y, COLORREF c);
    HBITMAP ToBitmap() const;
};

}  // namespace controls
