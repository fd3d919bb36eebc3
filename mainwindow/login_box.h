#pragma once
// Tfrm_login: the small borderless box that asks for the user name and password before dialling.
// It lives for the whole run and keeps what was typed last. Enter in the name moves to the password,
// Enter in the password accepts; Esc or closing the box cancels.
#include <windows.h>

#include <string>

#include "framework/wnd.h"

namespace quon {

class Tfrm_login : public fw::Wnd {
public:
    Tfrm_login();
    ~Tfrm_login() override;
    bool CreateBox();

    void SetCredentials(const std::string& user, const std::string& password);
    std::string UserName() const;
    std::string Password() const;
    // Shows the box modally; true when it was accepted with Enter in the password field.
    bool ShowModal();
    bool Showing() const { return showing_; }
    // The field that has (or, while another program holds the keyboard, will get) the input focus.
    HWND ActiveEdit() const { return activeEdit_; }

    HWND edt_login = nullptr;
    HWND edt_password = nullptr;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    static LRESULT CALLBACK EditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
    bool OnEditKey(HWND edit, UINT msg, WPARAM key);
    void FormShow();
    void Finish(bool accepted);
    void Paint();

    void Activate(HWND edit);

    HFONT font_ = nullptr;
    HWND activeEdit_ = nullptr;
    bool showing_ = false;
    bool done_ = false;
    bool accepted_ = false;
};

Tfrm_login* LoginBox();

}  // namespace quon
