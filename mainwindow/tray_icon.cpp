// The main window's tray icon: showing and hiding it, its picture, tooltip and balloons, the clicks,
// the extended statistics balloon and the animation by activity level.
#include "engine/tray_state.h"
#include "engine/tray_texts.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

std::optional<std::pair<int, int>> CursorPosition() {
    POINT p;
    if (!GetCursorPos(&p)) return std::nullopt;
    return std::make_pair(static_cast<int>(p.x), static_cast<int>(p.y));
}

}  // namespace

void Tfrm_quonm::InitTrayIcon() {
    ico_tray.popupMenu = &mnu_popup;
    ico_tray.popupOwner = Handle();
    ico_tray.onClick = [this] { ico_trayClick(); };
    ico_tray.onDblClick = [this] { sub_showClick(); };
    ico_tray.onMouseDown = [this](const fw::TrayMouseEvent& e) { ico_trayMouseDown(e.button); };
    ico_tray.onMouseMove = [this](const fw::TrayMouseEvent&) { ico_trayMouseMove(); };
    mnu_popup.onPopup = [this] { mnu_popupPopup(); };
    tmr_hint.onTimer = [this] { tmr_hintTimer(); };
    tmr_no.onTimer = [this] { tmr_noTimer(); };
    tmr_animation.tag = -1;

    // As the form holds it before the settings are read: the offline picture and the short name.
    ico_tray.SetIcon(BuiltInIcon(BuiltInTrayIcon::Offline));
    ico_tray.SetHint("Quon");
    ico_tray.SetIconVisible(true);
    trayIconShown = true;
}

void Tfrm_quonm::SetTrayIconVisible(bool visible) noexcept {
    if (visible == trayIconShown) return;
    trayIconShown = visible;
    // A shell that refuses the icon is no fault: without a taskbar the icon is added when the taskbar
    // announces itself. What can fail is the copy of the tooltip into the shell's wide text, which
    // allocates; such a failure while showing is announced by five short beeps.
    try {
        ico_tray.SetIconVisible(visible);
    } catch (...) {
        if (!visible) return;
        for (int i = 0; i < 5; ++i) {
            Beep(100, 50);
            Sleep(50);
        }
    }
}

void Tfrm_quonm::SetTrayIcon(TraySlot slot) { ico_tray.SetIcon(trayIcons.Get(static_cast<int>(slot))); }

void Tfrm_quonm::SetTrayHint(const std::string& hint) { ico_tray.SetHint(hint); }

void Tfrm_quonm::ShowBalloon(const std::string& title, const std::string& text, BalloonIcon icon, int seconds) {
    ico_tray.ShowBalloonHint(title, text, static_cast<fw::BalloonHintIcon>(icon), seconds);
}

void Tfrm_quonm::ico_trayClick() {
    if (opt.trayClick == 0) return;
    if (IsWindowVisible(Handle()))
        sub_hideClick();
    else
        sub_showClick();
}

void Tfrm_quonm::ico_trayMouseMove() {
    tmr_hint.tag = HoverMark(CursorPosition());
    if (sub_3->checked && !tmr_hint.Enabled() && !tmr_no.Enabled()) {
        tmr_hint.SetEnabled(false);
        tmr_hint.SetInterval(1500);
        tmr_hint.SetEnabled(true);
    }
}

void Tfrm_quonm::ico_trayMouseDown(fw::TrayButton button) {
    tmr_hint.SetEnabled(false);
    tmr_no.SetEnabled(false);
    tmr_no.SetEnabled(true);
    if (button == fw::TrayButton::Middle) {
        // The middle button shows the statistics balloon at once, in every hint mode.
        tmr_no.SetEnabled(false);
        tmr_hint.tag = -1;
        tmr_hintTimer();
    }
}

void Tfrm_quonm::mnu_popupPopup() {
    tmr_hint.SetEnabled(false);
    tmr_no.SetEnabled(false);
    tmr_no.SetEnabled(true);
    if (eng.countedOnline) sub_connect->visible = false;
}

void Tfrm_quonm::tmr_noTimer() {
    tmr_no.SetEnabled(false);
    tmr_hint.tag = 0;
}

void Tfrm_quonm::tmr_hintTimer() {
    if (!ExtendedBalloonDue(tmr_hint.tag, CursorPosition(), tmr_no.Enabled())) return;
    tmr_hint.tag = 0;
    ico_tray.ShowBalloonHint(kProductName, BalloonLengthText(ExtendedBalloonText(eng, opt, texts)),
                             fw::BalloonHintIcon::Info, 10);
}

void Tfrm_quonm::tmr_animationTimer() {
    if (auto level = NextAnimationFrame(tmr_animation.tag, opt.fullStopOn))
        SetTrayIcon(static_cast<TraySlot>(static_cast<int>(TraySlot::Level0) + *level));
}

}  // namespace quon
