#include "controls/popup_window.h"

namespace controls {

void PopupWindow::ShowAt(POINT p) {
    SetWindowPos(Handle(), HWND_TOPMOST, p.x, p.y, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
}

void PopupWindow::Hide() {
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

LRESULT PopupWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return CallBase(msg, wp, lp);
}

}  // namespace controls
