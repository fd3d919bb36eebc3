#include "controls/combo_edit.h"

#include <commctrl.h>

#include "controls/popup_window.h"
#include "controls/speed_button.h"

namespace controls {
namespace {
constexpr int kButtonId = 1;
constexpr UINT kPressOutside = WM_APP + 0x52;  // lParam: the window the mouse was pressed on

bool Held(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

// While a popup is open, every mouse press of the thread is told to its edit, which closes the popup
// when the press was outside it (on a label, a group, the page, another window of the program).
HHOOK pressHook = nullptr;
HWND pressHookEdit = nullptr;

bool IsPress(WPARAM msg) {
    switch (msg) {
        case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK TellPress(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && pressHookEdit && IsPress(wp))
        PostMessageW(pressHookEdit, kPressOutside, 0,
                     reinterpret_cast<LPARAM>(reinterpret_cast<MOUSEHOOKSTRUCT*>(lp)->hwnd));
    return CallNextHookEx(pressHook, code, wp, lp);
}

void WatchPresses(HWND edit) {
    if (!pressHook) pressHook = SetWindowsHookExW(WH_MOUSE, &TellPress, nullptr, GetCurrentThreadId());
    pressHookEdit = edit;
}

void StopWatchingPresses(HWND edit) {
    if (pressHookEdit != edit) return;
    pressHookEdit = nullptr;
    if (pressHook) UnhookWindowsHookEx(pressHook);
    pressHook = nullptr;
}
}  // namespace

bool RegisterComboEditClass(HINSTANCE module) {
    return ControlClass<ComboEdit>::Register(module, kComboEditClass, L"EDIT");
}
void UnregisterComboEditClass() { ControlClass<ComboEdit>::Unregister(); }

ComboEdit::~ComboEdit() { StopWatchingPresses(Handle()); }

ComboEdit* ComboEdit::From(HWND hwnd) { return dynamic_cast<ComboEdit*>(ControlWindowOf(hwnd)); }

void ComboEdit::SetButtonWidth(int width) {
    if (width < 0) width = 0;
    buttonWidth_ = width;
    PlaceButton();
}

void ComboEdit::SetReadOnly(bool on) { readOnly_ = on; }
void ComboEdit::SetDirectInput(bool on) { directInput_ = on; }

void ComboEdit::SetButtonGlyph(HBITMAP strip, int numGlyphs) {
    if (SpeedButton* b = SpeedButton::From(button_)) {
        b->SetGlyph(strip);
        b->SetNumGlyphs(numGlyphs);
    }
}

void ComboEdit::PlaceButton() {
    if (!button_) return;
    RECT client;
    GetClientRect(Handle(), &client);
    // The button fills the right end of the client area (inside the border).
    int w = buttonWidth_ > 1 ? buttonWidth_ : 0;
    SetWindowPos(button_, nullptr, client.right - w, 0, w, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(button_, w > 0 ? SW_SHOWNA : SW_HIDE);
    UpdateEditRect();
}

void ComboEdit::UpdateEditRect() {
    int w = buttonWidth_ > 1 ? buttonWidth_ : 0;
    CallBase(EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, w + 2));
}

bool ComboEdit::IsClickKey(UINT vk) const {
    if (clickKey_ == 0 || buttonWidth_ <= 0) return false;
    BYTE mods = 0;
    if (Held(VK_SHIFT)) mods |= HOTKEYF_SHIFT;
    if (Held(VK_CONTROL)) mods |= HOTKEYF_CONTROL;
    if (Held(VK_MENU)) mods |= HOTKEYF_ALT;
    return LOBYTE(clickKey_) == vk && HIBYTE(clickKey_) == mods;
}

void ComboEdit::Notify(UINT code) {
    NMHDR hdr{Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(Handle())), code};
    SendMessageW(GetParent(Handle()), WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

void ComboEdit::SelectAllIfDirect() {
    if (directInput_) CallBase(EM_SETSEL, 0, -1);
}

void ComboEdit::PressButton() {
    if (!readOnly_) ButtonClick();
}

void ComboEdit::ButtonClick() {
    Notify(CEN_BUTTONCLICK);
    if (!popup_) return;
    if (popupVisible_) HidePopup(true);
    else ShowPopup();
}

void ComboEdit::ShowPopup() {
    if (!popup_ || readOnly_ || popupVisible_) return;
    RECT r;
    GetWindowRect(Handle(), &r);
    SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    POINT at = PlacePopup(r, popup_->Size(), screen, popupAlign_);
    SetPopupValue();
    if (GetFocus() != Handle() && IsWindowEnabled(Handle())) SetFocus(Handle());
    popup_->ShowAt(at);
    popupVisible_ = true;
    WatchPresses(Handle());
    // No typing while the popup is open: the caret goes until it closes.
    caretHidden_ = GetFocus() == Handle() && HideCaret(Handle());
}

void ComboEdit::HidePopup(bool accept) {
    if (!popup_ || !popupVisible_) return;
    struct ClearFlag {
        bool& flag;
        ~ClearFlag() { flag = false; }
    } clear{popupVisible_};
    StopWatchingPresses(Handle());
    if (HWND capture = GetCapture()) SendMessageW(capture, WM_CANCELMODE, 0, 0);
    double value = popup_->Value();
    popup_->Hide();
    if (refocus_ && GetFocus() != Handle() && IsWindowEnabled(Handle()) && IsWindowVisible(Handle()))
        SetFocus(Handle());
    if (caretHidden_ && GetFocus() == Handle()) ShowCaret(Handle());
    caretHidden_ = false;
    InvalidateRect(Handle(), nullptr, TRUE);
    if (accept && !readOnly_ && AcceptPopup(value)) {
        AcceptValue(value);
        if (GetFocus() == Handle()) CallBase(EM_SETSEL, 0, -1);
    }
}

bool ComboEdit::KeyDown(UINT vk) {
    if (IsClickKey(vk)) {
        PressButton();
        return true;
    }
    return false;
}

bool ComboEdit::KeyChar(wchar_t c) {
    if ((c == L'\r' || c == 27) && popupVisible_) {
        HidePopup(c == L'\r');
        return true;
    }
    return false;
}

LRESULT ComboEdit::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCCREATE: {
            auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
            cs->style = (cs->style | WS_CLIPCHILDREN | ES_AUTOHSCROLL) & ~(ES_MULTILINE | ES_READONLY);
            if (cs->style & CES_NODIRECTINPUT) directInput_ = false;
            SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(cs->style));
            return CallBase(msg, wp, lp);
        }
        case WM_CREATE: {
            LRESULT r = CallBase(msg, wp, lp);
            if (r == -1) return r;
            button_ = SpeedButton::CreateChild(Handle(), kButtonId, 0, 0, buttonWidth_, 17);
            if (SpeedButton* b = SpeedButton::From(button_)) {
                b->onClick = [this] {
                    if (swallowNextClick_) {
                        swallowNextClick_ = false;
                        return;
                    }
                    PressButton();
                };
                // Unless pressed, the button is set off from the text by a line down its left edge.
                b->onPainted = [b](HDC dc, const RECT& client, ButtonState state) {
                    if (state == kStatePressed || state == kStateExclusive) return;
                    RECT outer{0, 0, 1, client.bottom - 1}, inner{1, 1, 2, client.bottom - 2};
                    FillRect(dc, &outer, GetSysColorBrush(b->NewStyle() ? COLOR_BTNFACE : COLOR_BTNSHADOW));
                    FillRect(dc, &inner, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
                };
                b->onMouseDown = [this] {
                    swallowNextClick_ = popup_ && popupVisible_;
                    if (popupVisible_) HidePopup(true);
                    else if (GetFocus() != Handle() && IsWindowEnabled(Handle())) SetFocus(Handle());
                };
            }
            Created();
            PlaceButton();
            return r;
        }
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lp) == button_) return 0;  // the button's own notice stays here
            break;
        case WM_SIZE: {
            LRESULT r = CallBase(msg, wp, lp);
            PlaceButton();
            return r;
        }
        case WM_SETFONT: {
            LRESULT r = CallBase(msg, wp, lp);
            UpdateEditRect();
            return r;
        }
        case WM_ENABLE:
            if (button_) EnableWindow(button_, wp != 0);
            break;
        case WM_KILLFOCUS: {
            LRESULT r = CallBase(msg, wp, lp);
            refocus_ = false;
            HidePopup(false);
            refocus_ = true;
            return r;
        }
        case WM_LBUTTONDOWN:
            if (popup_) {
                if (GetFocus() != Handle()) SetFocus(Handle());
                if (GetFocus() != Handle()) return 0;
                if (popupVisible_) HidePopup(false);
            }
            break;
        case WM_GETDLGCODE: {
            LRESULT code = CallBase(msg, wp, lp) & ~DLGC_WANTALLKEYS;
            auto* m = reinterpret_cast<MSG*>(lp);
            if (popupVisible_ && m && (m->message == WM_KEYDOWN || m->message == WM_CHAR) &&
                (m->wParam == VK_RETURN || m->wParam == VK_ESCAPE))
                code |= DLGC_WANTMESSAGE;
            return code;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            // The edit pastes Shift+Insert and cuts Shift+Delete itself; as messages they meet the same
            // rules as Ctrl+V and Ctrl+X.
            if (msg == WM_KEYDOWN && wp == VK_INSERT && Held(VK_SHIFT)) {
                SendMessageW(Handle(), WM_PASTE, 0, 0);
                return 0;
            }
            if (msg == WM_KEYDOWN && wp == VK_DELETE && Held(VK_SHIFT) && !Held(VK_CONTROL)) {
                DWORD start = 0, end = 0;
                CallBase(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
                if (start != end) {
                    SendMessageW(Handle(), WM_CUT, 0, 0);
                    return 0;
                }
            }
            if (KeyDown(static_cast<UINT>(wp))) return 0;
            // The edit itself would press the dialog's default or cancel button; the character closes the
            // popup instead.
            if (popupVisible_ && (wp == VK_RETURN || wp == VK_ESCAPE)) return 0;
            if (msg == WM_KEYDOWN && !Editable() && wp == VK_DELETE) return 0;
            break;
        case WM_CHAR:
            if (KeyChar(static_cast<wchar_t>(wp))) return 0;
            if (wp == L'\r' || wp == 27 || wp == L'\n') return 0;
            if (wp == 3) break;  // Ctrl+C copies even from a field the user cannot type into
            if (!Editable()) return 0;
            break;
        case WM_SYSCHAR:
            if (popupVisible_) return 0;
            break;
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
            if (!Editable()) return 0;
            break;
        case CB_GETDROPPEDSTATE:  // as a combo box answers it: the dialog keeps its keys off meanwhile
            return popupVisible_;
        case kPressOutside: {
            const HWND target = reinterpret_cast<HWND>(lp);
            const HWND popup = popup_ ? popup_->Handle() : nullptr;
            const bool inside = target == Handle() || IsChild(Handle(), target) ||
                                (popup && (target == popup || IsChild(popup, target)));
            if (popupVisible_ && !inside) HidePopup(false);
            return 0;
        }
        case CEM_SETBUTTONWIDTH:
            SetButtonWidth(static_cast<int>(wp));
            return 0;
        case CEM_SETCLICKKEY:
            SetClickKey(static_cast<WORD>(wp));
            return 0;
        case CEM_SETREADONLY:
            SetReadOnly(wp != 0);
            return 0;
        case CEM_ISPOPUPSHOWN:
            return popupVisible_;
        default:
            break;
    }
    return CallBase(msg, wp, lp);
}

}  // namespace controls
