// The popup calendar as the screen shows it, the modal date dialog driven with real keys, and the
// controls' resources over repeated dialogs and library reloads.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "controls/calendar_view.h"
#include "controls/controls.h"
#include "controls/date_dialog.h"
#include "controls/date_edit.h"
#include "controls/glyph_cache.h"
#include "controls/popup_calendar.h"
#include "controls/system_locale.h"
#include "tests/controls/host.h"
#include "tests/controls/probes.h"
#include "tests/support/dialog_windows.h"

namespace {

using controls::DateValue;
using controls_test::CountColour;

DateValue Date(int y, int m, int d) {
    DateValue v = 0;
    controls::EncodeDate(y, m, d, v);
    return v;
}

constexpr WORD kDate = 10;
const COLORREF kRed = RGB(255, 0, 0);

std::unique_ptr<controls_test::HostDialog> DateHost() {
    return std::make_unique<controls_test::HostDialog>(std::vector<controls_test::DialogItem>{
        {L"TDateEdit", WS_BORDER | WS_TABSTOP | controls::DES_FIXEDDMY, 10, 10, 80, 12, kDate},
        {L"TFilenameEdit", WS_BORDER | WS_TABSTOP, 10, 40, 150, 12, 11},
    });
}

TEST(PopupCalendarScreen, ShowsTheMonthWithTheSelectedDayWeekendsAndTitle) {
    auto host = DateHost();
    HWND edit = host->Item(kDate);
    controls::DateEdit* date = controls::DateEditOf(edit);
    date->SetCalendar(1, 1 | (1 << 6), kRed);  // Monday first, Saturday and Sunday red
    SetWindowTextW(edit, L"15.03.05");
    SetFocus(edit);
    controls_test::PressWith(VK_MENU, VK_DOWN);
    ASSERT_TRUE(controls_test::WaitFor([&] { return SendMessageW(edit, controls::CEM_ISPOPUPSHOWN, 0, 0) != 0; }));
    controls::CalendarView* view = date->Calendar()->Calendar();
    controls_test::Pump(200);

    bool onScreen = false;
    for (const controls::Pixels& px : {controls_test::Printed(view->Handle()), controls_test::OnScreen(view->Handle())}) {
        ASSERT_FALSE(px.Empty());
        controls::MonthGrid grid = controls::MonthGrid::Of(Date(2005, 3, 15), 1);
        int column, row;
        grid.CellOf(15, column, row);
        RECT selected = view->CellRect(column, row);
        EXPECT_GT(CountColour(px, selected, GetSysColor(COLOR_HIGHLIGHT)), (selected.right - selected.left) * 4);
        grid.CellOf(13, column, row);  // 13 March 2005 is a Sunday: red digits in the last column
        EXPECT_EQ(column, 6);
        EXPECT_GT(CountColour(px, view->CellRect(column, row), kRed), 0);
        EXPECT_GT(CountColour(px, view->CellRect(6, 0), kRed), 0);  // the weekday name too
        EXPECT_GT(CountColour(px, view->CellRect(5, 0), kRed), 0);
        grid.CellOf(16, column, row);  // a Wednesday: dark digits, nothing red
        EXPECT_EQ(CountColour(px, view->CellRect(column, row), kRed), 0);
        EXPECT_GT(CountColour(px, view->CellRect(column, row), GetSysColor(COLOR_WINDOWTEXT)), 0);
        RECT title{view->ButtonRect(1).right, 0, view->ButtonRect(2).left, 16};
        EXPECT_GT(CountColour(px, title, GetSysColor(COLOR_BTNTEXT)), 10);  // the month and year are written
        if (onScreen) {
            EXPECT_GT(CountColour(px, view->ButtonRect(0), RGB(0, 0, 0)), 4);  // the arrow buttons
        }
        onScreen = true;
    }
    controls_test::Press(VK_ESCAPE);
}

// The shown date dialog of this process, or null.
HWND DateDialog() {
    for (HWND w : quon::test::ShownDialogsOf(GetCurrentProcessId())) {
        wchar_t title[32] = {};
        GetWindowTextW(w, title, 32);
        if (lstrcmpW(title, L"Select a Date") == 0) return w;
    }
    return nullptr;
}

// Presses keys for the first date dialog of the process once it is active.
class DialogKeys {
public:
    explicit DialogKeys(std::vector<WORD> keys) : keys_(std::move(keys)) {
        thread_ = std::thread([this] {
            for (int i = 0; i < 300; ++i) {
                HWND dlg = DateDialog();
                if (dlg && GetForegroundWindow() == dlg) {
                    Sleep(150);
                    for (WORD k : keys_) {
                        controls_test::Key(k, true);
                        controls_test::Key(k, false);
                        Sleep(80);
                    }
                    return;
                }
                Sleep(20);
            }
        });
    }
    ~DialogKeys() { thread_.join(); }

private:
    std::vector<WORD> keys_;
    std::thread thread_;
};

TEST(DateDialog, EnterTakesTheDateEscapeLeavesIt) {
    controls_test::EnsureControls();
    controls::DateDialogOptions options;
    DateValue date = Date(2005, 3, 15);
    {
        DialogKeys keys({VK_RIGHT, VK_NEXT, VK_RETURN});
        EXPECT_TRUE(controls::SelectDate(nullptr, date, options));
    }
    EXPECT_EQ(date, Date(2005, 4, 16));
    {
        DialogKeys keys({VK_RIGHT, VK_ESCAPE});
        EXPECT_FALSE(controls::SelectDate(nullptr, date, options));
    }
    EXPECT_EQ(date, Date(2005, 4, 16));
    date = 0;
    {
        DialogKeys keys({VK_RETURN});
        EXPECT_TRUE(controls::SelectDate(nullptr, date, options));
    }
    EXPECT_EQ(date, controls::Today());  // no date opens on today
}

TEST(DateDialog, TheDialogStyleEditTakesTheDialogsDate) {
    auto host = DateHost();
    HWND edit = host->Item(kDate);
    controls::DateEditOf(edit)->SetDialogStyle(true);
    SetWindowTextW(edit, L"28.02.04");
    SetFocus(edit);
    host->notices.clear();
    DialogKeys keys({VK_RIGHT, VK_RETURN});
    controls_test::PressWith(VK_MENU, VK_DOWN);
    ASSERT_TRUE(controls_test::WaitFor([&] {
        wchar_t buf[16] = {};
        GetWindowTextW(edit, buf, 16);
        return std::wstring(buf) == L"29.02.04";
    }, 8000));
    EXPECT_EQ(host->Count(kDate, EN_CHANGE), 1);
    EXPECT_EQ(GetFocus(), edit);
}

TEST(ControlResources, RepeatedDialogsLeaveNothingBehindAndAReleaseUnregistersEverything) {
    controls_test::EnsureControls();
    auto cycle = [] {
        auto host = DateHost();
        HWND edit = host->Item(kDate);
        SetFocus(edit);
        controls::DateEditOf(edit)->ShowPopup();
        controls_test::Pump(20);
        controls::DateEditOf(edit)->HidePopup(true);
    };
    cycle();
    HANDLE process = GetCurrentProcess();
    DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS), user = GetGuiResources(process, GR_USEROBJECTS);
    size_t lists = controls::glyph_cache::ListCount();
    for (int i = 0; i < 8; ++i) cycle();  // a dialog takes Wine about two seconds to close
    EXPECT_LE(GetGuiResources(process, GR_GDIOBJECTS), gdi + 5);
    EXPECT_LE(GetGuiResources(process, GR_USEROBJECTS), user + 5);
    EXPECT_EQ(controls::glyph_cache::ListCount(), lists);
    EXPECT_EQ(controls::glyph_cache::ListCount(), 0u);  // no button left, no list left

    // The settings library releases everything before it is unloaded, and registers again when loaded.
    HINSTANCE module = GetModuleHandleW(nullptr);
    controls::ReleaseControlResources();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    for (const wchar_t* name : {L"TDateEdit", L"TFilenameEdit", L"TComboEdit", L"TRxSpeedButton", L"TRxCalendar",
                                L"TPopupCalendar"})
        EXPECT_FALSE(GetClassInfoExW(module, name, &wc)) << name;
    EXPECT_FALSE(controls::glyph_cache::Alive());
    ASSERT_TRUE(controls::RegisterControlClasses(module));
    ASSERT_TRUE(controls::RegisterControlClasses(module));  // a second call changes nothing
    cycle();
    controls::ReleaseControlResources();
    ASSERT_TRUE(controls::RegisterControlClasses(module));
}

}  // namespace
