#include "mainwindow/login_box.h"

namespace quon {
namespace {
Tfrm_login* g_login = nullptr;
}

Tfrm_login* LoginBox() { return g_login; }

Tfrm_login::Tfrm_login() { g_login = this; }
Tfrm_login::~Tfrm_login() { g_login = nullptr; }

bool Tfrm_login::CreateBox() { return true; }  // the dialling work gives it its window

}  // namespace quon
