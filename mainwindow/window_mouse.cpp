// The mouse on the main window: dragging with a stored place, the theme's three buttons, the wheel.
#include "engine/settings_file.h"
#include "engine/settings_pages.h"
#include "engine/window_figures.h"
#include "framework/message_box.h"
#include "mainwindow/main_form.h"

namespace quon {

std::optional<SkinElement> Tfrm_quonm::ButtonAt(POINT client) const {
    for (SkinElement e : {SkinElement::Hide, SkinElement::Config, SkinElement::Hangup}) {
        // The hang-up button answers the mouse only while it is drawn.
        if (e == SkinElement::Hangup && !(eng.countedOnline && !opt.hideHangupButton)) continue;
        if (PlaceOf(skinLayout, e).Contains(client.x, client.y)) return e;
    }
    return std::nullopt;
}

static void StatesFor(SkinElement button, int state, int& hide, int& config, int& hangup) {
    hide = button == SkinElement::Hide ? state : 0;
    config = button == SkinElement::Config ? state : 0;
    hangup = button == SkinElement::Hangup ? state : 0;
}

void Tfrm_quonm::OnMouseDown(int button, POINT client) {
    pressedButton.reset();
    if (auto hit = ButtonAt(client)) {
        int h, c, u;
        StatesFor(*hit, kButtonPressed, h, c, u);
        if (button == 0) pressedButton = hit;
        SetButtonStates(h, c, u);  // the pressed picture stays until the mouse moves
        return;
    }
    FormMouseDown(button);
}

void Tfrm_quonm::OnMouseUp(POINT client) {
    const std::optional<SkinElement> pressed = pressedButton;
    pressedButton.reset();
    if (!pressed || ButtonAt(client) != pressed) return;
    switch (*pressed) {
        case SkinElement::Hide: sub_hideClick(); break;
        case SkinElement::Config: OpenSettings(pgOptions, true); break;
        case SkinElement::Hangup: sub_hangupClick(); break;
        default: break;
    }
}

void Tfrm_quonm::FormMouseDown(int button) {
    if (button != 0 || sub_lock->checked) return;
    const bool polling = tmr_get.Enabled();
    tmr_get.SetEnabled(false);
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, 0xF012, 0);  // move by the caption; returns when the user lets go
    if (polling) tmr_get.SetEnabled(true);
    RECT r;
    GetWindowRect(Handle(), &r);
    const StoredPlace place = StoredPlaceOf(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), r.left, r.top);
    const fw::IniFile ini(SettingsPath());
    using keys::kViewX, keys::kViewY;
    if (!ini.WriteKeys(kViewX.section, {{kViewX.name, std::to_string(place.x)}, {kViewY.name, std::to_string(place.y)}}))
        fw::Beep100();
}

void Tfrm_quonm::OnMouseMove(POINT client) {
    if (auto hit = ButtonAt(client)) {
        int h, c, u;
        StatesFor(*hit, kButtonHovered, h, c, u);
        SetButtonStates(h, c, u);
        return;
    }
    FormMouseMove();
}

void Tfrm_quonm::FormMouseMove() {
    if (hideState != 0 || configState != 0 || hangupState != 0) SetButtonStates(0, 0, 0);
    if (opt.hideUnderCursor && sub_show->enabled) {
        tmr_hover.SetEnabled(true);
        ShowWindow(Handle(), SW_HIDE);
    }
}

void Tfrm_quonm::OnMouseWheel(int delta) {
    opacity = WheelOpacity(opacity, delta);
    DrawSkin(false);
}

}  // namespace quon
