// The appearance page in the real dialog: choosing and checking a theme, its contact links, and the
// tray icons loaded one by one or as a set, reset and saved.
#include <gtest/gtest.h>

#include <fstream>

#include "config/pages/interface/icon_set_file.h"
#include "config/pages/interface/theme_check.h"
#include "config/pages/common/theme_links.h"
#include "framework/ini_file.h"
#include "tests/unit/settings_dialog_fixture.h"

namespace quon::config {
namespace {

std::vector<std::string> Items(const SettingsPage& page, int id) {
    std::vector<std::string> items;
    for (int i = 0; i < page.ItemCount(id); ++i) items.push_back(page.ItemText(id, i));
    return items;
}

std::string WriteTheme(const OpenDialog& d, const std::string& name, const std::string& text) {
    const auto path = d.folder.Path() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

TEST(AppearancePage, ChosenThemeIsCheckedDescribedAndListed) {
    OpenDialog d(TestName());
    d.Show();
    PageInterface& p = d.form.tab_interface;
    EXPECT_TRUE(p.Checked(IDC_RAD_DEFAULT));
    EXPECT_FALSE(p.Enabled(IDC_EDT_SKIN));
    EXPECT_EQ(p.Text(IDC_NAME_SELECTED), " -");

    const std::string good = WriteTheme(d, "autumn.qsf",
        "[plugin]\r\ntype=skin\r\nhost=QUON TOLLEN\r\n[info]\r\nname=Осень\r\nversion=2\r\nweb=http://autumn.example/\r\n"
        "icq=12-34\r\nvariants=2\r\nvariant_0=день\r\nvariant_1=ночь\r\n[visibility]\r\nd_now=1\r\ngraph=1\r\n");
    p.SetChecked(IDC_RAD_DEFAULT, false);
    p.SetChecked(IDC_RAD_CUSTOM, true);
    p.Fire(IDC_RAD_CUSTOM, BN_CLICKED);
    EXPECT_TRUE(p.Enabled(IDC_EDT_SKIN));
    EXPECT_EQ(p.Text(IDC_EDT_SKIN), d.folder.Path().string() + "\\skins\\default\\skin.qsf");

    d.form.Enable(IDC_BTN_APPLY, false);
    p.edt_skinAfterDialog(good, true);
    EXPECT_TRUE(p.Checked(IDC_RAD_CUSTOM));
    EXPECT_TRUE(d.form.Enabled(IDC_BTN_APPLY));
    EXPECT_EQ(p.Text(IDC_NAME_SELECTED), " Осень,  версия 2");
    EXPECT_EQ(p.Text(IDC_PNL_VERSION), " версия 2");
    EXPECT_EQ(Items(p, IDC_BOX_VARIATIONS), (std::vector<std::string>{"ДЕНЬ", "НОЧЬ"}));
    EXPECT_EQ(Items(p, IDC_LST_VISIBILITY),
              (std::vector<std::string>{"", "БАЙТ  СКАЧАНО  ЗА  СОЕДИНЕНИЕ", "", "ГРАФИК  ТРАФИКА", ""}));
    p.OpenLink(IDC_PNL_WEB);
    p.OpenLink(IDC_PNL_ICQ);
    p.OpenLink(IDC_PNL_MAIL);  // the theme names no mail: the caption shows the maker's, a click opens nothing
    EXPECT_EQ(d.addresses, (std::vector<std::string>{"http://autumn.example/", std::string(kMessengerSearch) + "1234"}));
    EXPECT_TRUE(d.warnings.empty());
    EXPECT_TRUE(d.questions.empty());

    // A theme that names a program as its web site opens nothing.
    const std::string hostile = WriteTheme(d, "hostile.qsf",
        "[plugin]\r\ntype=skin\r\nhost=Quon Tollen\r\n[info]\r\nweb=C:\\windows\\system32\\calc.exe\r\n"
        "mail=\r\nicq=calc\r\n");
    p.edt_skinAfterDialog(hostile, true);
    d.addresses.clear();
    for (int id : {IDC_PNL_WEB, IDC_PNL_MAIL, IDC_PNL_ICQ}) p.OpenLink(id);
    EXPECT_TRUE(d.addresses.empty());

    // Cancelled dialog: nothing happens.
    p.edt_skinAfterDialog(good, false);
    EXPECT_EQ(p.Text(IDC_NAME_SELECTED), " ТЕМА  БЕЗ  НАЗВАНИЯ,  версия 1.0");
}

// Opening the dialog shows the theme the settings name, with its variants and shown elements.
TEST(AppearancePage, TheThemeReadComesWithItsOwnLists) {
    const std::vector<std::string> kDefaultVariant{kDefaultVariantName};
    const struct {
        const char* theme;  // the theme file's text; null: the settings name no theme, "-": a missing file
        const char* variation;
        bool builtIn;
        std::vector<std::string> variants;
        int selected;
        std::vector<std::string> elements;
    } rows[] = {
        {nullptr, "0", true, kDefaultVariant, 0, ThemeElements(kBuiltInThemeFile)},
        {"[plugin]\r\ntype=skin\r\nhost=Quon Tollen\r\n[info]\r\nvariants=2\r\nvariant_0=день\r\nvariant_1=ночь\r\n"
         "[visibility]\r\nd_now=1\r\ngraph=1\r\n",
         "1", false, {"ДЕНЬ", "НОЧЬ"}, 1, {"", "БАЙТ  СКАЧАНО  ЗА  СОЕДИНЕНИЕ", "", "ГРАФИК  ТРАФИКА", ""}},
        {"-", "0", false, kDefaultVariant, 0, {"", "", ""}},
    };
    int n = 0;
    for (const auto& r : rows) {
        OpenDialog d(TestName() + std::to_string(n++));
        test::Map settings{{{"skin", "variation"}, r.variation}};
        std::string file = kBuiltInThemeFile;
        if (r.theme) {
            file = (d.folder.Path() / "theme.qsf").string();
            if (std::string(r.theme) != "-") WriteTheme(d, "theme.qsf", r.theme);
            settings[{"skin", "file"}] = file;
        }
        test::WriteIni(d.Data(), settings);
        d.Show();
        const PageInterface& p = d.form.tab_interface;
        EXPECT_EQ(p.Checked(IDC_RAD_DEFAULT), r.builtIn) << n;
        EXPECT_EQ(p.Checked(IDC_RAD_CUSTOM), !r.builtIn) << n;
        EXPECT_EQ(p.Enabled(IDC_EDT_SKIN), !r.builtIn) << n;
        EXPECT_EQ(p.Text(IDC_EDT_SKIN), file) << n;
        EXPECT_EQ(Items(p, IDC_BOX_VARIATIONS), r.variants) << n;
        EXPECT_EQ(p.Index(IDC_BOX_VARIATIONS), r.selected) << n;
        EXPECT_EQ(Items(p, IDC_LST_VISIBILITY), r.elements) << n;
        EXPECT_FALSE(d.form.Enabled(IDC_BTN_APPLY)) << n;
    }
}

TEST(AppearancePage, RefusedThemesFallBackToTheBuiltInOne) {
    OpenDialog d(TestName());
    d.Show();
    PageInterface& p = d.form.tab_interface;
    const struct {
        const char* plugin;
        const char* warning;  // null: a question answered No
    } rows[] = {
        {"type=Skin\r\nhost=Quon Tollen\r\n", RefusalText(ThemeRefusal::NotATheme)},
        {"type=skin\r\nhost=Other\r\n", RefusalText(ThemeRefusal::OtherHost)},
        {"type=skin\r\nhost=Quon Tollen\r\ngeneration=3\r\n", nullptr},
        {"type=skin\r\nhost=Quon Tollen\r\nversion=4\r\n", nullptr},
    };
    int n = 0;
    for (const auto& r : rows) {
        p.SetChecked(IDC_RAD_DEFAULT, false);
        p.SetChecked(IDC_RAD_CUSTOM, true);
        p.Fire(IDC_RAD_CUSTOM, BN_CLICKED);
        d.warnings.clear();
        d.questions.clear();
        p.edt_skinAfterDialog(WriteTheme(d, "t" + std::to_string(n++) + ".qsf", std::string("[plugin]\r\n") + r.plugin), true);
        EXPECT_TRUE(p.Checked(IDC_RAD_DEFAULT)) << r.plugin;
        EXPECT_FALSE(p.Enabled(IDC_EDT_SKIN)) << r.plugin;
        EXPECT_EQ(p.Text(IDC_NAME_SELECTED), " Default, версия 1.0") << r.plugin;
        if (r.warning) {
            EXPECT_EQ(d.warnings, std::vector<std::string>{r.warning});
        } else {
            EXPECT_EQ(d.questions.size(), 1u) << r.plugin;
        }
    }
    // Yes to the question accepts the newer theme.
    d.answerYes = true;
    p.SetChecked(IDC_RAD_DEFAULT, false);
    p.SetChecked(IDC_RAD_CUSTOM, true);
    p.Fire(IDC_RAD_CUSTOM, BN_CLICKED);
    p.edt_skinAfterDialog(WriteTheme(d, "newer.qsf", "[plugin]\r\ntype=skin\r\nhost=Quon Tollen\r\ngeneration=3\r\n"), true);
    EXPECT_TRUE(p.Checked(IDC_RAD_CUSTOM));
}

TEST(AppearancePage, IconsOneByOneAsASetResetAndSaved) {
    OpenDialog d(TestName());
    d.Show();
    PageInterface& p = d.form.tab_interface;
    const int buttons[7] = {IDC_BTN_LOAD_O, IDC_BTN_LOAD_0, IDC_BTN_LOAD_1, IDC_BTN_LOAD_2,
                            IDC_BTN_LOAD_3, IDC_BTN_LOAD_4, IDC_BTN_LOAD_5};
    auto hints = [&] {
        IconPaths h;
        for (int i = 0; i < 7; ++i) h[i] = p.Hint(buttons[i]);
        return h;
    };
    const IconPaths defaults = DefaultIconFiles(d.folder.Path().string() + "\\");
    EXPECT_EQ(p.Tag(IDC_GRP_ICONS), 1);

    // One icon.
    d.chosenFile = ProgramIcon("lime.ico");
    p.btn_loadClick(3);
    EXPECT_EQ(d.fileDialogs.back().title, "Выбор иконки для индикатора (online : уровень 2)...");
    EXPECT_EQ(p.Hint(IDC_BTN_LOAD_2), ProgramIcon("lime.ico"));
    EXPECT_EQ(p.Tag(IDC_GRP_ICONS), 0);
    const auto notAnIcon = d.folder.Path() / "text.ico";
    std::ofstream(notAnIcon) << "text";
    d.chosenFile = notAnIcon.string();
    p.btn_loadClick(4);
    EXPECT_EQ(d.warnings, std::vector<std::string>{kIconLoadFailedText});
    EXPECT_NE(p.Hint(IDC_BTN_LOAD_3), notAnIcon.string());

    // A whole set, then saved and loaded back.
    IconPaths set;
    for (int i = 0; i < 7; ++i) set[i] = ProgramIcon(i == 6 ? "lime.ico" : "idle.ico");
    const std::string setFile = (d.folder.Path() / "mine.qof").string();
    ASSERT_TRUE(WriteIconSet(fw::IniFile(setFile), set));
    d.chosenFile = setFile;
    p.box_loadClick();
    EXPECT_EQ(hints(), set);
    EXPECT_EQ(p.Tag(IDC_GRP_ICONS), 0);
    d.chosenFile = (d.folder.Path() / "copy.qof").string();
    p.btn_saveClick();
    EXPECT_TRUE(d.fileDialogs.back().save);
    EXPECT_EQ(d.form.Text(IDC_HINT_TEXT), "Файл успешно сохранён.");
    EXPECT_EQ(ReadIconSetPaths(fw::IniFile(*d.chosenFile)), set);

    // The defaults alone leave Apply as it is.
    d.form.Enable(IDC_BTN_APPLY, false);
    p.btn_resetClick();
    EXPECT_EQ(p.Tag(IDC_GRP_ICONS), 1);
    EXPECT_EQ(hints(), defaults);
    EXPECT_FALSE(d.form.Enabled(IDC_BTN_APPLY));

    // A set with the wrong host is refused whole; one without icon_3 falls back to the defaults.
    const std::string otherHost = (d.folder.Path() / "other.qof").string();
    test::WriteIni(otherHost, {{{"info", "type"}, "iconset"}, {{"info", "host"}, "quon tollen"}});
    d.chosenFile = otherHost;
    d.warnings.clear();
    p.box_loadClick();
    EXPECT_EQ(d.warnings, std::vector<std::string>{IconSetRefusalText(IconSetRefusal::OtherHost)});
    EXPECT_FALSE(d.form.Enabled(IDC_BTN_APPLY));
    d.chosenFile = setFile;
    p.box_loadClick();
    WritePrivateProfileStringA("icons", "icon_3", nullptr, setFile.c_str());
    d.warnings.clear();
    p.box_loadClick();
    EXPECT_EQ(d.warnings, std::vector<std::string>{kIconSetLoadFailedText});
    EXPECT_EQ(hints(), defaults);
    EXPECT_EQ(p.Tag(IDC_GRP_ICONS), 1);
    EXPECT_TRUE(d.form.Enabled(IDC_BTN_APPLY));

    // A set that cannot be written is told.
    d.chosenFile = (d.folder.Path() / "no such folder" / "x.qof").string();
    d.warnings.clear();
    p.btn_saveClick();
    EXPECT_EQ(d.warnings, std::vector<std::string>{kIconSetSaveFailedText});
}

TEST(AppearancePage, AnimationOptions) {
    OpenDialog d(TestName());
    d.Show();
    PageInterface& p = d.form.tab_interface;
    EXPECT_FALSE(p.Enabled(IDC_BOX_RESET));
    p.SetChecked(IDC_BOX_ANIMATION, true);
    p.Fire(IDC_BOX_ANIMATION, BN_CLICKED);
    EXPECT_TRUE(p.Enabled(IDC_BOX_RESET));
    p.SetChecked(IDC_BOX_RESET, false);
    p.Fire(IDC_BOX_RESET, BN_CLICKED);
    EXPECT_NE(p.Text(IDC_BOX_ANIMATION).find("с 0 по 5"), std::string::npos);
    EXPECT_EQ(d.form.HintColour(), 0x0000FFu);
    p.SetChecked(IDC_BOX_RESET, true);
    p.Fire(IDC_BOX_RESET, BN_CLICKED);
    EXPECT_NE(p.Text(IDC_BOX_ANIMATION).find("с 1 по 5"), std::string::npos);
    // Unticking the animation keeps the other box's tick, which is saved as shown.
    p.SetChecked(IDC_BOX_ANIMATION, false);
    p.Fire(IDC_BOX_ANIMATION, BN_CLICKED);
    EXPECT_FALSE(p.Enabled(IDC_BOX_RESET));
    EXPECT_TRUE(p.Checked(IDC_BOX_RESET));
}

}  // namespace
}  // namespace quon::config
