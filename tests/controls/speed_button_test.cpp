// The speed button: its states drawn (pixel probes), the shared glyph lists, groups and auto-repeat.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "controls/bitmap_util.h"
#include "controls/glyph_cache.h"
#include "controls/speed_button.h"
#include "controls/window_util.h"
#include "tests/controls/host.h"
#include "tests/controls/probes.h"

namespace {

using controls::Pixels;
using controls::SpeedButton;
using controls_test::CountColour;
using controls_test::Printed;

const COLORREF kGreen = RGB(0, 200, 0), kMagenta = RGB(255, 0, 255);

// A square glyph strip of n images: a green block on magenta in each.
HBITMAP GreenGlyph(int size, int n = 1) {
    Pixels px(size * n, size, kMagenta);
    for (int i = 0; i < n; ++i)
        for (int y = size / 4; y < size * 3 / 4; ++y)
            for (int x = size / 4; x < size * 3 / 4; ++x) px.Set(i * size + x, y, kGreen);
    return px.ToBitmap();
}

class SpeedButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<controls_test::HostDialog>(std::vector<controls_test::DialogItem>{});
        ASSERT_NE(host->Handle(), nullptr);
    }
    SpeedButton* Make(int id, int x, int size = 16) {
        HWND h = SpeedButton::CreateChild(host->Handle(), id, x, 10, 25, 25);
        SpeedButton* b = SpeedButton::From(h);
        HBITMAP glyph = GreenGlyph(size);
        b->SetGlyph(glyph);
        DeleteObject(glyph);
        return b;
    }
    std::unique_ptr<controls_test::HostDialog> host;
};

TEST_F(SpeedButtonTest, EachStateIsDrawnWithItsFrameAndImage) {
    SpeedButton* b = Make(1, 10);
    const RECT glyphArea{4, 4, 21, 21};
    const COLORREF face = GetSysColor(COLOR_BTNFACE), highlight = GetSysColor(COLOR_BTNHIGHLIGHT),
                   frame = GetSysColor(COLOR_WINDOWFRAME), shadow = GetSysColor(COLOR_BTNSHADOW);

    Pixels up = Printed(b->Handle());
    EXPECT_EQ(up.At(0, 0), highlight);
    EXPECT_EQ(up.At(24, 24), frame);
    EXPECT_EQ(CountColour(up, glyphArea, kGreen), 64);
    EXPECT_EQ(CountColour(up, glyphArea, kMagenta), 0);  // the magenta is transparent

    controls_test::MouseTo(controls_test::CentreOf(b->Handle()));
    controls_test::MouseButton(true);
    ASSERT_TRUE(controls_test::WaitFor([&] { return b->State() == controls::kStatePressed; }));
    Pixels pressed = Printed(b->Handle());
    EXPECT_EQ(pressed.At(0, 0), frame);
    EXPECT_EQ(pressed.At(24, 24), highlight);
    EXPECT_EQ(CountColour(pressed, RECT{13, 13, 14, 14}, kGreen), 1);  // the image moved one pixel down-right
    EXPECT_NE(up.At(12 - 4, 12 - 4), pressed.At(12 - 4, 12 - 4));
    controls_test::MouseButton(false);
    ASSERT_TRUE(controls_test::WaitFor([&] { return b->State() == controls::kStateUp; }));

    EnableWindow(b->Handle(), FALSE);
    Pixels disabled = Printed(b->Handle());
    EXPECT_EQ(CountColour(disabled, glyphArea, kGreen), 0);
    EXPECT_EQ(CountColour(disabled, glyphArea, shadow), 64);  // embossed: the shape in shadow
    EXPECT_GT(CountColour(disabled, glyphArea, highlight), 0);
    EnableWindow(b->Handle(), TRUE);

    controls_test::MouseTo(POINT{0, 0});
    controls_test::Pump(100);
    b->SetFlat(true);
    Pixels flat = Printed(b->Handle());
    EXPECT_EQ(flat.At(0, 0), face);  // no frame while the mouse is away
    EXPECT_EQ(CountColour(flat, glyphArea, kGreen), 0);
    EXPECT_EQ(CountColour(flat, glyphArea, controls::GreyOf(kGreen)), 64);  // greyed
    b->SetFlat(false);

    b->SetGroupIndex(1);
    b->SetDown(true);
    Pixels latched = Printed(b->Handle());
    EXPECT_EQ(latched.At(0, 0), frame);
    EXPECT_EQ(latched.At(4, 4), highlight);  // the checkerboard
    EXPECT_EQ(latched.At(5, 4), face);
    EXPECT_EQ(latched.At(4, 5), face);
}

TEST_F(SpeedButtonTest, ButtonsOfOneGlyphSizeShareOneImageListAndTheLastReleaseFreesIt) {
    size_t before = controls::glyph_cache::ListCount();
    SpeedButton* a = Make(1, 10);
    SpeedButton* b = Make(2, 40);
    SpeedButton* c = Make(3, 70, 12);
    for (SpeedButton* s : {a, b, c}) ASSERT_GE(s->Glyph().ImageIndex(controls::kStateUp), 0);
    ASSERT_GE(a->Glyph().ImageIndex(controls::kStateDisabled), 0);
    EXPECT_EQ(a->Glyph().List(), b->Glyph().List());
    EXPECT_NE(a->Glyph().List(), c->Glyph().List());
    EXPECT_EQ(controls::glyph_cache::ListCount(), before + 2);
    EXPECT_EQ(a->Glyph().List()->Count(), 3);
    DestroyWindow(a->Handle());
    EXPECT_EQ(controls::glyph_cache::ListCount(), before + 2);
    DestroyWindow(c->Handle());
    EXPECT_EQ(controls::glyph_cache::ListCount(), before + 1);
    DestroyWindow(b->Handle());
    EXPECT_EQ(controls::glyph_cache::ListCount(), before);
}

TEST_F(SpeedButtonTest, GlyphStripsCountTheirImages) {
    SpeedButton* b = Make(1, 10);
    struct Case { int w, h, expected; };
    const Case cases[] = {{64, 16, 4}, {96, 16, 1}, {32, 16, 2}};
    for (const Case& c : cases) {
        HBITMAP strip = Pixels(c.w, c.h, kMagenta).ToBitmap();
        b->SetGlyph(strip);
        DeleteObject(strip);
        EXPECT_EQ(b->NumGlyphs(), c.expected) << c.w << "x" << c.h;
    }
}

TEST_F(SpeedButtonTest, AGroupKeepsOneButtonDown) {
    SpeedButton* a = Make(1, 10);
    SpeedButton* b = Make(2, 40);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    controls_test::Click(controls_test::CentreOf(a->Handle()));
    EXPECT_TRUE(a->Down());
    controls_test::Click(controls_test::CentreOf(a->Handle()));
    EXPECT_TRUE(a->Down());  // without AllowAllUp the down button stays down
    controls_test::Click(controls_test::CentreOf(b->Handle()));
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), controls::kStateUp);
    b->SetAllowAllUp(true);
    controls_test::Click(controls_test::CentreOf(b->Handle()));
    EXPECT_FALSE(b->Down());
}

TEST_F(SpeedButtonTest, HeldDownItRepeatsItsClickAndClicksOnceMoreOnRelease) {
    SpeedButton* b = Make(1, 10);
    int clicks = 0;
    b->onClick = [&] { ++clicks; };
    b->SetAllowTimer(true);
    b->SetRepeatTiming(300, 60);
    controls_test::MouseTo(controls_test::CentreOf(b->Handle()));
    controls_test::Pump(50);
    controls_test::MouseButton(true);
    DWORD start = GetTickCount();
    controls_test::Pump(200);
    EXPECT_EQ(clicks, 0);  // nothing before the first pause
    ASSERT_TRUE(controls_test::WaitFor([&] { return clicks >= 3; }, 3000));
    EXPECT_GE(GetTickCount() - start, 300u);
    controls_test::MouseButton(false);
    ASSERT_TRUE(controls_test::WaitFor([&] { return b->State() == controls::kStateUp; }));
    int afterRelease = clicks;
    controls_test::Pump(300);
    EXPECT_EQ(clicks, afterRelease);  // the timer stopped
    EXPECT_EQ(host->Count(1, BN_CLICKED), clicks);
}

TEST(ControlBitmaps, GreyCheckerAndDisabledImages) {
    struct Grey { COLORREF in; BYTE out; };
    const Grey greys[] = {{RGB(255, 255, 255), 255}, {RGB(0, 0, 0), 0}, {RGB(255, 0, 0), 76},
                          {RGB(0, 255, 0), 149}, {RGB(0, 0, 255), 28}, {RGB(0, 200, 0), 117}};
    for (const Grey& g : greys) EXPECT_EQ(controls::GreyOf(g.in), RGB(g.out, g.out, g.out)) << std::hex << g.in;

    HBITMAP checker = controls::CreateCheckerBitmap(RGB(1, 2, 3), RGB(4, 5, 6));
    Pixels px = Pixels::Read(checker);
    DeleteObject(checker);
    ASSERT_EQ(px.width, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(px.At(x, y), (x % 2 == y % 2) ? RGB(4, 5, 6) : RGB(1, 2, 3));

    Pixels src(4, 1, kMagenta);
    src.Set(1, 0, GetSysColor(COLOR_BTNFACE));
    src.Set(2, 0, RGB(255, 0, 0));
    HBITMAP bmp = src.ToBitmap();
    HBITMAP greyed = controls::CreateGreyedBitmap(bmp, kMagenta);
    Pixels g = Pixels::Read(greyed);
    EXPECT_EQ(g.At(0, 0), kMagenta);
    EXPECT_EQ(g.At(1, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(g.At(2, 0), RGB(76, 76, 76));
    HBITMAP embossed = controls::CreateDisabledBitmapEx(bmp, kMagenta, RGB(9, 9, 9), true, RGB(1, 1, 1), RGB(2, 2, 2));
    Pixels e = Pixels::Read(embossed);
    EXPECT_EQ(e.At(0, 0), RGB(9, 9, 9));
    EXPECT_EQ(e.At(1, 0), RGB(1, 1, 1));
    EXPECT_EQ(e.At(3, 0), RGB(9, 9, 9));  // the highlight falls one row down, outside this strip
    for (HBITMAP h : {bmp, greyed, embossed}) DeleteObject(h);

    HBITMAP dots = controls::MakeEllipsisGlyph(18);
    Pixels d = Pixels::Read(dots);
    DeleteObject(dots);
    ASSERT_EQ(d.width, 12);
    int black = 0;
    for (COLORREF c : d.data) black += c == RGB(0, 0, 0);
    EXPECT_EQ(black, 12);  // three 2 x 2 dots
    EXPECT_EQ(d.At(0, 1), RGB(0, 0, 0));  // gap 3: first dot at 0, then 5 and 10
    EXPECT_EQ(d.At(5, 2), RGB(0, 0, 0));
    EXPECT_EQ(d.At(11, 1), RGB(0, 0, 0));
}

TEST(ControlWindows, DiscardingMessagesKeepsAQuitAndIgnoresAnEmptyQueue) {
    controls::DiscardWindowMessages(nullptr, WM_USER + 7);  // nothing pending: nothing happens
    PostThreadMessageW(GetCurrentThreadId(), WM_USER + 7, 0, 0);
    controls::DiscardWindowMessages(nullptr, WM_USER + 7);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_USER + 7, WM_USER + 7, PM_REMOVE));
    PostQuitMessage(5);
    controls::DiscardWindowMessages(nullptr, WM_QUIT);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
}

}  // namespace
