#include "engine/skin_theme.h"

#include <gtest/gtest.h>

#include <optional>

#include "framework/program_folder.h"
#include "framework/text.h"
#include "mainwindow/main_form.h"
#include "tests/unit/skin_fixture.h"

namespace quon {
namespace {

using test::ThemeFolder;

std::wstring W(const std::string& s) { return fw::Widen(s); }

TEST(SkinTheme, ThemeWithoutDescriptionTakesEveryDefault) {
    ThemeFolder dir;
    dir.Png("face.png", 4, 4, 0xFFFFFFFF);
    SkinLoadError error;
    auto skin = ReadSkin(dir.File("skin.qsf"), 0, 2, "", &error);
    ASSERT_TRUE(skin.has_value());
    EXPECT_EQ(error, SkinLoadError::None);
    const SkinTheme& t = skin->theme;
    const std::string f = dir.Path();
    EXPECT_EQ(t.face, W(f + "face.png"));
    EXPECT_EQ(t.hide[0], W(f + "hide_a.png"));
    EXPECT_EQ(t.hide[2], W(f + "hide_c.png"));
    EXPECT_EQ(t.config[1], W(f + "config_b.png"));
    EXPECT_EQ(t.hangup[2], W(f + "hangup_c.png"));
    EXPECT_EQ(t.online, W(f + "online.png"));
    EXPECT_EQ(t.offline, W(f + "offline.png"));
    for (int level = 0; level < 6; ++level) EXPECT_EQ(t.bars[level], W(f + "v" + std::to_string(level) + ".png"));
    EXPECT_EQ(t.unitLabel, W(f + "mb.png"));
    EXPECT_FALSE(t.smooth);
    EXPECT_EQ(t.bar, 3);
    EXPECT_EQ(t.space, 1);
    EXPECT_EQ(t.offset, -9);
    EXPECT_EQ(skin->historyCount, 30);
    for (const SkinTextStyle& s : t.text) {
        EXPECT_EQ(s.size, 10);
        EXPECT_EQ(s.align, 2);
        EXPECT_EQ(s.shadow, 1);
        EXPECT_EQ((std::array{s.colorA, s.colorR, s.colorG, s.colorB}), (std::array{255, 0, 0, 0}));
        EXPECT_EQ((std::array{s.shadowA, s.shadowR, s.shadowG, s.shadowB}), (std::array{255, 255, 255, 255}));
        EXPECT_TRUE(s.bold);
        EXPECT_EQ(s.font, L"Arial");
    }
    struct Box { SkinElement e; bool visible; int width, height, top, left; };
    const Box boxes[] = {
        {SkinElement::Hide, true, 10, 10, 3, 128},   {SkinElement::Config, true, 10, 10, 3, 116},
        {SkinElement::Hangup, false, 22, 10, 15, 3}, {SkinElement::State, true, 22, 10, 3, 3},
        {SkinElement::Value, true, 22, 10, 15, 116}, {SkinElement::Graph, true, 119, 9, 28, 11},
        {SkinElement::D_now, false, 0, 0, 0, 0},     {SkinElement::U_now, false, 0, 0, 0, 0},
        {SkinElement::D_day, true, 0, 0, 1, 111},    {SkinElement::D_month, true, 0, 0, 13, 111},
        {SkinElement::U_month, false, 0, 0, 13, 111}, {SkinElement::D_free, true, 0, 0, 0, 0},
        {SkinElement::U_free, false, 0, 0, 0, 0},    {SkinElement::Speed, false, 0, 0, 0, 0},
        {SkinElement::Upload, false, 0, 0, 0, 0},
    };
    for (const Box& b : boxes) {
        const ElementPlace& p = PlaceOf(skin->layout, b.e);
        EXPECT_EQ(p.visible, b.visible) << SkinElementKey(b.e);
        EXPECT_EQ((std::array{p.width, p.height, p.top, p.left}), (std::array{b.width, b.height, b.top, b.left}))
            << SkinElementKey(b.e);
    }
}

TEST(SkinTheme, DescriptionValuesReplaceTheDefaults) {
    ThemeFolder dir;
    dir.Png("back.png", 4, 4, 0xFFFFFFFF);
    dir.Write("my.qsf",
              "[info]\r\nsmooth=1\r\n[images]\r\nface_0=back.png\r\nhide_b=h.png\r\nbar_3=sub\\three.png\r\n"
              "[visibility]\r\nhangup=1\r\nd_day=0\r\nupload=1\r\n"
              "[data.upload]\r\nleft=7\r\ntop=8\r\nwidth=9\r\nheight=10\r\nsize=12\r\nalign=0\r\nshadow=3\r\n"
              "color_r=300\r\nshadow_a=0\r\nbold=0\r\nfont=Tahoma\r\n"
              "[data.graph]\r\nbar=2\r\nspace=4\r\nbars=45\r\nheight=12\r\n");
    auto skin = ReadSkin(dir.File("my.qsf"), 0, 0, "");
    ASSERT_TRUE(skin.has_value());
    const SkinTheme& t = skin->theme;
    EXPECT_EQ(t.face, W(dir.File("back.png")));
    EXPECT_EQ(t.hide[1], W(dir.File("h.png")));
    EXPECT_EQ(t.bars[3], W(dir.File("sub\\three.png")));
    EXPECT_TRUE(t.smooth);
    EXPECT_TRUE(PlaceOf(skin->layout, SkinElement::Hangup).visible);
    EXPECT_FALSE(PlaceOf(skin->layout, SkinElement::D_day).visible);
    const ElementPlace& up = PlaceOf(skin->layout, SkinElement::Upload);
    EXPECT_TRUE(up.visible);
    EXPECT_EQ((std::array{up.left, up.top, up.width, up.height}), (std::array{7, 8, 9, 10}));
    const SkinTextStyle& s = t.text[static_cast<int>(SkinText::Upload)];
    EXPECT_EQ((std::array{s.size, s.align, s.shadow, s.colorR, s.shadowA}), (std::array{12, 0, 3, 300, 0}));
    EXPECT_FALSE(s.bold);
    EXPECT_EQ(s.font, L"Tahoma");
    EXPECT_EQ(t.text[static_cast<int>(SkinText::Speed)].font, L"Arial");
    EXPECT_EQ((std::array{t.bar, t.space, t.offset}), (std::array{2, 4, -12}));  // offset follows the height
    EXPECT_EQ(skin->historyCount, 45);
}

TEST(SkinTheme, FaceVariantFollowsTheVariantCount) {
    struct Case { const char* variants; int64_t variation; const char* face; };
    const Case cases[] = {
        {"1", 2, "f0.png"}, {"1", 1, "f1.png"}, {nullptr, 1, "f0.png"}, {"3", 0, "f0.png"}, {"3", -1, "face.png"},
    };
    for (const Case& c : cases) {
        ThemeFolder dir;
        for (const char* f : {"f0.png", "f1.png", "face.png"}) dir.Png(f, 2, 2, 0xFFFFFFFF);
        std::string qsf = "[images]\r\nface_0=f0.png\r\nface_1=f1.png\r\n";
        if (c.variants) qsf += std::string("[info]\r\nvariants=") + c.variants + "\r\n";
        dir.Write("skin.qsf", qsf);
        auto skin = ReadSkin(dir.File("skin.qsf"), c.variation, 2, "");
        ASSERT_TRUE(skin.has_value());
        EXPECT_EQ(skin->theme.face, W(dir.File(c.face))) << (c.variants ? c.variants : "-") << " / " << c.variation;
    }
}

TEST(SkinTheme, UnitLabelFollowsTheWindowUnit) {
    struct Case { int64_t units; const char* label; };
    const Case cases[] = {{0, "b.png"}, {1, "kilo.png"}, {2, "mb.png"}, {3, "b.png"}, {-1, "b.png"}};
    ThemeFolder dir;
    dir.Png("face.png", 2, 2, 0xFFFFFFFF);
    dir.Write("skin.qsf", "[images]\r\nkb=kilo.png\r\n");
    for (const Case& c : cases) {
        auto skin = ReadSkin(dir.File("skin.qsf"), 0, c.units, "");
        ASSERT_TRUE(skin.has_value());
        EXPECT_EQ(skin->theme.unitLabel, W(dir.File(c.label))) << c.units;
    }
}

TEST(SkinTheme, GraphBarCountIsKeptWithinTheHistory) {
    struct Case { const char* bars; int count; };
    const Case cases[] = {{"0", 1}, {"-5", 1}, {"1", 1}, {"300", 300}, {"301", 300}, {"99999999999", 300},
                          {"abc", 30}};
    ThemeFolder dir;
    dir.Png("face.png", 2, 2, 0xFFFFFFFF);
    for (const Case& c : cases) {
        dir.Write("skin.qsf", std::string("[data.graph]\r\nbars=") + c.bars + "\r\noffset=5\r\n");
        auto skin = ReadSkin(dir.File("skin.qsf"), 0, 2, "");
        ASSERT_TRUE(skin.has_value());
        EXPECT_EQ(skin->historyCount, c.count) << c.bars;
        EXPECT_EQ(skin->theme.offset, 5);
    }
}

TEST(SkinTheme, BuiltInThemeIsFoundInAnyLetterCase) {
    ThemeFolder program;
    SkinLoadError error;
    EXPECT_FALSE(ReadSkin("default", 0, 2, program.Path(), &error).has_value());
    EXPECT_EQ(error, SkinLoadError::BuiltInFaceMissing);

    program.MakeFolder("skins");
    program.MakeFolder("skins\\default");
    program.Png("skins\\default\\face.png", 2, 2, 0xFFFFFFFF);
    for (const char* name : {"default", "Default", "DEFAULT", "dEfAuLt"}) {
        auto skin = ReadSkin(name, 0, 1, program.Path(), &error);
        ASSERT_TRUE(skin.has_value()) << name;
        EXPECT_EQ(skin->theme.face, W(program.File("skins\\default\\face.png")));
        EXPECT_EQ(skin->theme.unitLabel, W(program.File("skins\\default\\kb.png")));
    }
    // Any other name is a description file path.
    EXPECT_FALSE(ReadSkin("defaults", 0, 1, program.Path(), &error).has_value());
    EXPECT_EQ(error, SkinLoadError::FaceMissing);
}

TEST(SkinTheme, MissingFacePictureFailsTheLoad) {
    ThemeFolder dir;
    dir.Png("face.png", 2, 2, 0xFFFFFFFF);
    dir.Write("skin.qsf", "[info]\r\nvariants=1\r\n[images]\r\nface_1=gone.png\r\n");
    SkinLoadError error;
    EXPECT_FALSE(ReadSkin(dir.File("skin.qsf"), 1, 2, "", &error).has_value());
    EXPECT_EQ(error, SkinLoadError::FaceMissing);
    EXPECT_TRUE(ReadSkin(dir.File("skin.qsf"), 0, 2, "", &error).has_value());  // face_0 defaults to face.png
}

TEST(SkinTheme, PlacesOffsetsAndSizesAreHeldToASaneRange) {
    // Values at and past the 32-bit limits, as a careless or hostile theme file may hold them.
    struct Case { const char* section; const char* key; const char* value; int want; };
    const Case cases[] = {
        {"data.d_day", "top", "2147483647", kMostSkinExtent},
        {"data.d_day", "left", "-2147483648", -kMostSkinExtent},
        {"data.d_day", "top", "99999999999", kMostSkinExtent},
        {"data.d_day", "top", "-40", -40},  // an ordinary value stays
        {"data.hide", "width", "2147483647", kMostSkinExtent},
        {"data.hide", "height", "-7", 0},
        {"data.graph", "bar", "2147483647", kMostSkinExtent},
        {"data.graph", "space", "-2147483648", -kMostSkinExtent},
        {"data.graph", "offset", "2147483647", kMostSkinExtent},
        {"data.d_day", "shadow", "2147483647", kMostSkinExtent},
        {"data.d_day", "shadow", "-2147483648", -kMostSkinExtent},
        {"data.d_day", "size", "2147483647", kMostTextPoints},
        {"data.d_day", "size", "-3", 0},
        {"data.d_day", "size", "14", 14},
    };
    ThemeFolder dir;
    dir.Png("face.png", 2, 2, 0xFFFFFFFF);
    const int dDay = static_cast<int>(SkinText::D_day);
    for (const Case& c : cases) {
        dir.Write("skin.qsf", std::string("[") + c.section + "]\r\n" + c.key + "=" + c.value + "\r\n");
        auto skin = ReadSkin(dir.File("skin.qsf"), 0, 2, "");
        ASSERT_TRUE(skin.has_value());
        const std::string key = c.key, section = c.section;
        const ElementPlace& place = section == "data.hide" ? PlaceOf(skin->layout, SkinElement::Hide)
                                                           : PlaceOf(skin->layout, SkinElement::D_day);
        const SkinTextStyle& style = skin->theme.text[dDay];
        const int got = key == "top" ? place.top : key == "left" ? place.left : key == "width" ? place.width
                      : key == "height" ? place.height : key == "bar" ? skin->theme.bar
                      : key == "space" ? skin->theme.space : key == "offset" ? skin->theme.offset
                      : key == "shadow" ? style.shadow : style.size;
        EXPECT_EQ(got, c.want) << c.section << " " << c.key << "=" << c.value;
    }
}

// A background that is missing or cannot be drawn fails the load, which changes nothing.
TEST(SkinTheme, FailedLoadLeavesTheWindowsThemeAsItWas) {
    struct Case { const char* what; std::optional<std::string> bytes; };
    const Case cases[] = {
        {"missing", std::nullopt},
        {"empty file", ""},
        {"text", "this is not a picture"},
        {"cut PNG signature", std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16)},
    };
    ThemeFolder dir;
    dir.Png("face.png", 2, 2, 0xFFFFFFFF);
    dir.Write("good.qsf", "[visibility]\r\nhangup=1\r\n[data.graph]\r\nbars=12\r\n[data.hide]\r\nleft=40\r\n");
    dir.Write("bad.qsf", "[images]\r\nface_0=broken.png\r\n[data.graph]\r\nbars=99\r\n[data.hide]\r\nleft=1\r\n");
    Tfrm_quonm form("");
    ASSERT_TRUE(form.LoadSkin(dir.File("good.qsf"), 0, false));
    for (const Case& c : cases) {
        DeleteFileA(dir.File("broken.png").c_str());
        if (c.bytes) dir.Write("broken.png", *c.bytes);
        EXPECT_FALSE(form.LoadSkin(dir.File("bad.qsf"), 0, false)) << c.what;
        EXPECT_EQ(form.skin.face, W(dir.File("face.png"))) << c.what;
        EXPECT_EQ(form.eng.historyCount, 12) << c.what;
        EXPECT_EQ(PlaceOf(form.skinLayout, SkinElement::Hide).left, 40) << c.what;
        EXPECT_TRUE(PlaceOf(form.skinLayout, SkinElement::Hangup).visible) << c.what;
    }
}

}  // namespace
}  // namespace quon
