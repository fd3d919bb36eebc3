// Placeholders until the theme, the renderer and the window behaviour are built.
#include "mainwindow/main_form.h"

namespace quon {

bool Tfrm_quonm::LoadSkin(const std::string&, int64_t, bool) { return true; }
bool Tfrm_quonm::DrawSkin(bool) { return true; }
void Tfrm_quonm::sub_showClick() {}
void Tfrm_quonm::sub_hideClick() {}
void Tfrm_quonm::OnMouseDown(int, POINT) {}
void Tfrm_quonm::OnMouseMove(POINT) {}
void Tfrm_quonm::OnMouseWheel(int) {}
void Tfrm_quonm::RestoreTopMosts() {}
void Tfrm_quonm::InitWindowBehaviourTimers() {}
void Tfrm_quonm::sub_lockClick() {}
void Tfrm_quonm::sub_versionClick() {}
void Tfrm_quonm::OnUnitItem(fw::MenuItem&) {}
void Tfrm_quonm::OnSpeedItem(fw::MenuItem&) {}
void Tfrm_quonm::OnHintItem(fw::MenuItem&) {}

}  // namespace quon
