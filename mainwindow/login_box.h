#pragma once
// Tfrm_login: the small borderless box that asks for the user name and password before dialling.
#include <string>

#include "framework/wnd.h"

namespace quon {

class Tfrm_login : public fw::Wnd {
public:
    Tfrm_login();
    ~Tfrm_login() override;
    bool CreateBox();
};

Tfrm_login* LoginBox();

}  // namespace quon
