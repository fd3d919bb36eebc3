#include "mainwindow/skin_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "mainwindow/picture_cache.h"
#include "tests/unit/skin_fixture.h"

namespace quon {
namespace {

using test::ThemeFolder;

constexpr uint32_t kFace = 0xFF404040;
constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF,
                   kYellow = 0xFFFFFF00, kCyan = 0xFF00FFFF;

// A theme of one-colour pictures: every element is told apart by its colour.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Png("face.png", 80, 60, kFace);
        const std::pair<const char*, uint32_t> pictures[] = {
            {"hide_a.png", kRed}, {"hide_b.png", kGreen}, {"hide_c.png", kBlue},
            {"config_a.png", kRed}, {"config_b.png", kGreen}, {"config_c.png", kBlue},
            {"hangup_a.png", kRed}, {"hangup_b.png", kGreen}, {"hangup_c.png", kBlue},
            {"online.png", kWhite}, {"offline.png", kYellow}, {"unit.png", kCyan},
        };
        for (auto [name, colour] : pictures) dir.Png(name, 2, 2, colour);
        const uint32_t bars[6] = {0xFF000010, 0xFF000020, 0xFF000030, 0xFF000040, 0xFF000050, 0xFF000060};
        for (int level = 0; level < 6; ++level) dir.Png("v" + std::to_string(level) + ".png", 1, 1, bars[level]);

        const std::wstring f = fw::Widen(dir.Path());
        theme.face = f + L"face.png";
        for (int s = 0; s < 3; ++s) {
            const std::wstring state(1, static_cast<wchar_t>(L'a' + s));
            theme.hide[s] = f + L"hide_" + state + L".png";
            theme.config[s] = f + L"config_" + state + L".png";
            theme.hangup[s] = f + L"hangup_" + state + L".png";
        }
        theme.online = f + L"online.png";
        theme.offline = f + L"offline.png";
        theme.unitLabel = f + L"unit.png";
        for (int level = 0; level < 6; ++level) theme.bars[level] = f + L"v" + std::to_wstring(level) + L".png";
        Place(SkinElement::Hide, 2, 2, 6, 6);
        Place(SkinElement::Config, 10, 2, 6, 6);
        Place(SkinElement::Hangup, 18, 2, 8, 4);
        Place(SkinElement::State, 30, 2, 8, 4);
        Place(SkinElement::Value, 40, 2, 8, 4);
        Place(SkinElement::Graph, 2, 20, 60, 6);
        in.theme = &theme;
        in.layout = &layout;
        in.texts = &texts;
        in.history = history.data();
        in.historyCount = 0;
        in.pictures = &cache;  // as the window draws: pictures kept from one drawing to the next
    }
    void Place(SkinElement e, int left, int top, int width, int height, bool visible = true) {
        PlaceOf(layout, e) = ElementPlace{visible, left, top, width, height};
    }
    std::unique_ptr<Frame> Compose() {
        auto frame = ComposeFrame(in);
        EXPECT_NE(frame, nullptr);
        return frame;
    }
    uint32_t Centre(const Frame& f, SkinElement e) const {
        const ElementPlace& p = PlaceOf(layout, e);
        return f.Pixel(p.left + p.width / 2, p.top + p.height / 2);
    }

    ThemeFolder dir;
    SkinTheme theme;
    SkinLayout layout{};
    DisplayTexts texts;
    std::array<int, kHistorySize> history{};
    PictureCache cache;
    FrameInput in;
};

TEST_F(FrameTest, CanvasHasTheBackgroundsSizeAndPixels) {
    auto f = Compose();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Width(), 80);
    EXPECT_EQ(f->Height(), 60);
    EXPECT_EQ(f->Pixel(79, 59), kFace);
    EXPECT_EQ(f->Pixel(50, 40), kFace);
}

TEST_F(FrameTest, TranslucentBackgroundComesOutPremultiplied) {
    dir.Png("half.png", 4, 4, 0x80FF0000);
    theme.face = dir.WFile("half.png");
    layout = SkinLayout{};
    auto f = Compose();
    ASSERT_NE(f, nullptr);
    const uint32_t p = f->Pixel(1, 1);
    EXPECT_EQ(p >> 24, 0x80u);
    EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), 0x80, 1);
    EXPECT_EQ(p & 0xFFFF, 0u);
}

TEST_F(FrameTest, IndexedColourBackgroundIsDrawnOn) {
    dir.Png("indexed.png", 40, 20, kFace, true);
    theme.face = dir.WFile("indexed.png");
    auto f = Compose();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Pixel(35, 15), kFace);
    EXPECT_EQ(Centre(*f, SkinElement::Hide), kRed);
}

TEST_F(FrameTest, ButtonPicturesFollowTheirStates) {
    in.online = true;
    const uint32_t byState[3] = {kRed, kGreen, kBlue};
    for (int s = 0; s < 3; ++s) {
        in.hideState = s;
        in.configState = (s + 1) % 3;
        in.hangupState = (s + 2) % 3;
        auto f = Compose();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(Centre(*f, SkinElement::Hide), byState[s]) << s;
        EXPECT_EQ(Centre(*f, SkinElement::Config), byState[(s + 1) % 3]) << s;
        EXPECT_EQ(Centre(*f, SkinElement::Hangup), byState[(s + 2) % 3]) << s;
    }
}

TEST_F(FrameTest, PicturesAreScaledIntoTheirWholeBox) {
    auto f = Compose();
    ASSERT_NE(f, nullptr);
    const ElementPlace& p = PlaceOf(layout, SkinElement::Hide);  // a 2x2 picture in a 6x6 box
    EXPECT_EQ(f->Pixel(p.left + 1, p.top + 1), kRed);
    EXPECT_EQ(f->Pixel(p.left + p.width - 2, p.top + p.height - 2), kRed);
    EXPECT_EQ(f->Pixel(p.left + p.width + 1, p.top + 1), kFace);
}

TEST_F(FrameTest, HangupButtonAndStatePictureFollowTheConnection) {
    struct Case { bool online, allowed, visible; uint32_t hangup, state; };
    const Case cases[] = {
        {true, true, true, kRed, kWhite},     {true, false, true, kFace, kWhite},
        {false, true, true, kFace, kYellow},  {false, false, true, kFace, kYellow},
        {true, true, false, kFace, kWhite},
    };
    for (const Case& c : cases) {
        in.online = c.online;
        in.hangupAllowed = c.allowed;
        PlaceOf(layout, SkinElement::Hangup).visible = c.visible;
        auto f = Compose();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(Centre(*f, SkinElement::Hangup), c.hangup) << c.online << c.allowed << c.visible;
        EXPECT_EQ(Centre(*f, SkinElement::State), c.state) << c.online << c.allowed << c.visible;
    }
}

TEST_F(FrameTest, HiddenOrMissingPicturesLeaveOnlyTheirElementOut) {
    PlaceOf(layout, SkinElement::Config).visible = false;
    theme.hide[0] = dir.WFile("nothing-here.png");
    auto f = Compose();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Centre(*f, SkinElement::Hide), kFace);
    EXPECT_EQ(Centre(*f, SkinElement::Config), kFace);
    EXPECT_EQ(Centre(*f, SkinElement::State), kYellow);
    EXPECT_EQ(Centre(*f, SkinElement::Value), kCyan);
}

TEST_F(FrameTest, MissingBackgroundGivesNoFrame) {
    theme.face = dir.WFile("gone.png");
    EXPECT_EQ(ComposeFrame(in), nullptr);
}

// Marks a file as written later than before, whatever the file system's clock resolution is.
void TouchLater(const std::wstring& path, int step) {
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FILETIME t{};
    GetFileTime(h, nullptr, nullptr, &t);
    ULARGE_INTEGER v{{t.dwLowDateTime, t.dwHighDateTime}};
    v.QuadPart += static_cast<ULONGLONG>(step) * 10000000ULL;
    t = {v.LowPart, v.HighPart};
    EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &t));
    CloseHandle(h);
}

TEST_F(FrameTest, KeptPicturesShowWhatTheirFilesHoldNow) {
    ASSERT_EQ(Centre(*Compose(), SkinElement::Hide), kRed);
    // A picture replaced while the program runs (same size on disk) shows from the next drawing on.
    dir.Png("hide_a.png", 2, 2, kCyan);
    TouchLater(theme.hide[0], 10);
    EXPECT_EQ(Centre(*Compose(), SkinElement::Hide), kCyan);
    // One that is gone is left out; when it comes back, it is drawn again.
    ASSERT_TRUE(DeleteFileW(theme.hide[0].c_str()));
    EXPECT_EQ(Centre(*Compose(), SkinElement::Hide), kFace);
    dir.Png("hide_a.png", 2, 2, kGreen);
    EXPECT_EQ(Centre(*Compose(), SkinElement::Hide), kGreen);
    // A file that is not a picture leaves its element out, and is read again once it is one.
    dir.Write("hide_a.png", "not a picture at all");
    TouchLater(theme.hide[0], 20);
    EXPECT_EQ(Centre(*Compose(), SkinElement::Hide), kFace);
    dir.Png("hide_a.png", 2, 2, kBlue);
    TouchLater(theme.hide[0], 30);
    EXPECT_EQ(Centre(*Compose(), SkinElement::Hide), kBlue);
}

TEST_F(FrameTest, KeptBackgroundFollowsItsFileAndLeavesItFree) {
    ASSERT_EQ(Compose()->Width(), 80);
    // No file of the theme stays open between drawings: each can be replaced or deleted.
    ASSERT_TRUE(DeleteFileW(theme.face.c_str()));
    EXPECT_EQ(ComposeFrame(in), nullptr);
    dir.Png("face.png", 50, 30, kWhite);
    auto f = Compose();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Width(), 50);
    EXPECT_EQ(f->Pixel(49, 29), kWhite);
}

TEST_F(FrameTest, GraphBarsFollowLevelsAndGeometry) {
    theme.bar = 2;
    theme.space = 1;
    theme.offset = -4;  // graph height 6: each bar 2 pixels lower than the one before
    const int levels[] = {0, 5, 3, 1};
    std::copy(std::begin(levels), std::end(levels), history.begin());
    history[4] = 4;  // beyond the count: not drawn
    in.historyCount = 4;
    auto f = Compose();
    ASSERT_NE(f, nullptr);
    const ElementPlace& g = PlaceOf(layout, SkinElement::Graph);
    for (int i = 0; i < 4; ++i) {
        // Bar i spans x .. x+1 and y .. y+5; its rim rows may round either way, its inside may not.
        const int x = g.left + 3 * i, y = g.top + 2 * i;
        const uint32_t colour = 0xFF000000u | static_cast<uint32_t>(0x10 * (levels[i] + 1));
        for (int dy = 1; dy <= 4; ++dy) {
            EXPECT_EQ(f->Pixel(x, y + dy), colour) << i << " " << dy;
            EXPECT_EQ(f->Pixel(x + 1, y + dy), colour) << i << " " << dy;
            EXPECT_EQ(f->Pixel(x + 2, y + dy), kFace) << i << " " << dy;  // the gap
        }
        EXPECT_EQ(f->Pixel(x, y + 7), kFace) << i;
        EXPECT_EQ(f->Pixel(x, y - 2), kFace) << i;
    }
    EXPECT_EQ(f->Pixel(g.left + 12, g.top + 8), kFace);
}

TEST_F(FrameTest, GraphNeverReadsPastTheHistory) {
    for (int& level : history) level = 5;
    in.historyCount = 100000;
    theme.bar = 1;
    theme.space = 0;
    theme.offset = -6;
    auto f = Compose();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Pixel(PlaceOf(layout, SkinElement::Graph).left + 50, 22), 0xFF000060u);
}

// Texts: white on the dark face, no shadow unless asked for.
class TextFrameTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        for (SkinElement e : {SkinElement::Hide, SkinElement::Config, SkinElement::Hangup, SkinElement::State,
                              SkinElement::Value, SkinElement::Graph})
            PlaceOf(layout, e).visible = false;
        for (SkinTextStyle& s : theme.text) {
            s.colorR = s.colorG = s.colorB = 255;
            s.shadowA = 0;
            s.shadow = 0;
        }
    }
    SkinTextStyle& Style(SkinText t) { return theme.text[static_cast<int>(t)]; }
    // The bounds of the pixels that differ from the face within rows top..bottom.
    static RECT Lit(const Frame& f, int top = 0, int bottom = 1 << 20) {
        RECT r{1 << 20, 1 << 20, -1, -1};
        for (int y = std::max(top, 0); y < std::min(bottom, f.Height()); ++y)
            for (int x = 0; x < f.Width(); ++x)
                if (f.Pixel(x, y) != kFace) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x);
                    r.bottom = std::max<LONG>(r.bottom, y);
                }
        return r;
    }
};

TEST_F(TextFrameTest, AlignmentIsTakenAgainstTheAnchorPoint) {
    struct Case { int align; int side; };  // side: -1 left of the anchor, 0 across it, 1 right of it
    const Case cases[] = {{0, 1}, {1, 0}, {2, -1}};
    texts.d_day = "888";
    Place(SkinElement::D_day, 40, 10, 0, 0);
    for (const Case& c : cases) {
        Style(SkinText::D_day).align = c.align;
        auto f = Compose();
        ASSERT_NE(f, nullptr);
        const RECT r = Lit(*f);
        ASSERT_GT(r.right, r.left) << c.align;
        // A glyph may reach a pixel or two past its advance.
        if (c.side > 0) {
            EXPECT_GE(r.left, 38) << c.align;
            EXPECT_GT(r.right, 46) << c.align;
        }
        if (c.side < 0) {
            EXPECT_LE(r.right, 42) << c.align;
            EXPECT_LT(r.left, 34) << c.align;
        }
        if (c.side == 0) {
            EXPECT_LT(r.left, 37);
            EXPECT_GT(r.right, 43);
            EXPECT_LE(std::abs((r.left + r.right) / 2 - 40), 2);
        }
        EXPECT_GE(r.top, 10) << c.align;
    }
}

TEST_F(TextFrameTest, UnknownAlignmentKeepsThePreviousTexts) {
    // Drawn in the order d_now, d_day: d_now sets far, d_day (7) keeps it; a first unknown one is near.
    texts.d_now = "88";
    texts.d_day = "88";
    Place(SkinElement::D_now, 40, 2, 0, 0);
    Place(SkinElement::D_day, 40, 30, 0, 0);
    Style(SkinText::D_now).align = 2;
    Style(SkinText::D_day).align = 7;
    auto f = Compose();
    ASSERT_NE(f, nullptr);
    EXPECT_LE(Lit(*f, 30).right, 42);
    EXPECT_LT(Lit(*f, 30).left, 36);

    Style(SkinText::D_now).align = -3;
    f = Compose();
    ASSERT_NE(f, nullptr);
    EXPECT_GE(Lit(*f, 0, 29).left, 38);
    EXPECT_GT(Lit(*f, 0, 29).right, 44);
}

TEST_F(TextFrameTest, ShadowIsTheSameTextMovedByItsOffset) {
    texts.speed = "5,0";
    Place(SkinElement::Speed, 10, 10, 0, 0);
    SkinTextStyle& s = Style(SkinText::Speed);
    s.align = 0;
    auto plain = Compose();
    ASSERT_NE(plain, nullptr);
    const RECT text = Lit(*plain);
    s.colorA = 0;  // only the shadow is seen
    s.shadowA = 255;
    s.shadow = 4;
    auto shadow = Compose();
    ASSERT_NE(shadow, nullptr);
    const RECT moved = Lit(*shadow);
    EXPECT_EQ(moved.left, text.left + 4);
    EXPECT_EQ(moved.top, text.top + 4);
    EXPECT_EQ(moved.right, text.right + 4);
    EXPECT_EQ(moved.bottom, text.bottom + 4);
}

TEST_F(TextFrameTest, ColourChannelsAreTheirLowBytes) {
    texts.d_month = "ЖЖЖ";
    Place(SkinElement::D_month, 2, 2, 0, 0);
    SkinTextStyle& s = Style(SkinText::D_month);
    s.align = 0;
    s.size = 20;
    s.colorA = 0x1FF;
    s.colorR = 0x140;
    s.colorG = 0x2080;
    s.colorB = -1;
    auto f = Compose();
    ASSERT_NE(f, nullptr);
    std::map<uint32_t, int> counts;
    for (int y = 0; y < f->Height(); ++y)
        for (int x = 0; x < f->Width(); ++x)
            if (f->Pixel(x, y) != kFace) ++counts[f->Pixel(x, y)];
    ASSERT_FALSE(counts.empty());
    auto most = std::max_element(counts.begin(), counts.end(),
                                 [](const auto& a, const auto& b) { return a.second < b.second; });
    EXPECT_EQ(most->first, 0xFF4080FFu);
}

TEST_F(TextFrameTest, HiddenTextIsNotDrawn) {
    texts.d_free = "888";
    Place(SkinElement::D_free, 10, 10, 0, 0, false);
    auto f = Compose();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Lit(*f).right, -1);
}

}  // namespace
}  // namespace quon
