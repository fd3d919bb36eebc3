#include "config/pages/interface/theme_check.h"

#include <gtest/gtest.h>

#include "config/pages/common/theme_links.h"
#include "tests/unit/skin_fixture.h"

namespace quon::config {
namespace {

using quon::test::ThemeFolder;

TEST(ThemeCheck, TypeHostGenerationAndVersion) {
    ThemeFolder dir;
    struct Row {
        const char* plugin;  // the [plugin] section's lines
        ThemeRefusal refusal;
        bool asksGeneration, asksVersion;
    };
    const Row rows[] = {
        {"type=skin\r\nhost=Quon Tollen\r\n", ThemeRefusal::None, false, false},
        {"type=skin\r\nhost=QUON TOLLEN\r\n", ThemeRefusal::None, false, false},  // host in any letter case
        {"type=Skin\r\nhost=Quon Tollen\r\n", ThemeRefusal::NotATheme, false, false},  // type exactly
        {"host=Quon Tollen\r\n", ThemeRefusal::NotATheme, false, false},
        {"type=skin\r\nhost=Other Meter\r\n", ThemeRefusal::OtherHost, false, false},
        {"type=skin\r\n", ThemeRefusal::OtherHost, false, false},
        {"type=skin\r\nhost=quon tollen\r\ngeneration=3\r\n", ThemeRefusal::None, true, false},
        {"type=skin\r\nhost=quon tollen\r\ngeneration=2\r\nversion=3\r\n", ThemeRefusal::None, false, false},
        {"type=skin\r\nhost=quon tollen\r\nversion=4\r\n", ThemeRefusal::None, false, true},
        {"type=skin\r\nhost=quon tollen\r\ngeneration=new\r\nversion=x\r\n", ThemeRefusal::None, false, false},
    };
    int n = 0;
    for (const Row& r : rows) {
        const std::string name = "t" + std::to_string(n++) + ".qsf";
        dir.Write(name, std::string("[plugin]\r\n") + r.plugin);
        const ThemeHeader h = ReadThemeHeader(fw::IniFile(dir.File(name)));
        EXPECT_EQ(RefusalOf(h), r.refusal) << r.plugin;
        EXPECT_EQ(AsksAboutGeneration(h), r.asksGeneration) << r.plugin;
        EXPECT_EQ(AsksAboutVersion(h), r.asksVersion) << r.plugin;
    }
    // A file that is not there reads empty: refused as not a theme.
    EXPECT_EQ(RefusalOf(ReadThemeHeader(fw::IniFile(dir.File("missing.qsf")))), ThemeRefusal::NotATheme);
}

TEST(ThemeCheck, Variants) {
    ThemeFolder dir;
    const std::string d = kDefaultVariantName;
    struct Row {
        const char* info;
        std::vector<std::string> want;
    };
    const Row rows[] = {
        {"", {d}},
        {"variants=0\r\n", {d}},
        {"variants=3\r\nvariant_1=вечерняя ёлка\r\n", {d, "ВЕЧЕРНЯЯ ЁЛКА", d}},
        {"variants=2\r\nvariant_0=day\r\nvariant_1=Night\r\n", {"DAY", "NIGHT"}},
        {"variants=-4\r\n", {}},
    };
    int n = 0;
    for (const Row& r : rows) {
        const std::string name = "v" + std::to_string(n++) + ".qsf";
        dir.Write(name, std::string("[info]\r\n") + r.info);
        EXPECT_EQ(ThemeVariants(dir.File(name)), r.want) << r.info;
    }
    EXPECT_EQ(ThemeVariants("Default"), std::vector<std::string>{d});
    // A huge count from the file is cut, not read up to two thousand million times.
    dir.Write("many.qsf", "[info]\r\nvariants=2000000000\r\n");
    EXPECT_EQ(ThemeVariants(dir.File("many.qsf")).size(), static_cast<size_t>(kMaxThemeVariants));
    // A name chosen with blanks comes in double quotes.
    dir.Write("with blank.qsf", "[info]\r\nvariants=1\r\nvariant_0=one\r\n");
    EXPECT_EQ(ThemeVariants("\"" + dir.File("with blank.qsf") + "\""), std::vector<std::string>{"ONE"});
}

TEST(ThemeCheck, ShownElements) {
    ThemeFolder dir;
    dir.Write("e.qsf", "[visibility]\r\nd_now=1\r\nd_day=0\r\nspeed=2\r\ngraph=abc\r\nstate=-1\r\nhangup=1\r\n");
    EXPECT_EQ(ThemeElements(dir.File("e.qsf")),
              (std::vector<std::string>{"", "БАЙТ  СКАЧАНО  ЗА  СОЕДИНЕНИЕ", "СКОРОСТЬ  ВХОДЯЩЕГО  ТРАФИКА", "",
                                        "ГРАФИК  СОСТОЯНИЯ", "", "КНОПКА  'ОТКЛЮЧИТЬСЯ'"}));
    EXPECT_EQ(ThemeElements(dir.File("missing.qsf")), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(ThemeElements("Default"),
              (std::vector<std::string>{"", "БАЙТ  СКАЧАНО  ЗА  ДЕНЬ", "БАЙТ  СКАЧАНО  ЗА  МЕСЯЦ", "", "ГРАФИК  ТРАФИКА",
                                        "ГРАФИК  СОСТОЯНИЯ", "", "КНОПКА  'СКРЬIТЬ'", "КНОПКА  'НАСТРОЙКИ'"}));
    // Only the exact word names the built-in theme.
    EXPECT_EQ(ThemeElements("default").size(), 3u);
}

TEST(ThemeCheck, Description) {
    ThemeFolder dir;
    dir.Write("full.qsf",
              "[info]\r\nname=Осень\r\nversion=2.5\r\nauthor=Мастер\r\nmail=m@x.example\r\nweb=http://x.example/\r\n"
              "icq=12-34\r\nps=Тёплая тема\r\n");
    ThemePanels p = DescribeTheme(fw::IniFile(dir.File("full.qsf")));
    EXPECT_EQ(p.selected, " Осень,  версия 2.5");
    EXPECT_EQ(p.name, " Осень");
    EXPECT_EQ(p.version, " версия 2.5");
    EXPECT_EQ(p.author, " Мастер");
    EXPECT_EQ(p.mail, " m@x.example");
    EXPECT_EQ(p.mailLink, "m@x.example");
    EXPECT_EQ(p.web, " http://x.example/");
    EXPECT_EQ(p.webLink, "http://x.example/");
    EXPECT_EQ(p.icq, " 12-34");
    EXPECT_EQ(p.icqLink, "12-34");
    EXPECT_EQ(p.ps, "Тёплая тема");

    dir.Write("bare.qsf", "[info]\r\nps=ок\r\n");
    p = DescribeTheme(fw::IniFile(dir.File("bare.qsf")));
    EXPECT_EQ(p.selected, " ТЕМА  БЕЗ  НАЗВАНИЯ,  версия 1.0");
    EXPECT_EQ(p.author, " ИНКОГНИТО");
    EXPECT_EQ(p.mail, std::string(" ") + kMakerMail);  // the caption shows the maker's address ...
    EXPECT_EQ(p.mailLink, "");                          // ... but a click opens nothing
    EXPECT_EQ(p.ps, " (без комментариев)");             // a remark under three characters

    p = BuiltInThemePanels();
    EXPECT_EQ(p.selected, " Default, версия 1.0");
    EXPECT_EQ(p.author, " Pelnor");
    EXPECT_EQ(p.icqLink, DigitsOnlyText(kMakerMessenger));
    EXPECT_EQ(p.ps, "");
}

}  // namespace
}  // namespace quon::config
