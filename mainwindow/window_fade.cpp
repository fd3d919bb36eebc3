// Fading the main window in and out, hiding it after a disconnection and while the cursor is over it.
#include "engine/window_figures.h"
#include "framework/menu.h"
#include "mainwindow/main_form.h"

namespace quon {

void Tfrm_quonm::InitWindowBehaviourTimers() {
    tmr_show.onTimer = [this] { tmr_showTimer(); };
    tmr_hide.onTimer = [this] { tmr_hideTimer(); };
    tmr_hover.onTimer = [this] { tmr_hoverTimer(); };
    tmr_wait.onTimer = [this] { tmr_waitTimer(); };
}

// The meter appears activated, as a window shown at the user's request does, so that it comes to the
// foreground with its first appearance: activated only after it appeared, it can lose the focus again on
// the way (under X without a window manager, Wine takes a window that is first activated off the screen
// and puts it back, and the focus stays behind). Not while a menu of this thread is open: taking the
// focus would close it under the user.
void Tfrm_quonm::ShowShownWindow() {
    ShowWindow(Handle(), fw::MenuOpenOnThisThread() ? SW_SHOWNA : SW_SHOW);
}

void Tfrm_quonm::sub_showClick() {
    // The disabled items are the fade lock: a request during a fade is ignored.
    if (!sub_show->enabled || IsWindowVisible(Handle())) return;
    sub_show->enabled = false;
    sub_hide->enabled = false;
    tmr_show.tag = opacity;
    tmr_show.SetEnabled(true);
    opacity = 0;
    // One run of the poll timer's handler so that the figures are current, but never while polling is
    // off: before the start-up delay has ended, or after a failed load of the settings.
    if (tmr_get.Enabled() && !tmr_offset.Enabled() && tmr_get.onTimer) tmr_get.onTimer();
    ShowShownWindow();
    DrawSkin(false);
}

void Tfrm_quonm::tmr_showTimer() {
    const FadeStep s = FadeInStep(opacity, opt.fadeStep, tmr_show.tag);
    opacity = s.opacity;
    if (s.done) {
        tmr_show.SetEnabled(false);
        sub_show->enabled = true;
        sub_hide->enabled = true;
    }
    DrawSkin(false);
}

void Tfrm_quonm::sub_hideClick() {
    if (!sub_hide->enabled || !IsWindowVisible(Handle())) return;
    sub_show->enabled = false;
    sub_hide->enabled = false;
    tmr_hide.tag = opacity;
    tmr_hide.SetEnabled(true);
    // No polling while fading out and hidden.
    pollBeforeHide = tmr_get.Enabled();
    tmr_get.SetEnabled(false);
    DrawSkin(false);
}

void Tfrm_quonm::tmr_hideTimer() {
    const FadeStep s = FadeOutStep(opacity, opt.fadeStep, tmr_hide.tag);
    opacity = s.opacity;
    if (s.done) {
        ShowWindow(Handle(), SW_HIDE);
        // Polling comes back only if it ran before; a timer that started it meanwhile keeps it on.
        if (pollBeforeHide) tmr_get.SetEnabled(true);
        tmr_hide.SetEnabled(false);
        sub_show->enabled = true;
        sub_hide->enabled = true;
    }
    DrawSkin(false);
}

void Tfrm_quonm::tmr_waitTimer() {
    tmr_wait.SetEnabled(false);
    sub_hideClick();
}

void Tfrm_quonm::tmr_hoverTimer() {
    POINT cursor;
    if (!GetCursorPos(&cursor)) return;
    RECT r;
    GetWindowRect(Handle(), &r);
    if (cursor.x < r.left || cursor.x > r.right || cursor.y < r.top || cursor.y > r.bottom) {
        ShowWindow(Handle(), SW_SHOWNA);
        DrawSkin(false);
        tmr_hover.SetEnabled(false);
    }
}

}  // namespace quon
