// The date edit in a dialog, driven with real keys and clicks: the drop-down calendar opens without
// taking the focus, moves, accepts with exactly one change notice, cancels, and closes on Tab or on a
// press elsewhere; typed and pasted text keeps the date's mask.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "controls/calendar_view.h"
#include "controls/controls.h"
#include "controls/date_edit.h"
#include "controls/popup_calendar.h"
#include "controls/system_locale.h"
#include "tests/controls/host.h"

namespace {

using controls_test::HostDialog;
constexpr WORD kDate = 10, kOther = 11, kLabel = 12;

controls::DateValue Date(int y, int m, int d) {
    controls::DateValue v = 0;
    controls::EncodeDate(y, m, d, v);
    return v;
}

class DateEditTest : public ::testing::Test {
protected:
    void SetUp() override { Open(controls::DES_FIXEDDMY); }
    void Open(DWORD extraStyle) {
        host.reset();
        host = std::make_unique<HostDialog>(std::vector<controls_test::DialogItem>{
            {L"TDateEdit", WS_BORDER | WS_TABSTOP | extraStyle, 10, 10, 80, 12, kDate},
            {L"EDIT", WS_BORDER | WS_TABSTOP, 10, 40, 80, 12, kOther},
            {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 120, 80, 50, 14, IDOK},
            {L"STATIC", SS_LEFT, 150, 10, 60, 10, kLabel},  // beside the calendar, not under it
        });
        ASSERT_NE(host->Handle(), nullptr);
        edit = host->Item(kDate);
        ASSERT_NE(controls::DateEditOf(edit), nullptr);
        SetWindowTextW(edit, L"15.03.05");
        SetFocus(edit);
        controls_test::Pump(30);
        host->notices.clear();
    }
    std::wstring Text() const {
        wchar_t buf[64] = {};
        GetWindowTextW(edit, buf, 64);
        return buf;
    }
    bool PopupShown() const { return SendMessageW(edit, controls::CEM_ISPOPUPSHOWN, 0, 0) != 0; }
    controls::CalendarView* Calendar() const {
        auto* popup = controls::DateEditOf(edit)->Calendar();
        return popup ? popup->Calendar() : nullptr;
    }
    void OpenWithAltDown() {
        controls_test::PressWith(VK_MENU, VK_DOWN);
        ASSERT_TRUE(controls_test::WaitFor([&] { return PopupShown(); }));
    }
    int Changes() const { return host->Count(kDate, EN_CHANGE); }

    std::unique_ptr<HostDialog> host;
    HWND edit = nullptr;
};

TEST_F(DateEditTest, AltDownOpensTheCalendarWithoutTakingTheFocusAndEnterAcceptsOnce) {
    OpenWithAltDown();
    HWND popup = controls::DateEditOf(edit)->Calendar()->Handle();
    EXPECT_TRUE(IsWindowVisible(popup));
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Calendar()->Date(), Date(2005, 3, 15));
    RECT e, p;
    GetWindowRect(edit, &e);
    GetWindowRect(popup, &p);
    EXPECT_EQ(p.top, e.bottom);  // below the edit
    EXPECT_EQ(p.right, e.right);  // right edges lined up

    controls_test::Press(VK_RIGHT);
    controls_test::Press(VK_RIGHT);
    controls_test::Press(VK_DOWN);
    EXPECT_EQ(Calendar()->Date(), Date(2005, 3, 24));
    controls_test::Press(VK_NEXT);
    EXPECT_EQ(Calendar()->Date(), Date(2005, 4, 24));
    EXPECT_EQ(Text(), L"15.03.05");
    EXPECT_EQ(Changes(), 0);  // browsing in the calendar changes nothing yet

    controls_test::Press(VK_RETURN);
    ASSERT_TRUE(controls_test::WaitFor([&] { return !PopupShown(); }));
    EXPECT_FALSE(IsWindowVisible(popup));
    EXPECT_EQ(Text(), L"24.04.05");
    EXPECT_EQ(Changes(), 1);
    EXPECT_EQ(host->Count(IDOK, BN_CLICKED), 0);  // Enter went to the calendar, not the default button
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(DateEditTest, EscapeAndTabCloseWithoutAccepting) {
    OpenWithAltDown();
    controls_test::Press(VK_LEFT);
    controls_test::Press(VK_ESCAPE);
    ASSERT_TRUE(controls_test::WaitFor([&] { return !PopupShown(); }));
    EXPECT_EQ(Text(), L"15.03.05");
    EXPECT_EQ(Changes(), 0);
    EXPECT_EQ(host->Count(IDCANCEL, BN_CLICKED), 0);

    OpenWithAltDown();
    controls_test::Press(VK_LEFT);
    controls_test::Press(VK_TAB);
    ASSERT_TRUE(controls_test::WaitFor([&] { return !PopupShown(); }));
    EXPECT_EQ(GetFocus(), host->Item(kOther));
    EXPECT_EQ(Text(), L"15.03.05");
    EXPECT_EQ(Changes(), 0);
}

TEST_F(DateEditTest, AClickOnADayAcceptsItAndAClickOnAnEmptyCellDoesNot) {
    OpenWithAltDown();
    controls::CalendarView* view = Calendar();
    controls::MonthGrid grid = controls::MonthGrid::Of(view->Date(), 1);
    int column, row;
    grid.CellOf(grid.days, column, row);
    RECT after = view->CellRect(column == 6 ? 0 : column + 1, column == 6 ? row + 1 : row);
    controls_test::Click(controls_test::ScreenPoint(view->Handle(), POINT{(after.left + after.right) / 2,
                                                                          (after.top + after.bottom) / 2}));
    EXPECT_TRUE(PopupShown());  // a cell after the last day holds nothing
    grid.CellOf(20, column, row);
    RECT cell = view->CellRect(column, row);
    controls_test::Click(controls_test::ScreenPoint(view->Handle(), POINT{(cell.left + cell.right) / 2,
                                                                         (cell.top + cell.bottom) / 2}));
    ASSERT_TRUE(controls_test::WaitFor([&] { return !PopupShown(); }));
    EXPECT_EQ(Text(), L"20.03.05");
    EXPECT_EQ(Changes(), 1);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(DateEditTest, TheSideButtonTogglesThePopup) {
    HWND button = controls::DateEditOf(edit)->Button();
    ASSERT_NE(button, nullptr);
    controls_test::Click(controls_test::CentreOf(button));
    ASSERT_TRUE(controls_test::WaitFor([&] { return PopupShown(); }));
    EXPECT_EQ(GetFocus(), edit);
    controls_test::Click(controls_test::CentreOf(button));
    ASSERT_TRUE(controls_test::WaitFor([&] { return !PopupShown(); }));
    controls_test::Pump(100);
    EXPECT_FALSE(PopupShown());  // the press that closed it did not open it again
    EXPECT_EQ(Changes(), 0);     // the same date accepted changes nothing
}

TEST_F(DateEditTest, TheFixedLayoutIsDayMonthYearWithDotsWhateverTheLocale) {
    controls::DateValue d = Date(2005, 8, 4);
    SendMessageW(edit, controls::DEM_SETDATE, 0, reinterpret_cast<LPARAM>(&d));
    EXPECT_EQ(Text(), L"04.08.05");
    SetWindowTextW(edit, L"31.12.26");
    controls::DateValue read = 0;
    SendMessageW(edit, controls::DEM_GETDATE, 0, reinterpret_cast<LPARAM>(&read));
    EXPECT_EQ(read, Date(2026, 12, 31));
    SetWindowTextW(edit, L"  .  .  ");
    SendMessageW(edit, controls::DEM_GETDATE, 0, reinterpret_cast<LPARAM>(&read));
    EXPECT_EQ(read, 0.0);  // blank means no date
    // The same edit without the fixed layout follows the regional settings.
    SendMessageW(edit, controls::DEM_SETFIXEDDMY, FALSE, 0);
    SendMessageW(edit, controls::DEM_SETDATE, 0, reinterpret_cast<LPARAM>(&d));
    controls::DateValue back = 0;
    SendMessageW(edit, controls::DEM_GETDATE, 0, reinterpret_cast<LPARAM>(&back));
    EXPECT_EQ(back, d);
}

TEST_F(DateEditTest, PlusMinusAndTStepTheDateUnlessReadOnly) {
    SetWindowTextW(edit, L"");
    controls_test::Press(VK_ADD);
    controls::DateValue tomorrow = controls::Today() + 1;
    EXPECT_EQ(controls::DateEditOf(edit)->Date(), tomorrow);
    controls_test::Press(VK_SUBTRACT);
    controls_test::Press(VK_SUBTRACT);
    EXPECT_EQ(controls::DateEditOf(edit)->Date(), controls::Today() - 1);
    SetWindowTextW(edit, L"15.03.05");
    controls_test::TypeChar(L'T');
    EXPECT_EQ(controls::DateEditOf(edit)->Date(), controls::Today());

    SetWindowTextW(edit, L"15.03.05");
    SendMessageW(edit, controls::CEM_SETREADONLY, TRUE, 0);
    host->notices.clear();
    controls_test::Press(VK_ADD);
    controls_test::Press(VK_SUBTRACT);
    controls_test::TypeChar(L'T');
    controls_test::TypeChar(L'+');
    controls_test::TypeChar(L'7');
    EXPECT_EQ(Text(), L"15.03.05");
    EXPECT_EQ(Changes(), 0);
    controls_test::PressWith(VK_MENU, VK_DOWN);
    controls_test::Pump(100);
    EXPECT_FALSE(PopupShown());  // no button action while read-only
}

TEST_F(DateEditTest, AClickKeyOfZeroMeansNoShortcut) {
    SendMessageW(edit, controls::CEM_SETCLICKKEY, 0, 0);
    controls_test::PressWith(VK_MENU, VK_DOWN);
    controls_test::Press(VK_DOWN);
    controls_test::Press(VK_LEFT);
    controls_test::Pump(100);
    EXPECT_FALSE(PopupShown());
    SendMessageW(edit, controls::CEM_SETCLICKKEY, MAKEWORD(VK_F4, 0), 0);
    controls_test::Press(VK_F4);
    EXPECT_TRUE(controls_test::WaitFor([&] { return PopupShown(); }));
}

TEST_F(DateEditTest, AnEmptyEditOpensTheCalendarOnToday) {
    SetWindowTextW(edit, L"");
    EXPECT_EQ(Text(), L"  .  .  ");  // the blank mask
    OpenWithAltDown();
    EXPECT_EQ(Calendar()->Date(), controls::Today());
    controls_test::Press(VK_ESCAPE);
    EXPECT_EQ(Text(), L"  .  .  ");
}

TEST_F(DateEditTest, TheParentMayChangeOrRefuseAPickedDate) {
    host->onNotify = [](NMHDR* hdr) {
        if (hdr->code != controls::DEN_ACCEPTDATE) return;
        auto* n = reinterpret_cast<controls::DateAcceptNotify*>(hdr);
        n->date = Date(2010, 1, 2);
    };
    OpenWithAltDown();
    controls_test::Press(VK_RETURN);
    EXPECT_EQ(Text(), L"02.01.10");
    host->onNotify = [](NMHDR* hdr) {
        if (hdr->code == controls::DEN_ACCEPTDATE) reinterpret_cast<controls::DateAcceptNotify*>(hdr)->action = false;
    };
    OpenWithAltDown();
    controls_test::Press(VK_RIGHT);
    controls_test::Press(VK_RETURN);
    EXPECT_FALSE(PopupShown());
    EXPECT_EQ(Text(), L"02.01.10");
}

// A date typed key by key, pasted with Ctrl+V or with Shift+Insert over the whole text: all three go
// through the mask, so the separators stay in place and the date reads as the user meant it.
TEST_F(DateEditTest, TypedAndPastedDatesGoThroughTheMask) {
    struct Case {
        const wchar_t* input;
        const wchar_t* text;
        controls::DateValue date;
    } cases[] = {
        {L"010326", L"01.03.26", Date(2026, 3, 1)},
        {L"1.3.25", L" 1. 3.25", Date(2025, 3, 1)},
        {L"01.3.26", L"01. 3.26", Date(2026, 3, 1)},
        {L"31.12.2026", L"31.12.20", Date(2020, 12, 31)},  // digits past the end are refused
        {L"7 d/4-x09", L"7 .40.9 ", 0},                     // letters and other separators are refused
    };
    enum Way { kTyped, kCtrlV, kShiftInsert };
    for (Way way : {kTyped, kCtrlV, kShiftInsert}) {
        for (const Case& c : cases) {
            SetWindowTextW(edit, L"15.03.05");
            SendMessageW(edit, EM_SETSEL, 0, -1);
            host->notices.clear();
            if (way == kTyped) {
                for (const wchar_t* p = c.input; *p; ++p) controls_test::TypeChar(*p);
            } else {
                controls_test::SetClipboardText(c.input);
                if (way == kCtrlV) controls_test::PressWith(VK_CONTROL, 'V');
                else controls_test::PressWith(VK_SHIFT, VK_INSERT);
            }
            EXPECT_EQ(Text(), c.text) << "way " << way << ": " << c.input;
            EXPECT_EQ(controls::DateEditOf(edit)->Date(), c.date) << "way " << way << ": " << c.input;
            EXPECT_GE(Changes(), 1) << "way " << way << ": " << c.input;
        }
    }
}

TEST_F(DateEditTest, DigitsOverwriteInPlaceAndErasingKeepsTheSeparators) {
    SendMessageW(edit, EM_SETSEL, 3, 3);
    controls_test::TypeChar(L'1');
    controls_test::TypeChar(L'1');
    EXPECT_EQ(Text(), L"15.11.05");
    controls_test::Press(VK_BACK);  // over the separator, the month's last digit
    EXPECT_EQ(Text(), L"15.1 .05");
    SendMessageW(edit, EM_SETSEL, 6, 6);
    controls_test::Press(VK_DELETE);
    EXPECT_EQ(Text(), L"15.1 . 5");
    SendMessageW(edit, EM_SETSEL, 2, 2);
    controls_test::PressWith(VK_SHIFT, VK_DELETE);  // without a selection: the digit before the caret
    EXPECT_EQ(Text(), L"1 .1 . 5");
    SendMessageW(edit, EM_SETSEL, 0, 4);
    controls_test::PressWith(VK_CONTROL, 'X');
    EXPECT_EQ(Text(), L"  .  . 5");
    controls_test::PressWith(VK_CONTROL, 'Z');
    EXPECT_EQ(Text(), L"1 .1 . 5");
    SendMessageW(edit, EM_SETSEL, 8, 8);
    controls_test::TypeChar(L'9');  // the mask is full
    EXPECT_EQ(Text(), L"1 .1 . 5");
}

// A press anywhere outside the open calendar closes it without taking its date, the focus staying on
// the edit.
TEST_F(DateEditTest, APressOutsideTheCalendarClosesItWithoutAccepting) {
    struct Case {
        const char* where;
        POINT at;
    } cases[] = {
        {"a label", controls_test::CentreOf(host->Item(kLabel))},
        {"the dialog's background", controls_test::ScreenPoint(host->Handle(), POINT{300, 60})},
    };
    for (const Case& c : cases) {
        OpenWithAltDown();
        controls_test::Press(VK_LEFT);
        host->notices.clear();
        controls_test::Click(c.at);
        EXPECT_TRUE(controls_test::WaitFor([&] { return !PopupShown(); })) << c.where;
        EXPECT_EQ(Text(), L"15.03.05") << c.where;
        EXPECT_EQ(Changes(), 0) << c.where;
        EXPECT_EQ(GetFocus(), edit) << c.where;
    }
}

// The caret blinks on the screen: its column of the edit turns dark at least once in a while.
bool CaretSeen(HWND edit, int ms) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return controls_test::WaitFor([&] {
        if (!GetGUIThreadInfo(GetCurrentThreadId(), &info) || info.hwndCaret != edit) return false;
        const RECT& r = info.rcCaret;
        POINT top = controls_test::ScreenPoint(edit, POINT{r.left, r.top});
        HDC screen = GetDC(nullptr);
        int dark = 0;
        for (int y = 0; y < r.bottom - r.top; ++y) {
            const COLORREF px = GetPixel(screen, top.x, top.y + y);
            if (GetRValue(px) + GetGValue(px) + GetBValue(px) < 3 * 64) ++dark;
        }
        ReleaseDC(nullptr, screen);
        return dark > (r.bottom - r.top) / 2;
    }, ms);
}

TEST_F(DateEditTest, TheCaretIsHiddenWhileTheCalendarIsOpen) {
    SendMessageW(edit, EM_SETSEL, 0, 0);
    const int blink = static_cast<int>(GetCaretBlinkTime());
    ASSERT_TRUE(CaretSeen(edit, 4 * blink));
    OpenWithAltDown();
    EXPECT_FALSE(CaretSeen(edit, 3 * blink));
    controls_test::Press(VK_ESCAPE);
    ASSERT_FALSE(PopupShown());
    EXPECT_TRUE(CaretSeen(edit, 4 * blink));
}

}  // namespace
