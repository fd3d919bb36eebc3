#include "controls/popup_calendar.h"

#include "controls/calendar_view.h"
#include "controls/registry.h"
#include "controls/system_locale.h"

namespace controls {
namespace {
constexpr int kWidth = 187, kHeight = 124;

int Scaled(int px) {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return MulDiv(px, dpi > 0 ? dpi : 96, 96);
}
}  // namespace

bool RegisterPopupCalendarClass(HINSTANCE module) {
    return ControlClass<PopupCalendar>::Register(module, kPopupCalendarClass, nullptr, CS_SAVEBITS, nullptr,
                                                 GetSysColorBrush(COLOR_BTNFACE));
}
void UnregisterPopupCalendarClass() { ControlClass<PopupCalendar>::Unregister(); }

PopupCalendar* PopupCalendar::CreateFor(HWND edit) {
    HWND owner = GetAncestor(edit, GA_ROOT);
    HWND popup = CreateWindowExW(kPopupExStyle, kPopupCalendarClass, L"", kPopupStyle, 0, 0, Scaled(kWidth),
                                 Scaled(kHeight), owner, nullptr, ControlsModule(), nullptr);
    return ControlClass<PopupCalendar>::From(popup);
}

void PopupCalendar::Destroy() { DestroyWindow(Handle()); }

double PopupCalendar::Value() const { return calendar_ ? calendar_->Date() : Today(); }

void PopupCalendar::SetValue(double value) {
    if (!calendar_) return;
    calendar_->SetDate(value == kNullDate || !ValidDateValue(value) ? Today() : value);
    InvalidateRect(calendar_->Handle(), nullptr, FALSE);
}

void PopupCalendar::KeyDown(UINT vk, bool ctrl) {
    if (calendar_) calendar_->Key(vk, ctrl);
}

void PopupCalendar::KeyChar(wchar_t c) {
    if (calendar_ && c) calendar_->Char(c);
}

SIZE PopupCalendar::Size() const {
    RECT r;
    GetWindowRect(Handle(), &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void PopupCalendar::Configure(int startOfWeek, uint8_t weekends, COLORREF weekendColor, const std::string hints[4]) {
    if (!calendar_) return;
    calendar_->SetStartOfWeek(startOfWeek);
    calendar_->SetWeekends(weekends);
    calendar_->SetWeekendColor(weekendColor);
    calendar_->SetHints(hints);
}

LRESULT PopupCalendar::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE: {
            RECT client;
            GetClientRect(Handle(), &client);
            HWND view = CreateWindowExW(0, kCalendarClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                                        client.bottom, Handle(), nullptr, ControlsModule(), nullptr);
            calendar_ = CalendarView::From(view);
            if (!calendar_) return -1;
            calendar_->onDayClick = [this] { CloseUp(true); };
            return 0;
        }
        case WM_NCDESTROY:
            calendar_ = nullptr;
            break;
        default:
            break;
    }
    return PopupWindow::HandleMessage(msg, wp, lp);
}

}  // namespace controls
