#pragma once
// Bitmaps of the buttons: embossed (disabled) and grey copies of a glyph, the checkerboard of a
// latched button. The caller owns every bitmap returned.
#include <windows.h>

#include <cstdint>

namespace controls {

// The grey of a 0x00BBGGRR colour with the weights 77, 150, 29 (of 256), in all three channels.
COLORREF GreyOf(COLORREF colour);
// The shape of bmp (pixels not of maskColour) in shadow on back, with highlight one pixel down-right.
HBITMAP CreateDisabledBitmapEx(HBITMAP bmp, COLORREF maskColour, COLORREF back, bool withHighlight,
                               COLORREF shadow, COLORREF highlight);
HBITMAP CreateDisabledBitmap(HBITMAP bmp, COLORREF maskColour);
// Every pixel greyed except the transparent colour and the button face.
HBITMAP CreateGreyedBitmap(HBITMAP bmp, COLORREF transparent);
// 8 x 8: a everywhere, b where column and row have the same parity.
HBITMAP CreateCheckerBitmap(COLORREF a, COLORREF b);
// An ellipsis of three 2 x 2 dots for a button of the given width (monochrome, 4 pixels high).
HBITMAP MakeEllipsisGlyph(int buttonWidth);

inline int RectWidth(const RECT& r) { return r.right - r.left; }
inline int RectHeight(const RECT& r) { return r.bottom - r.top; }

}  // namespace controls
