#include "mainwindow/main_form.h"

#include <windowsx.h>

#include "framework/application.h"
#include "framework/menu.h"
#include "mainwindow/picture_cache.h"

namespace quon {
namespace {
Tfrm_quonm* g_mainForm = nullptr;

// Posted when the window was shown: it comes forward once it is on the screen.
constexpr UINT kBringForward = WM_APP + 1;

enum TimerId : UINT_PTR {
    kTimerGet = 1, kTimerOffset, kTimerAuto, kTimerIdle, kTimerProtect, kTimerWait, kTimerShow, kTimerHide,
    kTimerHover, kTimerAnimation,
};
}  // namespace

Tfrm_quonm* MainForm() { return g_mainForm; }

Tfrm_quonm::Tfrm_quonm(std::string firstArgument)
    : pictures(std::make_unique<PictureCache>()),
      tmr_get(*this, kTimerGet, 1000),
      tmr_offset(*this, kTimerOffset, 5000),
      tmr_auto(*this, kTimerAuto, 2500),
      tmr_idle(*this, kTimerIdle, 1000),
      tmr_protect(*this, kTimerProtect, 55555),
      tmr_wait(*this, kTimerWait, 1000),
      tmr_show(*this, kTimerShow, 5),
      tmr_hide(*this, kTimerHide, 5),
      tmr_hover(*this, kTimerHover, 1000),
      tmr_animation(*this, kTimerAnimation, 1000),
      firstArg_(std::move(firstArgument)) {
    g_mainForm = this;
    BuildPopupMenu();
    tmr_get.onTimer = [this] { tmr_getTimer(); };
    tmr_offset.onTimer = [this] { tmr_offsetTimer(); };
    tmr_auto.onTimer = [this] { tmr_autoTimer(); };
    tmr_idle.onTimer = [this] { tmr_idleTimer(); };
    tmr_protect.onTimer = [this] { tmr_protectTimer(); };
    tmr_animation.onTimer = [this] { tmr_animationTimer(); };
    InitWindowBehaviourTimers();
}

Tfrm_quonm::~Tfrm_quonm() {
    // FormDestroy: the icon leaves the notification area with the window.
    SetTrayIconVisible(false);  // swallows its own faults
    g_mainForm = nullptr;
}

bool Tfrm_quonm::CreateForm() {
    // A frameless pop-up owned by the hidden application window: no taskbar button in any mode.
    if (!Create(kMainWindowClassW, 0, WS_POPUP, 0, 0, 1, 1, fw::Application::Handle(), CS_DBLCLKS)) return false;
    SetWindowTextW(Handle(), kProductNameW);
    InitTrayIcon();
    FormCreate();
    return true;
}

void Tfrm_quonm::ShowPopupMenuAtCursor() {
    if (!mnu_popup.autoPopup) return;
    POINT pt;
    GetCursorPos(&pt);
    mnu_popup.Popup(Handle(), pt);
}

LRESULT Tfrm_quonm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    POINT client{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (msg) {
        case WM_COPYDATA:
            return WMCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp));
        case WM_LBUTTONDOWN:
            OnMouseDown(0, client);
            return 0;
        case WM_LBUTTONUP:
            OnMouseUp(client);
            return 0;
        case WM_RBUTTONDOWN:
            OnMouseDown(1, client);
            return 0;
        case WM_RBUTTONUP:
            ShowPopupMenuAtCursor();
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(client);
            return 0;
        case WM_LBUTTONDBLCLK:
            // The second press of a double click on a theme button only presses it again: its click came
            // with the first press, and the buttons have no double-click action.
            if (ButtonAt(client)) {
                OnMouseDown(0, client);
                pressedButton.reset();
                return 0;
            }
            if (!doubleClickEnabled) return 0;
            // The state picture opens the statistics; the rest of the window the settings.
            if (PlaceOf(skinLayout, SkinElement::State).Contains(client.x, client.y)) sub_quickClick();
            else OnDoubleClick();
            return 0;
        case WM_MOUSEWHEEL:
            OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wp));
            return 0;
        case WM_SHOWWINDOW:
            // A shown meter comes to the foreground, in front of other windows also when it is not
            // top-most, and takes the wheel at once (also where showing it activated did not make it
            // the foreground). Its owner stays hidden: no taskbar button.
            if (wp && lp == 0) PostMessageW(Handle(), kBringForward, 0, 0);
            return DefaultMessage(msg, wp, lp);
        case kBringForward:
            // Not while a menu of this thread is open: taking the foreground would close it under the user.
            if (IsWindowVisible(Handle()) && !fw::MenuOpenOnThisThread()) SetForegroundWindow(Handle());
            return 0;
        case WM_CLOSE:
            FormCloseQuery();
            return 0;
        case WM_QUERYENDSESSION:
            FormCloseQuery();
            return TRUE;
        case WM_ENDSESSION:
            // Without a query before (a forced end), the close steps run now, before the session ends.
            if (wp) FormCloseQuery();
            return 0;
        default:
            return DefaultMessage(msg, wp, lp);
    }
}

}  // namespace quon
