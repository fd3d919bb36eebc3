// The settings dialog in this process, from its templates linked into the test program: its frame, the
// hint panel, help, and reading and saving through the real controls in a program folder of its own.
#include <gtest/gtest.h>

#include "config/pages/common/page_controls.h"
#include "config/pages/data/period_part.h"
#include "config/dialog/settings_dialog.h"
#include "controls/calendar_view.h"
#include "controls/date_edit.h"
#include "controls/popup_calendar.h"
#include "tests/controls/probes.h"
#include "tests/unit/settings_dialog_fixture.h"

namespace quon::config {
namespace {

// The user types a counter in bytes: the unit list to bytes, the row's toggle, the text, Enter.
void TypeCounter(StatisticsPart& stats, int field, const std::string& bytes) {
    HWND p = stats.Handle();
    SendMessageW(GetDlgItem(p, StatisticsPart::idUnits), CB_SETCURSEL, 0, 0);
    SendMessageW(p, WM_COMMAND, MAKEWPARAM(StatisticsPart::idUnits, CBN_SELCHANGE), 0);
    stats.ToggleField(field);
    HWND box = GetDlgItem(p, StatisticsPart::EditId(field));
    SetText(box, bytes);
    SendMessageW(box, WM_CHAR, L'\r', 0);
}

void HoldControl(bool down) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(state);
}

// A key as the keyboard gives it to the dialog's message loop, with Ctrl held or not.
void PressKey(HWND dialog, WPARAM key, bool control) {
    HoldControl(control);
    PostMessageW(dialog, WM_KEYDOWN, key, 1);
}

TEST(SettingsDialog, ShortcutKeysInTheModalLoop) {
    struct Case {
        const char* what;
        WPARAM key;
        bool control;
        std::vector<std::pair<int, std::string>> sent;
        int helpContext;  // 0: none
        bool closes;
    } cases[] = {{"Esc", VK_ESCAPE, false, {}, 0, true},
                 {"Ctrl+S", 'S', true, {{0, "0"}}, 0, false},
                 {"Ctrl+Enter", VK_RETURN, true, {{0, "0"}}, 0, true},
                 {"F1", VK_F1, false, {}, 10, false}};
    for (const Case& c : cases) {
        OpenDialog d(TestName());
        std::ofstream(d.folder.Path() / "help.hlp") << "help";
        d.Create();
        d.form.SelectPage(3);
        bool closedByKey = false;
        test::DuringModal steps({[&] { PressKey(d.form.Handle(), c.key, c.control); },
                                 [&] {
                                     closedByKey = !d.form.InModalLoop();
                                     PressKey(d.form.Handle(), VK_ESCAPE, false);
                                 }});
        d.form.ShowModal();
        HoldControl(false);
        EXPECT_EQ(d.sent, c.sent) << c.what;
        EXPECT_EQ(d.helps.empty() ? 0 : d.helps[0].second, c.helpContext) << c.what;
        EXPECT_EQ(steps.StepsRun() == 1 || closedByKey, c.closes) << c.what;
    }
}

// The next-period date of the data page, made editable as the user does: the own period ticked and
// its group unfolded.
HWND UnfoldedNextDate(OpenDialog& d) {
    d.form.SelectPage(3);
    PeriodPart& period = d.form.tab_data.Parts().period;
    HWND alt = GetDlgItem(period.Handle(), PeriodPart::idAlt);
    if (SendMessageW(alt, BM_GETCHECK, 0, 0) != BST_CHECKED) SendMessageW(alt, BM_CLICK, 0, 0);
    if (!d.form.tab_data.Parts().Expanded()) d.form.tab_data.Parts().ToggleExpanded();
    return GetDlgItem(period.Handle(), PeriodPart::idNext);
}

// The next-period calendar starts its weeks on Monday and shows Saturday and Sunday in red.
TEST(SettingsDialog, TheNextPeriodCalendarIsMondayFirstWithSaturdayAndSundayRed) {
    OpenDialog d(TestName());
    d.Show();
    HWND next = UnfoldedNextDate(d);
    controls::PopupCalendar* popup = controls::DateEditOf(next)->Calendar();
    ASSERT_NE(popup, nullptr);
    controls::CalendarView* view = popup->Calendar();
    const controls::Pixels px = controls_test::Printed(view->Handle());
    const COLORREF red = RGB(255, 0, 0);
    for (int column = 0; column < 7; ++column) {
        const int reds = controls_test::CountColour(px, view->CellRect(column, 0), red);
        if (column >= 5) {
            EXPECT_GT(reds, 0) << "weekday column " << column;
        } else {
            EXPECT_EQ(reds, 0) << "weekday column " << column;
        }
    }
}

test::Map EveryKeyWithRealFiles(const OpenDialog& d) {
    test::Map values = test::EveryKeyChanged();
    // Icon files that load and a theme with three variants, so that the controls can hold the values.
    const char* slots[] = {"icon_o", "icon_0", "icon_1", "icon_2", "icon_3", "icon_4", "icon_5"};
    const char* files[] = {"offline.ico", "idle.ico", "online.ico", "online.ico", "online.ico", "online.ico", "lime.ico"};
    for (int i = 0; i < 7; ++i) values[{"skin", slots[i]}] = ProgramIcon(files[i]);
    const std::filesystem::path theme = d.folder.Path() / "blue.qsf";
    test::WriteIni(theme, {{{"info", "variants"}, "3"}, {{"info", "variant_0"}, "a"}, {{"info", "variant_1"}, "b"},
                           {{"info", "variant_2"}, "c"}});
    values[{"skin", "file"}] = theme.string();
    return values;
}

TEST(SettingsDialog, EveryKeyComesBackUnchangedAfterOpenAndOk) {
    OpenDialog d(TestName());
    const test::Map data = EveryKeyWithRealFiles(d);
    test::WriteIni(d.Data(), data);
    test::WriteIni(d.Plugins(), test::PluginList());
    d.Show();
    d.form.btn_okClick();
    for (const auto& [key, value] : data) EXPECT_EQ(test::ReadIni(d.Data(), key.first, key.second), value) << key.first << "." << key.second;
    for (const auto& [key, value] : test::PluginList())
        EXPECT_EQ(test::ReadIni(d.Plugins(), key.first, key.second), value) << key.first << "." << key.second;
    EXPECT_EQ(d.sent, (std::vector<std::pair<int, std::string>>{{0, "0"}}));
    EXPECT_TRUE(d.form.ModalEnded());
}

TEST(SettingsDialog, ACounterTheMainProgramStoredMeanwhileSurvivesApply) {
    OpenDialog d(TestName());
    test::WriteIni(d.Data(), {{{"bytes", "day"}, "100"}, {{"bytes", "month"}, "200"}});
    d.Show();
    // A connection ends while the dialog is open; the user edits another counter.
    WritePrivateProfileStringA("bytes", "day", "5555", d.Data().string().c_str());
    TypeCounter(d.form.tab_data.Parts().statistics, sfMonth, "4200");
    d.form.btn_applyClick();
    EXPECT_EQ(test::ReadIni(d.Data(), "bytes", "day"), "5555");
    EXPECT_EQ(test::ReadIni(d.Data(), "bytes", "month"), "4200");
    // A second Apply compares with what the first wrote.
    WritePrivateProfileStringA("bytes", "month", "4300", d.Data().string().c_str());
    d.form.btn_applyClick();
    EXPECT_EQ(test::ReadIni(d.Data(), "bytes", "month"), "4300");
    EXPECT_FALSE(d.form.Enabled(IDC_BTN_APPLY));
}

TEST(SettingsDialog, AFailedSaveWarnsSendsNothingAndKeepsTheDialogOpen) {
    OpenDialog d(TestName());
    test::WriteIni(d.Data(), {{{"view", "x"}, "300"}});
    d.Show();
    d.form.EnableApply();
    // The settings file cannot be written any more: a folder took its place.
    std::filesystem::remove(d.Data());
    std::filesystem::create_directory(d.Data());
    d.form.btn_okClick();
    ASSERT_EQ(d.warnings.size(), 1u);
    EXPECT_NE(d.warnings[0].find("не удалось сохранить"), std::string::npos);
    EXPECT_TRUE(d.sent.empty());
    EXPECT_TRUE(d.form.Enabled(IDC_BTN_APPLY));
    EXPECT_FALSE(d.form.ModalEnded());
}

TEST(SettingsDialog, APluginListThatCannotBeWrittenIsSaidAndTheRestIsSaved) {
    OpenDialog d(TestName());
    d.Show();
    // The list cannot be written: a folder took its name.
    std::filesystem::create_directory(d.Plugins());
    d.form.EnableApply();
    d.form.btn_okClick();
    EXPECT_EQ(test::ReadIni(d.Data(), "log", "traffic"), "0");  // written after the list
    EXPECT_EQ(d.sent, (std::vector<std::pair<int, std::string>>{{0, "0"}}));
    EXPECT_FALSE(d.form.Enabled(IDC_BTN_APPLY));
    EXPECT_TRUE(d.form.ModalEnded());
    ASSERT_EQ(d.warnings.size(), 1u);
    EXPECT_NE(d.warnings[0].find("сохранить список модулей"), std::string::npos) << d.warnings[0];
}

TEST(SettingsDialog, HangupBoxAndLogClearingAsTheMainProgramReadsThem) {
    struct Case {
        const char* what;
        test::Map file;
        bool hideHangupTicked, clearTicked;
    } cases[] = {{"no keys", {}, false, true},
                 {"button hidden, clearing off", {{{"skin", "hangup"}, "0"}, {{"log", "clear"}, "0"}}, true, false},
                 {"button shown", {{{"skin", "hangup"}, "2"}}, false, true}};
    for (const Case& c : cases) {
        OpenDialog d(TestName());
        test::WriteIni(d.Data(), c.file);
        d.Show();
        EXPECT_EQ(d.form.tab_interface.Checked(IDC_BOX_HANGUP), c.hideHangupTicked) << c.what;
        EXPECT_EQ(Checked(GetDlgItem(d.form.tab_log.Logs().Handle(), LogPart::idLogClear)), c.clearTicked) << c.what;
        d.form.tab_interface.SetChecked(IDC_BOX_HANGUP, !c.hideHangupTicked);
        d.form.btn_applyClick();
        EXPECT_EQ(test::ReadIni(d.Data(), "skin", "hangup"), c.hideHangupTicked ? "1" : "0") << c.what;
    }
}

TEST(SettingsDialog, TheLockTextsFollowTheLock) {
    struct Case {
        int lock;
        bool shown;
        const char* warnStart;
    } cases[] = {{0, false, ""}, {1, true, "ИЗМЕНЕНИЕ  ДАННЬIХ  СТАТИСТИКИ\nНЕВОЗМОЖНО,  КОГДА"},
                 {-1, true, "ИЗМЕНЕНИЕ  ДАННЬIХ  СТАТИСТИКИ\nНЕВОЗМОЖНО,  ТАК  КАК"}};
    for (const Case& c : cases) {
        OpenDialog d(TestName());
        d.Show(c.lock);
        d.form.SelectPage(3);
        ShowWindow(d.form.Handle(), SW_SHOWNOACTIVATE);
        const StatisticsPart& stats = d.form.tab_data.Parts().statistics;
        EXPECT_EQ(IsWindowVisible(stats.LockText()) != FALSE, c.shown) << c.lock;
        EXPECT_EQ(IsWindowVisible(stats.SolutionText()) != FALSE, c.shown) << c.lock;
        if (c.shown) {
            EXPECT_EQ(TextOf(stats.LockText()).rfind(c.warnStart, 0), 0u) << c.lock;
        }
    }
}

TEST(SettingsDialog, CancelPutsBackTheOpacityOnlyAfterAnUnsavedPreview) {
    OpenDialog d(TestName());
    test::WriteIni(d.Data(), {{{"view", "o"}, "225"}});
    d.Show();
    auto move = [&](int position) {
        d.form.tab_interface.SetPosition(IDC_BAR_OPACITY, position);
        d.form.tab_interface.bar_opacityChange();
    };
    move(100);
    d.form.btn_cancelClick();
    EXPECT_EQ(d.sent, (std::vector<std::pair<int, std::string>>{{2, "155"}, {2, "225"}}));
    EXPECT_EQ(d.form.tab_interface.Position(IDC_BAR_OPACITY), 30);

    d.sent.clear();
    move(100);
    d.form.btn_applyClick();
    d.form.btn_cancelClick();  // right after Apply: nothing to put back
    EXPECT_EQ(d.sent, (std::vector<std::pair<int, std::string>>{{2, "155"}, {0, "0"}}));

    d.sent.clear();
    move(150);
    d.form.btn_cancelClick();  // back to the opacity the Apply saved
    EXPECT_EQ(d.sent.back(), (std::pair<int, std::string>{2, "155"}));
}

bool IsBold(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfWeight >= FW_BOLD;
}

TEST(SettingsDialog, SelectPageSetsHeaderNotebookBoldButtonAndModuleLabel) {
    struct Case {
        int page;
        int shownPage;
        const char* header;
        int boldButton;  // 0: none
        bool moduleLabel;
    } cases[] = {{0, 0, ">>> ОБЩИЕ  ПАРАМЕТРЬI  ПРОГРАММЬI", IDC_BTN_OPTIONS, false},
                 {3, 3, ">>> ДАННЬIЕ  и  СТАТИСТИКА", IDC_BTN_DATA, false},
                 {4, 4, ">>> ЖУРНАЛ  и  его  ведение", IDC_BTN_LOG, false},
                 {5, 5, ">>> ИНФОРМАЦИЯ  и  ССЬIЛКИ", IDC_BTN_INFO, true},
                 {7, 7, ">>> ТАБЛИЦА  СТАТИСТИКИ", IDC_BTN_STAT, false},
                 {8, 0, ">>> ОБЩИЕ  ПАРАМЕТРЬI  ПРОГРАММЬI", 0, true},
                 {-1, 0, ">>> ОБЩИЕ  ПАРАМЕТРЬI  ПРОГРАММЬI", 0, false}};
    const int buttons[] = {IDC_BTN_OPTIONS, IDC_BTN_INTERFACE, IDC_BTN_EVENTS, IDC_BTN_DATA,
                           IDC_BTN_LOG,     IDC_BTN_INFO,      IDC_BTN_STAT};
    for (const Case& c : cases) {
        OpenDialog d(TestName());
        ASSERT_TRUE(d.form.Create());
        d.form.SelectPage(c.page);
        ShowWindow(d.form.Handle(), SW_SHOWNOACTIVATE);
        EXPECT_EQ(d.form.PageIndex(), c.shownPage) << c.page;
        EXPECT_EQ(d.form.Text(IDC_TXT_NAME), c.header) << c.page;
        for (int button : buttons) EXPECT_EQ(IsBold(d.form.Item(button)), button == c.boldButton) << c.page << " " << button;
        EXPECT_EQ(d.form.Visible(IDC_TXT_MODULE), c.moduleLabel) << c.page;
        EXPECT_TRUE(IsWindowVisible(d.form.tab_options.Handle()) == (c.shownPage == 0)) << c.page;
    }
}

TEST(SettingsDialog, HelpContextsAndTheMissingHelpFile) {
    OpenDialog d(TestName());
    d.Show();
    std::ofstream(d.folder.Path() / "help.hlp") << "help";
    for (int page : {0, 1, 2, 3, 4, 5, 7}) {
        d.form.SelectPage(page);
        d.form.sub_f1Click();
    }
    d.form.url_helpClick();
    d.form.warning_3Click();
    std::vector<int> contexts;
    for (const auto& h : d.helps) contexts.push_back(h.second);
    EXPECT_EQ(contexts, (std::vector<int>{7, 8, 9, 10, 11, 12, 14, 9999, 19}));
    EXPECT_EQ(d.helps[0].first, (d.folder.Path() / "help.hlp").string());

    std::filesystem::remove(d.folder.Path() / "help.hlp");
    d.helps.clear();
    d.form.sub_f1Click();  // No: nothing opens
    d.answerYes = true;
    d.form.sub_f1Click();  // Yes: the download address
    EXPECT_TRUE(d.helps.empty());
    ASSERT_EQ(d.questions.size(), 2u);
    EXPECT_EQ(d.questions[0], "файл справки «HELP.hlp» не найден в каталоге программы.\n"
                              "желаете ли Вы скачать его с сайта программы сейчас?");
    EXPECT_EQ(d.addresses, std::vector<std::string>{"http://quon-tollen.example/download/help.hlp"});
}

TEST(SettingsDialog, HintPanelKindsTypingAndBlinking) {
    OpenDialog d(TestName());
    d.Show();
    ShowWindow(d.form.Handle(), SW_SHOWNOACTIVATE);
    struct Case {
        int kind;
        COLORREF colour;
        bool markShown, mark;
    } cases[] = {{2, 0x0000FF, true, false}, {4, 0x00FF00, true, false}, {1, 0x0000FF, true, true},
                 {3, 0xFF0000, true, true},   {0, GetSysColor(COLOR_BTNFACE), false, false}};
    for (const Case& c : cases) {
        d.form.ShowHintMessage(true, c.kind, "первая");
        d.form.ShowHintMessage(true, c.kind, "Будет использована тема.");
        EXPECT_EQ(d.form.Text(IDC_HINT_TEXT), "Будет использована тема.") << c.kind;
        EXPECT_TRUE(d.form.Visible(IDC_HINT_TEXT)) << c.kind;
        EXPECT_EQ(d.form.HintColour(), c.colour) << c.kind;
        EXPECT_EQ(d.form.Visible(IDC_HINT_TYPE), c.markShown) << c.kind;
        EXPECT_EQ(d.form.HintMark() == "!!!", c.mark) << c.kind;
    }
    d.form.ShowHintMessage(true, 1, "!");
    std::string blinks;
    for (int tick = 1; tick <= 8; ++tick) {
        d.form.tmr_psTimer();
        blinks += d.form.HintMark() == "!!!" ? '*' : '.';
    }
    EXPECT_EQ(blinks, ".*.*.*.*");  // four blinks in two seconds, ending on the mark
    d.form.tmr_hideTimer();
    EXPECT_FALSE(d.form.Visible(IDC_HINT_TEXT));
    EXPECT_EQ(d.form.HintColour(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(d.form.HintMark(), "");

    d.form.isLoading = true;  // while the settings are read, hints stay away
    d.form.ShowHintMessage(true, 2, "не видно");
    EXPECT_FALSE(d.form.Visible(IDC_HINT_TEXT));
}

TEST(SettingsDialog, TheHandShowsOverTheLinksAndTheStatisticsPanelsOnly) {
    OpenDialog d(TestName());
    d.Show();
    const HWND statistics = d.form.tab_data.Parts().statistics.Handle();
    struct Case {
        const char* what;
        HWND control;
        bool hand;
    } cases[] = {
        {"help link", d.form.tab_info.Item(IDC_URL_HELP), true},
        {"3-D warning", d.form.tab_info.Item(IDC_WARNING_3), true},
        {"theme's mail panel", d.form.tab_interface.Item(IDC_PNL_MAIL), true},
        {"first \"...\" panel", GetDlgItem(statistics, StatisticsPart::PlusId(1)), true},
        {"last \"...\" panel", GetDlgItem(statistics, StatisticsPart::PlusId(kStatFieldCount)), true},
        {"the mail address label", d.form.tab_info.Item(IDC_URL_EMAIL), false},
        {"a statistics box", GetDlgItem(statistics, StatisticsPart::idEdit + 1), false},
        {"OK", d.form.Item(IDC_BTN_OK), false},
    };
    const HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    // As the mouse moving over a control asks: the control's own handling passes the question up.
    auto cursorOver = [&](HWND control, WORD hitTest) {
        SetCursor(arrow);
        SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control), MAKELPARAM(hitTest, WM_MOUSEMOVE));
        return GetCursor();
    };
    const HCURSOR hand = cursorOver(cases[0].control, HTCLIENT);
    ASSERT_NE(hand, arrow);
    for (const Case& c : cases) {
        ASSERT_TRUE(c.control) << c.what;
        EXPECT_EQ(cursorOver(c.control, HTCLIENT) == hand, c.hand) << c.what;
        EXPECT_NE(cursorOver(c.control, HTBORDER), hand) << c.what << " (on its border)";
    }
}

}  // namespace
}  // namespace quon::config
