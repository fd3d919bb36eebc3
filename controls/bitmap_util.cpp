#include "controls/bitmap_util.h"

#include <vector>

#include "controls/pixels.h"

namespace controls {

COLORREF GreyOf(COLORREF colour) {
    unsigned g = (77u * GetRValue(colour) + 150u * GetGValue(colour) + 29u * GetBValue(colour)) / 256u;
    return RGB(g, g, g);
}

HBITMAP CreateDisabledBitmapEx(HBITMAP bmp, COLORREF maskColour, COLORREF back, bool withHighlight,
                               COLORREF shadow, COLORREF highlight) {
    Pixels src = Pixels::Read(bmp);
    if (src.Empty()) return nullptr;
    Pixels out(src.width, src.height, back);
    auto shape = [&](int x, int y) { return src.At(x, y) != maskColour; };
    if (withHighlight)
        for (int y = 0; y < src.height; ++y)
            for (int x = 0; x < src.width; ++x)
                if (shape(x, y) && x + 1 < src.width && y + 1 < src.height) out.Set(x + 1, y + 1, highlight);
    for (int y = 0; y < src.height; ++y)
        for (int x = 0; x < src.width; ++x)
            if (shape(x, y)) out.Set(x, y, shadow);
    return out.ToBitmap();
}

HBITMAP CreateDisabledBitmap(HBITMAP bmp, COLORREF maskColour) {
    return CreateDisabledBitmapEx(bmp, maskColour, GetSysColor(COLOR_BTNFACE), true, GetSysColor(COLOR_BTNSHADOW),
                                  GetSysColor(COLOR_BTNHIGHLIGHT));
}

HBITMAP CreateGreyedBitmap(HBITMAP bmp, COLORREF transparent) {
    Pixels px = Pixels::Read(bmp);
    if (px.Empty()) return nullptr;
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int y = 0; y < px.height; ++y)
        for (int x = 0; x < px.width; ++x) {
            COLORREF c = px.At(x, y);
            if (c != transparent && c != face) px.Set(x, y, GreyOf(c));
        }
    return px.ToBitmap();
}

HBITMAP CreateCheckerBitmap(COLORREF a, COLORREF b) {
    Pixels px(8, 8, a);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x % 2) == (y % 2)) px.Set(x, y, b);
    return px.ToBitmap();
}

HBITMAP MakeEllipsisGlyph(int buttonWidth) {
    int width = buttonWidth - 6 > 1 ? buttonWidth - 6 : 1;
    Pixels px(width, 4, RGB(255, 255, 255));
    int gap = (width - 6) / 2;
    gap = gap < 1 ? 1 : gap > 3 ? 3 : gap;
    int x0 = (width - 6 - 2 * gap) / 2;
    for (int dot = 0; dot < 3; ++dot)
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx) px.Set(x0 + dot * (2 + gap) + dx, 1 + dy, RGB(0, 0, 0));
    return px.ToBitmap();
}

}  // namespace controls
