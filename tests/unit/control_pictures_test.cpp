// The pictures of the edit controls' buttons, as linked into a module that uses the controls: the button
// painter takes the bottom-left pixel's colour as transparent, so that pixel must be the background, and
// no pixel of the picture may be a near-magenta that shows as a pink dot.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/pixels.h"

namespace {

bool NearMagenta(COLORREF c) { return GetRValue(c) > 0xC0 && GetBValue(c) > 0xC0 && GetGValue(c) < 0x90; }

TEST(ControlPictures, TheCornerIsTheBackgroundAndNoPixelReadsPink) {
    struct Case {
        const wchar_t* name;
        COLORREF background;
    } cases[] = {{L"FEDITBMP", RGB(255, 0, 255)}, {L"DEDITBMP", RGB(255, 0, 255)}, {L"PREV1", RGB(255, 255, 255)},
                 {L"PREV2", RGB(255, 255, 255)},  {L"NEXT1", RGB(255, 255, 255)},   {L"NEXT2", RGB(255, 255, 255)}};
    for (const Case& c : cases) {
        HBITMAP bmp = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), c.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bmp, nullptr) << c.name;
        const controls::Pixels px = controls::Pixels::Read(bmp);
        DeleteObject(bmp);
        EXPECT_EQ(px.At(0, px.height - 1), c.background) << c.name;
        int drawn = 0;
        for (int y = 0; y < px.height; ++y)
            for (int x = 0; x < px.width; ++x) {
                const COLORREF p = px.At(x, y);
                if (p == c.background) continue;
                ++drawn;
                EXPECT_FALSE(NearMagenta(p)) << c.name << " at " << x << "," << y;
            }
        EXPECT_GT(drawn, 4) << c.name;
    }
}

}  // namespace
