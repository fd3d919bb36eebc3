#include "controls/date_edit.h"

#include "controls/date_dialog.h"
#include "controls/filename_edit.h"
#include "controls/popup_calendar.h"
#include "controls/system_locale.h"
#include "controls/window_util.h"
#include "framework/message_box.h"
#include "framework/text.h"

namespace controls {
namespace {
constexpr UINT kCheckFailed = WM_APP + 0x51;
bool Held(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }
bool AnyModifier() { return Held(VK_SHIFT) || Held(VK_CONTROL) || Held(VK_MENU); }
}  // namespace

bool RegisterDateEditClass(HINSTANCE module) {
    return ControlClass<DateEdit>::Register(module, kDateEditClass, L"EDIT");
}
void UnregisterDateEditClass() { ControlClass<DateEdit>::Unregister(); }

DateEdit* DateEdit::From(HWND hwnd) { return dynamic_cast<DateEdit*>(ControlWindowOf(hwnd)); }

void DateEdit::Created() {
    SetButtonGlyph(SharedEditGlyph(true), 2);
    fixed_ = (GetWindowLongPtrW(Handle(), GWL_STYLE) & DES_FIXEDDMY) != 0;
    UpdateFormat();
    if (!dialogStyle_) SetDialogStyle(false);
}

void DateEdit::UpdateFormat() {
    if (fixed_) {
        locale_ = DateLocale{};
        locale_.separator = '.';
        locale_.shortFormat = "dd.MM.yy";
        for (int m = 1; m <= 12; ++m) locale_.longMonthNames[m - 1] = LongMonthName(m);
        format_ = "DD/MM/YY";
    } else {
        locale_ = SystemDateLocale();
        bool four = yearDigits_ == YearDigits::Four ||
                    (yearDigits_ == YearDigits::Default && LocaleUsesFourDigitYears());
        format_ = DefaultDateFormatText(DateOrderOfFormat(locale_.shortFormat), four);
    }
    const bool fourDigits = format_.size() > 8;
    mask_ = EditMask(DefaultDateMask(' ', DateOrderOfFormat(format_), fourDigits), locale_.separator);
    if (Handle()) CallBase(EM_LIMITTEXT, format_.size(), 0);
}

void DateEdit::SetFixedDayMonthYear(bool on) {
    DateValue d = Date();
    fixed_ = on;
    UpdateFormat();
    SetDate(d);
}

void DateEdit::SetYearDigits(YearDigits digits) {
    DateValue d = Date();
    yearDigits_ = digits;
    UpdateFormat();
    SetDate(d);
}

bool DateEdit::IsEmptyText(const std::string& text) const {
    for (char c : text)
        if (c != '\0' && c != ' ' && c != locale_.separator) return false;
    return true;
}

DateValue DateEdit::Date() const {
    std::string text = WindowText(Handle());
    DateValue fallback = defaultToday_ ? Today() : kNullDate;
    if (IsEmptyText(text)) return fallback;
    return TextToDateOrDefault(format_, text, locale_, CurrentYear(), fallback);
}

void DateEdit::SetDate(DateValue date) {
    if (date == kNullDate || !ValidDateValue(date)) date = defaultToday_ ? Today() : kNullDate;
    std::string text = mask_.Conform(FormatDateText(date, format_, locale_.separator));
    if (text != WindowText(Handle())) SetWindowText1251(Handle(), text);  // the edit sends one EN_CHANGE
}

void DateEdit::SetDateAndSelect(DateValue date) {
    SetDate(date);
    SelectAllIfDirect();
}

void DateEdit::SetDialogStyle(bool on) {
    dialogStyle_ = on;
    if (on && calendar_) {
        HidePopup(false);
        SetPopup(nullptr);
        calendar_->Destroy();
        calendar_ = nullptr;
    } else if (!on && !calendar_ && Handle()) {
        calendar_ = PopupCalendar::CreateFor(Handle());
        if (calendar_) calendar_->onCloseUp = [this](bool accept) { HidePopup(accept); };
        SetPopup(calendar_);
        UpdatePopup();
    }
}

void DateEdit::SetCalendar(int startOfWeek, uint8_t weekends, COLORREF weekendColor) {
    startOfWeek_ = startOfWeek;
    weekends_ = weekends;
    weekendColor_ = weekendColor;
    UpdatePopup();
}

void DateEdit::SetCalendarHints(const std::string hints[4]) {
    for (int i = 0; i < 4; ++i) hints_[i] = hints[i];
    UpdatePopup();
}

void DateEdit::UpdatePopup() {
    if (calendar_) calendar_->Configure(startOfWeek_, weekends_, weekendColor_, hints_);
}

void DateEdit::SetPopupValue() {
    if (calendar_)
        calendar_->SetValue(TextToDateOrDefault(format_, WindowText(Handle()), locale_, CurrentYear(), Today()));
}

bool DateEdit::AcceptDate(DateValue& date) {
    DateAcceptNotify n{{Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(Handle())), DEN_ACCEPTDATE}, date, true};
    SendMessageW(GetParent(Handle()), WM_NOTIFY, n.hdr.idFrom, reinterpret_cast<LPARAM>(&n));
    if (n.action) date = n.date;
    return n.action;
}

bool DateEdit::AcceptPopup(double& value) { return AcceptDate(value); }

void DateEdit::AcceptValue(double value) { SetDate(value); }

void DateEdit::ButtonClick() {
    ComboEdit::ButtonClick();
    if (!dialogStyle_) return;
    DateValue d = Date();
    DateDialogOptions options;
    options.title = dialogTitle_;
    options.startOfWeek = startOfWeek_;
    options.weekends = weekends_;
    options.weekendColor = weekendColor_;
    for (int i = 0; i < 4; ++i) options.hints[i] = hints_[i];
    bool ok = SelectDate(GetAncestor(Handle(), GA_ROOT), d, options);
    if (IsWindowEnabled(Handle())) SetFocus(Handle());
    if (ok && AcceptDate(d)) {
        SetDate(d);
        if (GetFocus() == Handle()) SelectAllIfDirect();
    }
}

bool DateEdit::KeyDown(UINT vk) {
    bool calendarKey = vk == VK_PRIOR || vk == VK_NEXT || vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP ||
                       vk == VK_DOWN || vk == VK_ADD || vk == VK_SUBTRACT;
    if (calendarKey && PopupShown() && calendar_) {
        calendar_->KeyDown(vk, Held(VK_CONTROL));
        return true;
    }
    if (vk == VK_DELETE && Editable()) {
        // Shift+Delete (a selection is cut before this) erases the digit before the caret, Ctrl+Delete
        // blanks to the end, both together do nothing, as in a plain edit.
        const bool shift = Held(VK_SHIFT), ctrl = Held(VK_CONTROL);
        if (!(shift && ctrl)) EraseMasked(shift, ctrl);
        return true;
    }
    if ((vk == VK_ADD || vk == VK_SUBTRACT) && !AnyModifier() && DirectInput()) {
        if (!ReadOnly()) {
            DateValue d = Date();
            if (d == kNullDate) d = Today();
            SetDateAndSelect(d + (vk == VK_ADD ? 1 : -1));
        }
        return true;
    }
    return ComboEdit::KeyDown(vk);
}

bool DateEdit::KeyChar(wchar_t c) {
    if (c == L'+' || c == L'-' || c == L'T' || c == L't') {
        if (PopupShown() && calendar_) {
            calendar_->KeyChar(c);
            return true;
        }
        if (DirectInput()) {
            if ((c == L'T' || c == L't') && !ReadOnly()) SetDateAndSelect(Today());
            return true;
        }
    }
    if (ComboEdit::KeyChar(c)) return true;
    if (!Editable()) return false;  // the combo edit refuses it
    if (c == L'\b') {
        EraseMasked(true, false);
        return true;
    }
    // Every other character goes through the mask, which takes digits and the separator only; control
    // characters (copy, paste, cut, undo) pass to the edit, which sends their messages.
    if (c >= 32) {
        if (c < 256) TypeMasked(static_cast<char>(c));
        return true;
    }
    return false;
}

void DateEdit::SelectionOf(size_t& start, size_t& end) {
    DWORD s = 0, e = 0;
    CallBase(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = s;
    end = e;
}

void DateEdit::ApplyMasked(const EditMask::Result& r) {
    if (r.changed) {
        undoText_ = WindowText(Handle());
        canUndo_ = true;
        const std::wstring wide = fw::Widen(r.text);
        CallBase(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));  // one EN_CHANGE
    }
    CallBase(EM_SETSEL, r.caret, r.caret);
}

void DateEdit::TypeMasked(char c) {
    size_t start, end;
    SelectionOf(start, end);
    ApplyMasked(mask_.Type(WindowText(Handle()), start, end, c));
}

void DateEdit::EraseMasked(bool backward, bool toEnd) {
    size_t start, end;
    SelectionOf(start, end);
    const std::string text = WindowText(Handle());
    ApplyMasked(toEnd ? mask_.Blank(text, start, text.size()) : mask_.Erase(text, start, end, backward));
}

void DateEdit::BlankSelection() {
    size_t start, end;
    SelectionOf(start, end);
    ApplyMasked(mask_.Blank(WindowText(Handle()), start, end));
}

void DateEdit::PasteMasked() {
    std::string pasted;
    if (OpenClipboard(Handle())) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
                pasted = fw::Narrow(wide);
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    size_t start, end;
    SelectionOf(start, end);
    ApplyMasked(mask_.Paste(WindowText(Handle()), start, end, pasted));
}

LRESULT DateEdit::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_DESTROY:
            if (calendar_) {
                SetPopup(nullptr);
                calendar_->Destroy();
                calendar_ = nullptr;
            }
            break;
        case WM_KILLFOCUS: {
            LRESULT r = ComboEdit::HandleMessage(msg, wp, lp);
            std::string text = WindowText(Handle());
            DateValue d;
            if (checkOnExit_ && !IsEmptyText(text) && !TryTextToDate(format_, text, locale_, CurrentYear(), d))
                PostMessageW(Handle(), kCheckFailed, 0, 0);
            return r;
        }
        case kCheckFailed:
            if (IsWindowEnabled(Handle())) SetFocus(Handle());
            fw::ShowBox(InvalidDateMessage(WindowText(Handle())), MB_OK | MB_ICONWARNING | MB_TOPMOST);
            return 0;
        case WM_SETTEXT: {
            // Whatever text is given is put into the mask as if typed.
            const std::string given = lp ? fw::Narrow(reinterpret_cast<const wchar_t*>(lp)) : std::string();
            const std::string text = mask_.Conform(given);
            canUndo_ = false;
            if (text == given) break;
            const std::wstring wide = fw::Widen(text);
            return CallBase(msg, wp, reinterpret_cast<LPARAM>(wide.c_str()));
        }
        case WM_PASTE:
            if (Editable()) PasteMasked();
            return 0;
        case WM_CUT:
            if (Editable()) {
                CallBase(WM_COPY, 0, 0);
                BlankSelection();
            }
            return 0;
        case WM_CLEAR:
            if (Editable()) BlankSelection();
            return 0;
        case WM_UNDO:
        case EM_UNDO:
            if (Editable() && canUndo_) {
                const std::string now = WindowText(Handle());
                const std::wstring wide = fw::Widen(undoText_);
                CallBase(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
                undoText_ = now;
                return TRUE;
            }
            return FALSE;
        case EM_CANUNDO:
            return canUndo_;
        case DEM_SETFIXEDDMY:
            SetFixedDayMonthYear(wp != 0);
            return 0;
        case DEM_GETDATE:
            if (lp) *reinterpret_cast<DateValue*>(lp) = Date();
            return 0;
        case DEM_SETDATE:
            if (lp) SetDate(*reinterpret_cast<const DateValue*>(lp));
            return 0;
        default:
            break;
    }
    return ComboEdit::HandleMessage(msg, wp, lp);
}

}  // namespace controls
