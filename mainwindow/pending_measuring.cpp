// Placeholders until the poll tick, the logs and the protection copies are built.
#include "mainwindow/main_form.h"

namespace quon {

double Tfrm_quonm::GetRasStatistics(bool) { return -1; }
void Tfrm_quonm::tmr_getTimer() {}
void Tfrm_quonm::UpdateTraffic() {}
void Tfrm_quonm::tmr_protectTimer() {}
void Tfrm_quonm::DeleteProtectFiles() {}
void Tfrm_quonm::WriteEventLog(int, const std::string&) {}

}  // namespace quon
