#include "controls/calendar_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include "controls/registry.h"
#include "controls/resource_ids.h"
#include "controls/speed_button.h"
#include "controls/system_locale.h"
#include "framework/text.h"

namespace controls {
namespace {
const wchar_t* const kGlyphNames[4] = {L"PREV2", L"PREV1", L"NEXT1", L"NEXT2"};
const UINT kHintIds[4] = {IDS_PREV_YEAR, IDS_PREV_MONTH, IDS_NEXT_MONTH, IDS_NEXT_YEAR};
HBITMAP g_glyphs[4] = {};

// The short hint: the text before the vertical bar.
std::wstring ShortHint(std::wstring text) {
    size_t bar = text.find(L'|');
    return bar == std::wstring::npos ? text : text.substr(0, bar);
}

}  // namespace

HBITMAP NavigationGlyph(int index) {
    if (!g_glyphs[index])
        g_glyphs[index] = static_cast<HBITMAP>(
            LoadImageW(ControlsModule(), kGlyphNames[index], IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    return g_glyphs[index];
}

void FreeNavigationGlyphs() {
    for (HBITMAP& b : g_glyphs) {
        if (b) DeleteObject(b);
        b = nullptr;
    }
}

bool RegisterCalendarClass(HINSTANCE module) {
    return ControlClass<CalendarView>::Register(module, kCalendarClass, nullptr, CS_DBLCLKS);
}
void UnregisterCalendarClass() { ControlClass<CalendarView>::Unregister(); }

CalendarView* CalendarView::From(HWND hwnd) { return ControlClass<CalendarView>::From(hwnd); }

void CalendarView::SetDate(DateValue date) {
    date = ClampDate(date);
    if (date == date_) return;
    date_ = date;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
    if (onChange) onChange();
}

void CalendarView::SetStartOfWeek(int day) {
    startOfWeek_ = ((day % 7) + 7) % 7;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}
void CalendarView::SetWeekends(uint8_t weekends) {
    weekends_ = weekends;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}
void CalendarView::SetWeekendColor(COLORREF colour) {
    weekendColor_ = colour;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void CalendarView::SetTitleHeight(int height) {
    titleHeight_ = height;
    RECT client;
    GetClientRect(Handle(), &client);
    SendMessageW(Handle(), WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
}

void CalendarView::SetHints(const std::string hints[4]) {
    for (int i = 0; i < 4; ++i)
        SetButtonHint(i, hints[i].empty() ? ResourceText(kHintIds[i]) : fw::Widen(hints[i]), false);
}

void CalendarView::SetButtonHint(int index, std::wstring text, bool add) {
    HWND tip = reinterpret_cast<HWND>(GetPropW(Handle(), L"QuonCalendarTip"));
    if (!tip) return;
    text = ShortHint(text);
    TOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = Handle();
    ti.uId = reinterpret_cast<UINT_PTR>(buttons_[index]);
    ti.lpszText = text.data();
    SendMessageW(tip, add ? TTM_ADDTOOLW : TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

RECT CalendarView::ButtonRect(int index) const {
    RECT client;
    GetClientRect(Handle(), &client);
    int s = titleHeight_ - 4;
    int x[4] = {1, 1 + s, client.right - 1 - 2 * s, client.right - 1 - s};
    return RECT{x[index], 2, x[index] + s, 2 + s};
}

RECT CalendarView::GridRect() const {
    RECT client;
    GetClientRect(Handle(), &client);
    client.top = titleHeight_;
    return client;
}

RECT CalendarView::CellRect(int column, int row) const {
    RECT g = GridRect();
    int w = (g.right - g.left) / 7, h = (g.bottom - g.top) / 7;
    return RECT{g.left + column * w, g.top + row * h, g.left + (column + 1) * w, g.top + (row + 1) * h};
}

bool CalendarView::CellAt(POINT p, int& column, int& row) const {
    RECT g = GridRect();
    int w = (g.right - g.left) / 7, h = (g.bottom - g.top) / 7;
    if (w <= 0 || h <= 0 || p.y < g.top || p.x < g.left) return false;
    column = (p.x - g.left) / w;
    row = (p.y - g.top) / h;
    return column < 7 && row < 7;
}

void CalendarView::Navigate(int button) {
    static const CalendarKey keys[4] = {CalendarKey::CtrlPageUp, CalendarKey::PageUp, CalendarKey::PageDown,
                                        CalendarKey::CtrlPageDown};
    SetDate(MoveByKey(date_, keys[button]));
    UpdateWindow(Handle());
}

bool CalendarView::Key(UINT vk, bool ctrl) {
    CalendarKey key = CalendarKey::None;
    switch (vk) {
        case VK_LEFT: case VK_SUBTRACT: key = CalendarKey::Left; break;
        case VK_RIGHT: case VK_ADD: key = CalendarKey::Right; break;
        case VK_UP: key = CalendarKey::Up; break;
        case VK_DOWN: key = CalendarKey::Down; break;
        case VK_PRIOR: key = ctrl ? CalendarKey::CtrlPageUp : CalendarKey::PageUp; break;
        case VK_NEXT: key = ctrl ? CalendarKey::CtrlPageDown : CalendarKey::PageDown; break;
        default: return false;
    }
    SetDate(MoveByKey(date_, key));
    return true;
}

bool CalendarView::Char(wchar_t c) {
    if (c != L'T' && c != L't') return false;
    SetDate(Today());
    return true;
}

void CalendarView::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP canvas = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(mem, canvas);
    HFONT font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ oldFont = SelectObject(mem, font);
    SetBkMode(mem, TRANSPARENT);

    RECT title{0, 0, client.right, titleHeight_};
    FillRect(mem, &title, GetSysColorBrush(COLOR_BTNFACE));
    RECT grid = GridRect();
    FillRect(mem, &grid, GetSysColorBrush(COLOR_WINDOW));

    MonthGrid g = MonthGrid::Of(date_, startOfWeek_);
    std::wstring caption = fw::Widen(LongMonthName(g.month)) + L", " + std::to_wstring(g.year);
    RECT captionRect{ButtonRect(1).right, 0, ButtonRect(2).left, titleHeight_};
    SetTextColor(mem, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(mem, caption.c_str(), -1, &captionRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);

    int y, m, selectedDay;
    DecodeDate(date_, y, m, selectedDay);
    int ty, tm, td;
    DecodeDate(Today(), ty, tm, td);
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 7; ++column) {
            RECT cell = CellRect(column, row);
            std::wstring text;
            int day = g.DayAt(column, row);
            if (row == 0) text = fw::Widen(ShortDayName((column + startOfWeek_) % 7));
            else if (day) text = std::to_wstring(day);
            bool selected = row > 0 && day == selectedDay;
            COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
            if (selected) {
                FillRect(mem, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
                colour = GetSysColor(COLOR_HIGHLIGHTTEXT);
            } else if (IsWeekendColumn(column, startOfWeek_, weekends_)) {
                colour = weekendColor_;
            }
            SetTextColor(mem, colour);
            DrawTextW(mem, text.c_str(), -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            if (day && g.year == ty && g.month == tm && day == td) {
                RECT f = cell;
                InflateRect(&f, -1, -1);
                HPEN dark = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
                HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
                HGDIOBJ oldPen = SelectObject(mem, dark);
                MoveToEx(mem, f.left, f.bottom - 1, nullptr);
                LineTo(mem, f.left, f.top);
                LineTo(mem, f.right - 1, f.top);
                SelectObject(mem, light);
                LineTo(mem, f.right - 1, f.bottom - 1);
                LineTo(mem, f.left, f.bottom - 1);
                SelectObject(mem, oldPen);
                DeleteObject(dark);
                DeleteObject(light);
            }
        }
    RECT line{0, CellRect(0, 1).top - 1, client.right, CellRect(0, 1).top};
    FillRect(mem, &line, GetSysColorBrush(COLOR_BTNSHADOW));

    BitBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
    SelectObject(mem, oldFont);
    SelectObject(mem, oldBitmap);
    DeleteObject(canvas);
    DeleteDC(mem);
}

LRESULT CalendarView::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE: {
            date_ = Today();
            HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                                       0, Handle(), nullptr, ControlsModule(), nullptr);
            SetPropW(Handle(), L"QuonCalendarTip", tip);
            for (int i = 0; i < 4; ++i) {
                RECT r = ButtonRect(i);
                buttons_[i] = SpeedButton::CreateChild(Handle(), 100 + i, r.left, r.top, r.right - r.left,
                                                       r.bottom - r.top);
                if (SpeedButton* b = SpeedButton::From(buttons_[i])) {
                    b->SetStyle(ButtonStyle::Win31);
                    b->SetAllowTimer(true);
                    b->SetGlyph(NavigationGlyph(i));
                    b->onClick = [this, i] { Navigate(i); };
                }
                SetButtonHint(i, ResourceText(kHintIds[i]), true);
            }
            return 0;
        }
        case WM_DESTROY:
            if (HWND tip = reinterpret_cast<HWND>(RemovePropW(Handle(), L"QuonCalendarTip"))) DestroyWindow(tip);
            break;
        case WM_SIZE:
            for (int i = 0; i < 4; ++i) {
                RECT r = ButtonRect(i);
                SetWindowPos(buttons_[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_COMMAND:
            return 0;  // the navigation buttons' notices
        case WM_PAINT:
        case WM_PRINTCLIENT:
        case WM_ERASEBKGND:
            return PaintMessage(msg, wp, [this](HDC dc) { Paint(dc); });
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: {
            if (takesFocus_ && msg == WM_LBUTTONDOWN) SetFocus(Handle());
            int column, row;
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (!CellAt(p, column, row)) return 0;
            int day = MonthGrid::Of(date_, startOfWeek_).DayAt(column, row);
            if (!day) return 0;  // the weekday row and the cells outside the month take no click
            SetDate(WithDay(date_, day));
            if (msg == WM_LBUTTONUP && !(wp & (MK_SHIFT | MK_CONTROL)) && onDayClick) onDayClick();
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (p.y < titleHeight_) {
                SetDate(Today());
                return 0;
            }
            int column, row;
            if (CellAt(p, column, row) && MonthGrid::Of(date_, startOfWeek_).DayAt(column, row) && onDayDoubleClick)
                onDayDoubleClick();
            return 0;
        }
        case WM_GETDLGCODE:
            return takesFocus_ ? DLGC_WANTALLKEYS : 0;
        case WM_KEYDOWN: {
            bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
            if (wp == VK_RETURN || wp == VK_ESCAPE) {
                if (onDialogKey) onDialogKey(static_cast<UINT>(wp));
                return 0;
            }
            if (wp == VK_TAB) {
                bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
                SetDate(ShiftMonth(date_, shift && !ctrl ? -1 : 1));
                return 0;
            }
            if (Key(static_cast<UINT>(wp), ctrl)) return 0;
            break;
        }
        case WM_CHAR:
            if (Char(static_cast<wchar_t>(wp))) return 0;
            return 0;
        default:
            break;
    }
    return CallBase(msg, wp, lp);
}

}  // namespace controls
