#pragma once
// A part of a settings page: a child window holding a group of controls made in code, which talks to
// the dialog only through PageHost (see settings_page.h for which pieces are parts and why). Its window
// class is registered for the part's lifetime only, since the library is loaded afresh for every
// opening of the dialog and a class left behind would point into a library that is gone.
#include <windows.h>

#include <string>

#include "framework/wnd.h"

namespace quon::config {

class PagePart : public fw::Wnd {
public:
    ~PagePart() override {
        if (Handle()) DestroyWindow(Handle());
        if (!className_.empty()) UnregisterClassW(className_.c_str(), GetModuleHandleW(nullptr));
    }

protected:
    bool CreatePart(const wchar_t* className, HWND parent, int x, int y, int w, int h) {
        className_ = className;
        return Create(className, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE, x, y, w, h, parent);
    }

private:
    std::wstring className_;
};

}  // namespace quon::config
