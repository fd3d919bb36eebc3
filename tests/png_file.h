#pragma once
// Test pictures drawn on the spot: a PNG of one colour, in 32-bit ARGB or as an 8-bit palette picture.
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quon::test {

inline bool WriteSolidPng(const std::wstring& path, int width, int height, uint32_t argb, bool indexed = false) {
    namespace gp = Gdiplus::DllExports;
    static const bool started = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    if (!started) return false;
    Gdiplus::GpBitmap* bitmap = nullptr;
    std::vector<BYTE> indices;
    if (indexed) {
        const INT stride = (width + 3) & ~3;
        indices.assign(static_cast<size_t>(stride) * static_cast<size_t>(height), 0);
        if (gp::GdipCreateBitmapFromScan0(width, height, stride, PixelFormat8bppIndexed, indices.data(), &bitmap) !=
            Gdiplus::Ok)
            return false;
        struct { UINT flags, count; Gdiplus::ARGB entries[2]; } palette{0, 2, {argb, 0xFF000000}};
        gp::GdipSetImagePalette(bitmap, reinterpret_cast<Gdiplus::ColorPalette*>(&palette));
    } else {
        if (gp::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap) != Gdiplus::Ok)
            return false;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) gp::GdipBitmapSetPixel(bitmap, x, y, argb);
    }
    static const CLSID kPng = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    const bool ok = gp::GdipSaveImageToFile(bitmap, path.c_str(), &kPng, nullptr) == Gdiplus::Ok;
    gp::GdipDisposeImage(bitmap);
    return ok;
}

}  // namespace quon::test
