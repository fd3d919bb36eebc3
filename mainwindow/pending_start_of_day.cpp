// Placeholder until crash recovery and the new day, month and period are built.
#include "mainwindow/main_form.h"

namespace quon {

void Tfrm_quonm::RunStartOfDay(const fw::IniFile&) {}

}  // namespace quon
