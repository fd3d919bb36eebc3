#pragma once
// The hand cursor over the dialog's link labels and "..." panels: the library's own cursor "myHand",
// loaded when the dialog is made and given back when it closes. The controls' own cursors stay where it
// does not load.
#include <windows.h>

#include <vector>

namespace quon::config {

class LinkCursor {
public:
    LinkCursor() = default;
    LinkCursor(const LinkCursor&) = delete;
    LinkCursor& operator=(const LinkCursor&) = delete;
    ~LinkCursor() { Release(); }

    void Load(HINSTANCE module);
    void Release();
    void Add(HWND control);
    // WM_SETCURSOR: shows the hand when the mouse is over the client area of a link control; false leaves
    // the message to the windows' own handling.
    bool SetFor(HWND over, int hitTest) const;

private:
    HCURSOR hand_ = nullptr;
    std::vector<HWND> controls_;
};

}  // namespace quon::config
