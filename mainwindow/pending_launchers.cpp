// Placeholders until the settings launcher, dialling and the information items are built.
#include "mainwindow/main_form.h"

namespace quon {

void Tfrm_quonm::OpenSettings(int, bool) {}
void Tfrm_quonm::OnDoubleClick(POINT) {}
void Tfrm_quonm::sub_pluginsClick(fw::MenuItem&) {}
void Tfrm_quonm::sub_floatingClick() {}
void Tfrm_quonm::sub_connectClick(fw::MenuItem&) {}
void Tfrm_quonm::sub_quickClick() {}
void Tfrm_quonm::sub_helpClick() {}
void Tfrm_quonm::sub_fixerClick() {}
void Tfrm_quonm::sub_webClick() {}

}  // namespace quon
