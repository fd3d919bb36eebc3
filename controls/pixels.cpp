#include "controls/pixels.h"

namespace controls {
namespace {
BITMAPINFO TopDown32(int w, int h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}
COLORREF FromQuad(DWORD q) { return RGB((q >> 16) & 0xFF, (q >> 8) & 0xFF, q & 0xFF); }
DWORD ToQuad(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
}  // namespace

Pixels::Pixels(int w, int h, COLORREF fill) : width(w), height(h), data(static_cast<size_t>(w) * h, fill) {}

Pixels Pixels::Read(HBITMAP bmp) {
    Pixels px;
    BITMAP info{};
    if (!bmp || !GetObjectW(bmp, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return px;
    BITMAPINFO bi = TopDown32(info.bmWidth, info.bmHeight);
    std::vector<DWORD> raw(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC dc = GetDC(nullptr);
    int lines = GetDIBits(dc, bmp, 0, info.bmHeight, raw.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (lines != info.bmHeight) return px;
    px = Pixels(info.bmWidth, info.bmHeight, 0);
    for (size_t i = 0; i < raw.size(); ++i) px.data[i] = FromQuad(raw[i]);
    return px;
}

Pixels Pixels::ReadDc(HDC dc, int x, int y, int w, int h) {
    Pixels px;
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, dc, x, y, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    px = Read(bmp);
    DeleteObject(bmp);
    return px;
}

COLORREF Pixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    return data[static_cast<size_t>(y) * width + x];
}

void Pixels::Set(int x, int y, COLORREF c) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    data[static_cast<size_t>(y) * width + x] = c;
}

HBITMAP Pixels::ToBitmap() const {
    if (Empty()) return nullptr;
    BITMAPINFO bi = TopDown32(width, height);
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp) return nullptr;
    auto* q = static_cast<DWORD*>(bits);
    for (size_t i = 0; i < data.size(); ++i) q[i] = ToQuad(data[i]);
    GdiFlush();
    return bmp;
}

}  // namespace controls
