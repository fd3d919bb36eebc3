#include "framework/control_values.h"

#include <commctrl.h>

#include "framework/text.h"

namespace fw {
namespace {

std::wstring WindowText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

bool HasClass(HWND control, const wchar_t* name) {
    wchar_t cls[32] = {};
    GetClassNameW(control, cls, static_cast<int>(std::size(cls)));
    return lstrcmpiW(cls, name) == 0;
}

// Whether the control's text is `text`, asked with one message: a buffer one longer than the text tells a
// longer one apart. (Under Wine each message to a subclassed control, an up-down's buddy say, costs a trip
// to the server.)
bool ShowsText(HWND control, const std::wstring& text) {
    std::wstring shown(text.size() + 2, L'\0');
    const int length = GetWindowTextW(control, shown.data(), static_cast<int>(shown.size()));
    return length == static_cast<int>(text.size()) && shown.compare(0, text.size(), text) == 0;
}

}  // namespace

std::string TextOf(HWND control) { return Narrow(WindowText(control)); }

void SetText(HWND control, std::string_view text) {
    const std::wstring wide = Widen(text);
    if (!ShowsText(control, wide)) SetWindowTextW(control, wide.c_str());
}

bool Checked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND button, bool on) {
    const WPARAM state = on ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(button, BM_GETCHECK, 0, 0)) == state) return;
    // Checking an automatic radio button makes the control clear the others of its group, and finding
    // them walks every control of the dialog (under Wine a trip to the server per control: half a
    // millisecond on a page of 80). Callers set each button of a group, so it is checked as a plain one.
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE));
    const bool autoRadio = on && (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    if (autoRadio) SendMessageW(button, BM_SETSTYLE, (style & 0xFFFF & ~BS_TYPEMASK) | BS_RADIOBUTTON, FALSE);
    SendMessageW(button, BM_SETCHECK, state, 0);
    if (autoRadio) SendMessageW(button, BM_SETSTYLE, style & 0xFFFF, FALSE);
}

void Enable(HWND control, bool on) {
    if ((IsWindowEnabled(control) != FALSE) != on) EnableWindow(control, on ? TRUE : FALSE);
}

void Show(HWND control, bool on) {
    if (((GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0) != on) ShowWindow(control, on ? SW_SHOW : SW_HIDE);
}

void SetFont(HWND control, HFONT font) {
    if (reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)) != font)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

bool IsComboBox(HWND control) { return HasClass(control, L"ComboBox"); }

int Selection(HWND list) {
    const LRESULT r = SendMessageW(list, IsComboBox(list) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    return r < 0 ? -1 : static_cast<int>(r);
}

void Select(HWND list, int index) {
    if (index < 0 || index >= ItemCount(list)) index = -1;  // as on Windows; Wine would keep the old selection
    if (Selection(list) == index) return;
    SendMessageW(list, IsComboBox(list) ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ItemCount(HWND list) {
    const LRESULT r = SendMessageW(list, IsComboBox(list) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    return r < 0 ? 0 : static_cast<int>(r);
}

std::string ItemText(HWND list, int index) {
    const bool combo = IsComboBox(list);
    const LRESULT length = SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text.data());
}

void AddItem(HWND list, std::string_view text) {
    const std::wstring wide = Widen(text);
    SendMessageW(list, IsComboBox(list) ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void ClearItems(HWND list) { SendMessageW(list, IsComboBox(list) ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0); }

void SetItems(HWND list, const std::vector<std::string>& items) {
    bool same = ItemCount(list) == static_cast<int>(items.size());
    for (size_t i = 0; same && i < items.size(); ++i) same = ItemText(list, static_cast<int>(i)) == items[i];
    if (same) {
        Select(list, -1);
        return;
    }
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);  // one redraw for the whole list, not one per item
    ClearItems(list);
    for (const std::string& item : items) AddItem(list, item);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

int Position(HWND control) {
    if (HasClass(control, UPDOWN_CLASSW)) return static_cast<int>(SendMessageW(control, UDM_GETPOS32, 0, 0));
    return static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0));
}

void SetPosition(HWND control, int position) {
    if (Position(control) == position) return;
    if (HasClass(control, UPDOWN_CLASSW)) SendMessageW(control, UDM_SETPOS32, 0, position);
    else SendMessageW(control, TBM_SETPOS, TRUE, position);
}

void SetRange(HWND control, int low, int high) {
    if (HasClass(control, UPDOWN_CLASSW)) {
        SendMessageW(control, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
    } else {
        SendMessageW(control, TBM_SETRANGEMIN, FALSE, low);
        SendMessageW(control, TBM_SETRANGEMAX, TRUE, high);
    }
}

}  // namespace fw
