#pragma once
// The month calendar: a title with the month and year between four auto-repeating navigation buttons
// (previous year, previous month, next month, next year), a row of weekday names and the day grid.
// Weekend columns are drawn in the weekend colour, today has a sunken frame.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "controls/calendar_model.h"
#include "controls/control_window.h"

namespace controls {

constexpr wchar_t kCalendarClass[] = L"TRxCalendar";

class CalendarView : public ControlWindow {
public:
    static CalendarView* From(HWND hwnd);

    DateValue Date() const { return date_; }
    void SetDate(DateValue date);  // clamped to the calendar's range; onChange when it moved
    void SetStartOfWeek(int day);
    void SetWeekends(uint8_t weekends);
    void SetWeekendColor(COLORREF colour);
    void SetTitleHeight(int height);
    void SetHints(const std::string hints[4]);  // empty lines keep the built-in hints
    void SetTakesFocus(bool on) { takesFocus_ = on; }
    // A key of the calendar: arrows, numeric plus and minus, PageUp and PageDown (with Ctrl a year);
    // true when it was one.
    bool Key(UINT vk, bool ctrl);
    bool Char(wchar_t c);  // "T" goes to today
    RECT CellRect(int column, int row) const;
    RECT ButtonRect(int index) const;  // 0 previous year, 1 previous month, 2 next month, 3 next year

    std::function<void()> onChange;
    std::function<void()> onDayClick;  // a left click released on a day
    std::function<void()> onDayDoubleClick;
    std::function<void(UINT vk)> onDialogKey;  // Enter and Escape, for the date dialog

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc);
    RECT GridRect() const;
    bool CellAt(POINT p, int& column, int& row) const;
    void Navigate(int button);
    void SetButtonHint(int index, std::wstring text, bool add);

    DateValue date_ = 0;
    int startOfWeek_ = 1;
    uint8_t weekends_ = 1;
    COLORREF weekendColor_ = RGB(255, 0, 0);
    int titleHeight_ = 18;
    bool takesFocus_ = false;
    HWND buttons_[4] = {};
};

bool RegisterCalendarClass(HINSTANCE module);
void UnregisterCalendarClass();
// The navigation arrows, loaded once from the module's resources and kept until release.
HBITMAP NavigationGlyph(int index);
void FreeNavigationGlyphs();

}  // namespace controls
