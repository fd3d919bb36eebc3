#include "config/dialog/link_cursor.h"

#include <algorithm>

namespace quon::config {

void LinkCursor::Load(HINSTANCE module) {
    Release();
    // Not shared: a shared cursor of a library cannot be destroyed, and the library is freed after each opening.
    hand_ = static_cast<HCURSOR>(LoadImageW(module, L"myHand", IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
}

void LinkCursor::Release() {
    controls_.clear();
    if (!hand_) return;
    if (GetCursor() == hand_) SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
    DestroyCursor(hand_);
    hand_ = nullptr;
}

void LinkCursor::Add(HWND control) {
    if (control) controls_.push_back(control);
}

bool LinkCursor::SetFor(HWND over, int hitTest) const {
    if (!hand_ || hitTest != HTCLIENT || std::find(controls_.begin(), controls_.end(), over) == controls_.end())
        return false;
    SetCursor(hand_);
    return true;
}

}  // namespace quon::config
