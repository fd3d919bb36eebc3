// The general options page in the real dialog: previews, hints, the level keys, the autostart choice
// (its effects recorded; the system's entry is tested against the running program) and the ignore list.
#include <gtest/gtest.h>

#include <functional>

#include "config/pages/options/level_thresholds.h"
#include "tests/unit/settings_dialog_fixture.h"

namespace quon::config {
namespace {

using Sent = std::vector<std::pair<int, std::string>>;

TEST(GeneralPage, PositionAndOpacityPreviewsReachTheMainWindow) {
    OpenDialog d(TestName());
    d.Show();
    EXPECT_TRUE(d.sent.empty());  // nothing is sent while the dialog fills its controls
    PageOptions& p = d.form.tab_options;
    p.SetText(IDC_EDT_X, "7");
    p.SetText(IDC_EDT_Y, "1234");
    p.SetText(IDC_EDT_X, "123456");
    d.form.tab_interface.SetPosition(IDC_BAR_OPACITY, 0);
    d.form.tab_interface.bar_opacityChange();
    d.form.tab_interface.SetPosition(IDC_BAR_OPACITY, 200);
    d.form.tab_interface.bar_opacityChange();
    EXPECT_EQ(d.sent, (Sent{{1, "00007:00100"}, {1, "00007:01234"}, {1, ":01234"}, {2, "255"}, {2, "55"}}));
    EXPECT_TRUE(d.form.Enabled(IDC_BTN_APPLY));
}

TEST(GeneralPage, OptionHintsByKindAndText) {
    OpenDialog d(TestName());
    d.Show();
    PageOptions& p = d.form.tab_options;
    auto click = [&](int id, bool on) {
        p.SetChecked(id, on);
        p.Fire(id, BN_CLICKED);
    };
    auto pick = [&](int id, int index) {
        p.SetIndex(id, index);
        p.Fire(id, CBN_SELCHANGE);
    };
    struct Row {
        const char* what;
        std::function<void()> act;
        COLORREF colour;  // of the kind: red 1 and 2, blue 3, lime 4; 0 for a cleared hint
        const char* start;
    };
    const Row rows[] = {
        {"interval first", [&] { pick(IDC_BOX_INTERVAL, 0); }, 0x0000FF, "Внимание! Слишком короткий"},
        {"interval other", [&] { pick(IDC_BOX_INTERVAL, 3); }, 0, ""},
        {"fade first", [&] { pick(IDC_BOX_FADE, 0); }, 0x0000FF, "Внимание! Время проявления"},
        {"fade other", [&] { pick(IDC_BOX_FADE, 6); }, 0, ""},
        {"protection off", [&] { click(IDC_BOX_PROTECTION, false); }, 0x0000FF, "Внимание! Крайне"},
        {"ontop on", [&] { click(IDC_BOX_ONTOP, true); }, 0xFF0000, "Внимание! Изменения вступят"},
        {"reinit with ontop", [&] { click(IDC_BOX_REINIT, true); }, 0x0000FF, "Внимание! Нерекомендуется использовать"},
        {"ontop off", [&] { click(IDC_BOX_ONTOP, false); }, 0x0000FF, "Внимание! Изменения вступят"},
        {"reinit without ontop", [&] { click(IDC_BOX_REINIT, true); }, 0xFF0000, "Функция реинициализации"},
        {"idle hang-up", [&] { click(IDC_BOX_HANGUP_IDLE, true); }, 0x00FF00, "Отключение будет"},
        {"method", [&] { pick(IDC_BOX_METHOD, 0); }, 0x00FF00, "Метод «RAS Connection Statistics»"},
        {"language", [&] { p.img_languageClick(); }, 0x00FF00, "Единицы измерения скорости будут отображены на английском"},
        {"language back", [&] { p.img_languageClick(); }, 0x00FF00, "Единицы измерения скорости будут отображены на русском"},
    };
    for (const Row& r : rows) {
        d.form.Enable(IDC_BTN_APPLY, false);
        r.act();
        EXPECT_TRUE(d.form.Enabled(IDC_BTN_APPLY)) << r.what;
        const std::string text = d.form.Text(IDC_HINT_TEXT);
        EXPECT_EQ(text.rfind(r.start, 0), 0u) << r.what << ": " << text;
        if (r.colour) {
            EXPECT_EQ(d.form.HintColour(), r.colour) << r.what;
        } else {
            EXPECT_TRUE(text.empty()) << r.what;
        }
    }
    // Without "on top" the re-initialisation is not needed and the box unticks itself.
    EXPECT_FALSE(p.Checked(IDC_BOX_REINIT));
    EXPECT_TRUE(p.Enabled(IDC_EDT_IDLE));
    EXPECT_FALSE(p.Enabled(IDC_BOX_INTERVAL));  // protection off takes its interval with it
}

TEST(GeneralPage, AStoredHideDelayCanBeChangedAtOnce) {
    struct Case {
        const char* stored;  // [visibility] hide, or null for none (the default 1)
        bool on;
    } cases[] = {{nullptr, true}, {"1", true}, {"30", true}, {"0", false}, {"-3", false}};
    for (const Case& c : cases) {
        OpenDialog d(TestName());
        if (c.stored) test::WriteIni(d.Data(), {{{"visibility", "hide"}, c.stored}});
        d.Show();
        PageOptions& p = d.form.tab_options;
        const std::string what = c.stored ? c.stored : "default";
        EXPECT_EQ(p.Checked(IDC_BOX_DISCONNECT), c.on) << what;
        EXPECT_EQ(p.Enabled(IDC_EDT_HIDE), c.on) << what;
        EXPECT_EQ(p.Enabled(IDC_UDN_HIDE), c.on) << what;
    }
}

TEST(GeneralPage, HideAfterDisconnectIdleHangUpAndDecimals) {
    OpenDialog d(TestName());
    test::WriteIni(d.Data(), {{{"visibility", "hide"}, "0"}, {{"data", "units"}, "0"}});
    d.Show();
    PageOptions& p = d.form.tab_options;
    EXPECT_FALSE(p.Checked(IDC_BOX_DISCONNECT));
    EXPECT_FALSE(p.Enabled(IDC_EDT_HIDE));
    EXPECT_FALSE(p.Enabled(IDC_EDT_FLOAT));  // bytes have no decimals
    p.SetChecked(IDC_BOX_DISCONNECT, true);
    p.Fire(IDC_BOX_DISCONNECT, BN_CLICKED);
    EXPECT_EQ(p.Text(IDC_EDT_HIDE), "5");
    EXPECT_TRUE(p.Enabled(IDC_EDT_HIDE));
    p.SetChecked(IDC_BOX_DISCONNECT, false);
    p.Fire(IDC_BOX_DISCONNECT, BN_CLICKED);
    EXPECT_EQ(p.Text(IDC_EDT_HIDE), "0");
    EXPECT_FALSE(p.Enabled(IDC_EDT_HIDE));
    // The idle hang-up was off ("0"): ticking it starts from five minutes, saved as shown.
    EXPECT_EQ(p.Text(IDC_EDT_IDLE), "0");
    p.SetChecked(IDC_BOX_HANGUP_IDLE, true);
    p.Fire(IDC_BOX_HANGUP_IDLE, BN_CLICKED);
    EXPECT_EQ(p.Text(IDC_EDT_IDLE), "5");
    d.form.btn_applyClick();
    EXPECT_EQ(test::ReadIni(d.Data(), "events", "hangup"), "5");
    p.SetIndex(IDC_BOX_SPEED, 2);
    p.Fire(IDC_BOX_SPEED, CBN_SELCHANGE);  // either list follows the traffic unit
    EXPECT_FALSE(p.Enabled(IDC_EDT_FLOAT));
    p.SetIndex(IDC_BOX_UNITS, 1);
    p.Fire(IDC_BOX_UNITS, CBN_SELCHANGE);
    EXPECT_TRUE(p.Enabled(IDC_EDT_FLOAT));
}

TEST(GeneralPage, LevelKeysAndTheOrderWarning) {
    OpenDialog d(TestName());
    d.Show();
    PageOptions& p = d.form.tab_options;
    struct Row {
        int edit;
        const char* before;
        WPARAM key;
        const char* after;
    };
    const Row rows[] = {
        {IDC_EDT_C, "3", VK_HOME, "25000"},
        {IDC_EDT_B, "30", VK_NEXT, "1"},
        {IDC_EDT_E, "25600", VK_PRIOR, "25650"},
        {IDC_EDT_A, "400", VK_END, "1"},
    };
    for (const Row& r : rows) {
        p.SetText(r.edit, r.before);
        d.form.Enable(IDC_BTN_APPLY, false);
        SendMessageW(p.Item(r.edit), WM_KEYDOWN, r.key, 0);
        EXPECT_EQ(p.Text(r.edit), r.after) << r.before;
        EXPECT_TRUE(d.form.Enabled(IDC_BTN_APPLY)) << r.before;
    }
    const int edits[] = {IDC_EDT_A, IDC_EDT_B, IDC_EDT_C, IDC_EDT_D, IDC_EDT_E};
    const char* inOrder[] = {"1", "2", "2", "4", "5"};
    for (int i = 0; i < 5; ++i) p.SetText(edits[i], inOrder[i]);
    EXPECT_EQ(d.form.Text(IDC_HINT_TEXT), "");
    p.SetText(IDC_EDT_B, "3");  // 1, 3, 2, 4, 5
    EXPECT_EQ(d.form.Text(IDC_HINT_TEXT), kLevelOrderWarning);
    EXPECT_EQ(d.form.HintColour(), 0xFF0000u);
    // Saved as they stand, in bytes.
    d.form.btn_applyClick();
    EXPECT_EQ(test::ReadIni(d.Data(), "bytes", "level_2"), "3072");
    EXPECT_EQ(test::ReadIni(d.Data(), "bytes", "level_3"), "2048");
}

TEST(GeneralPage, AutostartChoiceAndFailures) {
    OpenDialog d(TestName());
    d.Show();
    PageOptions& p = d.form.tab_options;
    // Nothing found at opening: the handler ran once, removing every place, and chose the user's Run value.
    ASSERT_EQ(d.autostart.size(), 1u);
    EXPECT_EQ(d.autostart[0], (std::pair<bool, AutostartPlace>{false, AutostartPlace::UserRun}));
    EXPECT_FALSE(p.Enabled(IDC_RAD_USER_REG));
    auto choose = [&](int radio) {
        for (int id : {IDC_RAD_USER_REG, IDC_RAD_MACHINE_REG, IDC_RAD_USER_LNK, IDC_RAD_MACHINE_LNK})
            p.SetChecked(id, id == radio);
        p.Fire(radio, BN_CLICKED);
    };
    p.SetChecked(IDC_BOX_AUTOSTART, true);
    p.Fire(IDC_BOX_AUTOSTART, BN_CLICKED);
    choose(IDC_RAD_MACHINE_LNK);
    EXPECT_EQ(d.autostart.back(), (std::pair<bool, AutostartPlace>{true, AutostartPlace::CommonLink}));
    for (int id : {IDC_RAD_USER_REG, IDC_RAD_MACHINE_REG, IDC_RAD_USER_LNK, IDC_RAD_MACHINE_LNK, IDC_BOX_REINIT})
        EXPECT_TRUE(p.Enabled(id)) << id;

    // A Run value that cannot be written is told, and its two places are closed.
    d.autostartResult = {true, false};
    choose(IDC_RAD_MACHINE_REG);
    EXPECT_FALSE(p.Enabled(IDC_RAD_USER_REG));
    EXPECT_FALSE(p.Enabled(IDC_RAD_MACHINE_REG));
    EXPECT_TRUE(p.Checked(IDC_BOX_AUTOSTART));
    EXPECT_EQ(d.form.Text(IDC_HINT_TEXT).rfind("Внимание! Не удалось записать автозапуск в реестр", 0), 0u);
    EXPECT_EQ(d.form.HintColour(), 0x0000FFu);
    // A shortcut that cannot be saved closes the two shortcut places; the Run values may be tried again.
    d.autostartResult = {false, true};
    choose(IDC_RAD_USER_LNK);
    EXPECT_FALSE(p.Enabled(IDC_RAD_USER_LNK));
    EXPECT_FALSE(p.Enabled(IDC_RAD_MACHINE_LNK));
    EXPECT_TRUE(p.Enabled(IDC_RAD_USER_REG));
    EXPECT_TRUE(p.Checked(IDC_BOX_AUTOSTART));
    EXPECT_EQ(d.form.Text(IDC_HINT_TEXT).rfind("Внимание! Не удалось создать ярлык", 0), 0u);
    // No Startup folder named and no Run value writable: no place is left, so the box unticks.
    const std::string commonLink = d.form.commonStartupLink;
    d.form.userStartupLink.clear();
    d.form.commonStartupLink.clear();
    d.autostartResult = {true, false};
    choose(IDC_RAD_USER_REG);
    EXPECT_FALSE(p.Checked(IDC_BOX_AUTOSTART));
    d.form.commonStartupLink = commonLink;

    // A Startup folder the system does not name offers no shortcut there.
    d.autostartResult = {};
    d.form.userStartupLink.clear();
    p.SetChecked(IDC_BOX_AUTOSTART, true);
    choose(IDC_RAD_USER_REG);
    EXPECT_FALSE(p.Enabled(IDC_RAD_USER_LNK));
    EXPECT_TRUE(p.Enabled(IDC_RAD_MACHINE_LNK));
    // Unticked: every place goes, the choices close.
    p.SetChecked(IDC_BOX_AUTOSTART, false);
    p.Fire(IDC_BOX_AUTOSTART, BN_CLICKED);
    EXPECT_FALSE(d.autostart.back().first);
    EXPECT_FALSE(p.Enabled(IDC_RAD_USER_REG));
    EXPECT_FALSE(p.Enabled(IDC_BOX_REINIT));
}

TEST(GeneralPage, IgnoredEntriesAddedTwiceAndRemoved) {
    OpenDialog d(TestName());
    d.Show();
    PageEvents& p = d.form.tab_events;
    p.SetText(IDC_EDT_ENTRY, "Работа");
    p.btn_ignoreClick();
    p.btn_ignoreClick();
    ASSERT_EQ(p.ItemCount(IDC_EDT_IGNORE), 2);
    EXPECT_EQ(p.ItemText(IDC_EDT_IGNORE, 1), "Работа");
    EXPECT_EQ(d.form.Text(IDC_HINT_TEXT), "Активные соединения по учётной записи «Работа» буду проигнорированы программой.");
    p.SetIndex(IDC_EDT_IGNORE, 0);
    p.sub_removeClick();
    EXPECT_EQ(p.ItemCount(IDC_EDT_IGNORE), 1);
    EXPECT_EQ(d.form.Text(IDC_HINT_TEXT), "Учётная запись «Работа» была удалена из списка исключений.");
    p.SetText(IDC_EDT_ENTRY, "");
    p.btn_ignoreClick();  // nothing to add
    EXPECT_EQ(p.ItemCount(IDC_EDT_IGNORE), 1);
    d.form.btn_applyClick();
    EXPECT_EQ(test::ReadIni(d.Data(), "ignore", "items"), "1");
}

}  // namespace
}  // namespace quon::config
