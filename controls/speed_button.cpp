#include "controls/speed_button.h"

#include <windowsx.h>

#include "controls/bitmap_util.h"
#include "controls/window_util.h"

namespace controls {
namespace {
constexpr UINT_PTR kRepeatTimer = 1;
int g_liveButtons = 0;
HBITMAP g_checkerBitmap = nullptr;
HBRUSH g_checkerBrush = nullptr;

void FreeChecker() {
    if (g_checkerBrush) DeleteObject(g_checkerBrush);
    if (g_checkerBitmap) DeleteObject(g_checkerBitmap);
    g_checkerBrush = nullptr;
    g_checkerBitmap = nullptr;
}

// One pixel of 3-D frame: top and left in the first colour, bottom and right in the second; shrinks r.
void Frame3D(HDC dc, RECT& r, int topLeft, int bottomRight) {
    HBRUSH a = GetSysColorBrush(topLeft), b = GetSysColorBrush(bottomRight);
    RECT edge{r.left, r.top, r.right - 1, r.top + 1};
    FillRect(dc, &edge, a);
    edge = RECT{r.left, r.top, r.left + 1, r.bottom - 1};
    FillRect(dc, &edge, a);
    edge = RECT{r.left, r.bottom - 1, r.right, r.bottom};
    FillRect(dc, &edge, b);
    edge = RECT{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &edge, b);
    InflateRect(&r, -1, -1);
}
}  // namespace

HBRUSH CheckerBrush() {
    if (!g_checkerBrush) {
        g_checkerBitmap = CreateCheckerBitmap(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT));
        g_checkerBrush = CreatePatternBrush(g_checkerBitmap);
    }
    return g_checkerBrush;
}

SpeedButton::SpeedButton() { ++g_liveButtons; }

SpeedButton::~SpeedButton() {
    if (--g_liveButtons == 0) FreeChecker();
}

SpeedButton* SpeedButton::From(HWND hwnd) { return ControlClass<SpeedButton>::From(hwnd); }

HWND SpeedButton::CreateChild(HWND parent, int id, int x, int y, int w, int h) {
    return CreateWindowExW(0, kSpeedButtonClass, L"", WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ControlClass<SpeedButton>::info.module, nullptr);
}

bool RegisterSpeedButtonClass(HINSTANCE module) {
    return ControlClass<SpeedButton>::Register(module, kSpeedButtonClass, nullptr, CS_DBLCLKS);
}

void UnregisterSpeedButtonClass() {
    ControlClass<SpeedButton>::Unregister();
    FreeChecker();
}

void SpeedButton::Repaint() {
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void SpeedButton::SetGlyph(HBITMAP strip) { glyph_.SetGlyph(strip); Repaint(); }
void SpeedButton::SetNumGlyphs(int n) { glyph_.SetNumGlyphs(n); Repaint(); }
void SpeedButton::SetFlat(bool on) {
    flat_ = on;
    if (Handle()) UpdateMouseInside();
    Repaint();
}
void SpeedButton::SetStyle(ButtonStyle style) { style_ = style; Repaint(); }
void SpeedButton::SetGrayedInactive(bool on) { grayedInactive_ = on; Repaint(); }
void SpeedButton::SetTransparent(bool on) { transparent_ = on; Repaint(); }
void SpeedButton::SetRepeatTiming(UINT initPause, UINT repeatInterval) {
    initPause_ = initPause;
    repeatInterval_ = repeatInterval;
}
void SpeedButton::SetLayout(GlyphLayout layout, int margin, int spacing) {
    layout_ = layout;
    margin_ = margin;
    spacing_ = spacing;
    Repaint();
}

void SpeedButton::SetAllowTimer(bool on) {
    allowTimer_ = on;
    if (!on && timerRunning_) {
        KillTimer(Handle(), kRepeatTimer);
        timerRunning_ = false;
    }
}

void SpeedButton::SetGroupIndex(int index) {
    groupIndex_ = index;
    if (!index) down_ = false;
    GroupPressed(nullptr);
    Repaint();
}

void SpeedButton::SetAllowAllUp(bool on) {
    allowAllUp_ = on;
    GroupPressed(nullptr);
}

void SpeedButton::SetDown(bool down) {
    if (!groupIndex_) down = false;
    if (down == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = down;
    if (down) {
        state_ = kStateExclusive;
        GroupPressed(Handle());
    } else {
        state_ = kStateUp;
    }
    Repaint();
}

// Tells the other buttons of the group: a down one goes up when this one is down, and every one takes
// this one's AllowAllUp.
void SpeedButton::GroupPressed(HWND) {
    HWND parent = Handle() ? GetParent(Handle()) : nullptr;
    if (!parent || !groupIndex_) return;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SpeedButton* other = From(child);
        if (!other || other == this || other->groupIndex_ != groupIndex_) continue;
        if (down_ && other->down_) {
            other->down_ = false;
            other->state_ = kStateUp;
            other->Repaint();
        }
        other->allowAllUp_ = allowAllUp_;
    }
}

void SpeedButton::Click() {
    if (onClick) onClick();
    HWND parent = GetParent(Handle());
    if (parent)
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
                     reinterpret_cast<LPARAM>(Handle()));
}

bool SpeedButton::NewStyle() const { return style_ == ButtonStyle::New || style_ == ButtonStyle::AutoDetect; }

void SpeedButton::UpdateMouseInside() {
    // The cursor's place is asked only of a button the mouse can be over (under Wine it is a trip to the
    // display server).
    POINT pt{};
    bool inside = IsWindowEnabled(Handle()) && IsWindowVisible(Handle()) && GetCursorPos(&pt) &&
                  WindowFromPoint(pt) == Handle() && IsActiveWindowOfThread();
    if (inside == mouseInside_) return;
    mouseInside_ = inside;
    if (flat_) Repaint();
}

void SpeedButton::PressDown(LPARAM) {
    if (onMouseDown) onMouseDown();
    if (!Handle() || !IsWindowEnabled(Handle())) return;
    mouseInside_ = true;
    if (!down_) {
        state_ = kStatePressed;
        Repaint();
    }
    dragging_ = true;
    SetCapture(Handle());
    if (allowTimer_) {
        SetTimer(Handle(), kRepeatTimer, initPause_, nullptr);
        timerRunning_ = true;
    }
}

void SpeedButton::Release(LPARAM lp) {
    if (!dragging_) return;
    dragging_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    RECT client;
    GetClientRect(Handle(), &client);
    POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    bool inside = PtInRect(&client, pt);
    if (!groupIndex_) {
        state_ = kStateUp;
        mouseInside_ = false;
        Repaint();
    } else if (inside) {
        SetDown(!down_);
        if (down_) Repaint();
    } else if (down_) {
        state_ = kStateExclusive;
        Repaint();
    } else {
        state_ = kStateUp;
        Repaint();
    }
    if (timerRunning_) {
        KillTimer(Handle(), kRepeatTimer);
        timerRunning_ = false;
    }
    if (inside) Click();
    if (Handle()) UpdateMouseInside();
}

void SpeedButton::Paint(HDC target) {
    RECT client;
    GetClientRect(Handle(), &client);
    bool enabled = IsWindowEnabled(Handle());
    if (!enabled) {
        state_ = kStateDisabled;
        dragging_ = false;
    } else if (state_ == kStateDisabled) {
        state_ = (down_ && groupIndex_) ? kStateExclusive : kStateUp;
    }
    ButtonState look = state_;
    if (flat_ && !mouseInside_ && !dragging_) look = kStateGreyed;

    HDC dc = CreateCompatibleDC(target);
    HBITMAP canvas = CreateCompatibleBitmap(target, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(dc, canvas);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (transparent_) PaintParentBackground(Handle(), dc);

    RECT r = client;
    bool pressed = state_ == kStatePressed || state_ == kStateExclusive;
    if (look != kStateGreyed || state_ == kStateExclusive) {
        if (pressed) {
            if (flat_) {
                Frame3D(dc, r, COLOR_WINDOWFRAME, COLOR_BTNHIGHLIGHT);
            } else if (NewStyle()) {
                Frame3D(dc, r, COLOR_WINDOWFRAME, COLOR_BTNHIGHLIGHT);
                Frame3D(dc, r, COLOR_BTNSHADOW, COLOR_BTNFACE);
            } else {
                Frame3D(dc, r, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME);
                RECT line{r.left, r.top, r.right, r.top + 1};
                FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
                line = RECT{r.left, r.top, r.left + 1, r.bottom};
                FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
            }
        } else if (flat_) {
            Frame3D(dc, r, COLOR_BTNHIGHLIGHT, NewStyle() ? COLOR_BTNSHADOW : COLOR_WINDOWFRAME);
        } else if (NewStyle()) {
            Frame3D(dc, r, COLOR_BTNHIGHLIGHT, COLOR_WINDOWFRAME);
            Frame3D(dc, r, COLOR_BTNFACE, COLOR_BTNSHADOW);
        } else {
            Frame3D(dc, r, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME);
            Frame3D(dc, r, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
        }
        InflateRect(&r, -1, -1);
    } else {
        InflateRect(&r, -2, -2);
    }
    if (state_ == kStateExclusive && !flat_) FillRect(dc, &r, CheckerBrush());
    if (pressed) OffsetRect(&r, 1, 1);

    ButtonState image = state_;
    if (grayedInactive_ && state_ != kStateDisabled) image = look;
    ButtonGlyph::DrawArgs args;
    args.client = r;
    int n = GetWindowTextLengthW(Handle());
    args.caption.resize(static_cast<size_t>(n) + 1);
    args.caption.resize(static_cast<size_t>(GetWindowTextW(Handle(), args.caption.data(), n + 1)));
    args.layout = layout_;
    args.margin = margin_;
    args.spacing = spacing_;
    args.state = image;
    args.disabledText = state_ == kStateDisabled;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(GetParent(Handle()), WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    glyph_.Draw(dc, args);
    if (oldFont) SelectObject(dc, oldFont);
    if (onPainted) onPainted(dc, client, state_);

    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(canvas);
    DeleteDC(dc);
}

LRESULT SpeedButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
        case WM_ERASEBKGND:
            return PaintMessage(msg, wp, [this](HDC dc) { Paint(dc); });
        case WM_LBUTTONDOWN:
            PressDown(lp);
            return 0;
        case WM_LBUTTONDBLCLK:  // the second press of a double click is no press: one click only
            return 0;
        case WM_LBUTTONUP:
            Release(lp);
            return 0;
        case WM_MOUSEMOVE: {
            if (!tracking_) {
                TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, Handle(), 0};
                tracking_ = TrackMouseEvent(&tme) != FALSE;
            }
            if (dragging_) {
                RECT client;
                GetClientRect(Handle(), &client);
                POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                ButtonState now = down_ ? kStateExclusive : PtInRect(&client, pt) ? kStatePressed : kStateUp;
                if (now != state_) {
                    state_ = now;
                    Repaint();
                }
            } else if (!mouseInside_) {
                UpdateMouseInside();
            }
            return 0;
        }
        case WM_MOUSELEAVE:
            tracking_ = false;
            if (mouseInside_ && !dragging_) {
                mouseInside_ = false;
                if (flat_) Repaint();
            }
            return 0;
        case WM_CAPTURECHANGED:
            if (dragging_ && reinterpret_cast<HWND>(lp) != Handle()) {
                dragging_ = false;
                if (state_ == kStatePressed) state_ = kStateUp;
                if (timerRunning_) KillTimer(Handle(), kRepeatTimer);
                timerRunning_ = false;
                Repaint();
            }
            return 0;
        case WM_TIMER:
            if (wp == kRepeatTimer) {
                SetTimer(Handle(), kRepeatTimer, repeatInterval_, nullptr);
                if (state_ == kStatePressed && GetCapture() == Handle()) {
                    try {
                        Click();
                    } catch (...) {
                        KillTimer(Handle(), kRepeatTimer);
                        timerRunning_ = false;
                        throw;
                    }
                }
                return 0;
            }
            break;
        case WM_ENABLE:
            UpdateMouseInside();
            Repaint();
            return 0;
        case WM_SETTEXT: {
            LRESULT r = CallBase(msg, wp, lp);
            Repaint();
            return r;
        }
        case WM_SYSCOLORCHANGE:
            glyph_.DropImages();
            FreeChecker();
            Repaint();
            return 0;
        case WM_DESTROY:
            if (timerRunning_) KillTimer(Handle(), kRepeatTimer);
            timerRunning_ = false;
            break;
        default:
            break;
    }
    return CallBase(msg, wp, lp);
}

}  // namespace controls
