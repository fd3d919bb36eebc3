// Placeholders until the tray icon is built.
#include "mainwindow/main_form.h"

namespace quon {

bool Tfrm_quonm::LoadTrayIcons(const std::string&, bool) { return true; }
void Tfrm_quonm::SetTrayIconVisible(bool) {}
void Tfrm_quonm::SetTrayIcon(TraySlot) {}
void Tfrm_quonm::SetTrayHint(const std::string&) {}
void Tfrm_quonm::ShowBalloon(const std::string&, const std::string&, BalloonIcon, int) {}
void Tfrm_quonm::tmr_animationTimer() {}

}  // namespace quon
