// Placeholders until the command interface, quit and restart, and the plug-in host are built.
#include "framework/application.h"
#include "mainwindow/main_form.h"

namespace quon {

void Tfrm_quonm::sub_quitClick() { fw::Application::Terminate(); }
void Tfrm_quonm::sub_hangupClick() {}
void Tfrm_quonm::sub_restartClick() {}
void Tfrm_quonm::tmr_idleTimer() {}
bool Tfrm_quonm::FormCloseQuery(bool) { return true; }
void Tfrm_quonm::RunPlugins(int) {}
LRESULT Tfrm_quonm::WMCopyData(HWND, const COPYDATASTRUCT*) { return 0; }
void Tfrm_quonm::SendCopyData(const std::string&, int, bool, const std::string&) {}

}  // namespace quon
