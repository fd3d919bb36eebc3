#pragma once
// The drop-down calendar of the date edit: a popup holding a calendar; a click on a day closes it
// accepting the day.
#include <cstdint>
#include <string>

#include "controls/popup_window.h"

namespace controls {

class CalendarView;

constexpr wchar_t kPopupCalendarClass[] = L"TPopupCalendar";

class PopupCalendar : public PopupWindow {
public:
    // Creates the hidden popup for an edit (its owner is the edit's top-level window).
    static PopupCalendar* CreateFor(HWND edit);
    void Destroy();

    double Value() const override;
    void SetValue(double value) override;  // no date opens on today
    void KeyDown(UINT vk, bool ctrl) override;
    void KeyChar(wchar_t c) override;
    SIZE Size() const override;
    CalendarView* Calendar() const { return calendar_; }
    void Configure(int startOfWeek, uint8_t weekends, COLORREF weekendColor, const std::string hints[4]);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CalendarView* calendar_ = nullptr;
};

bool RegisterPopupCalendarClass(HINSTANCE module);
void UnregisterPopupCalendarClass();

}  // namespace controls
