#pragma once
// The base of drop-down windows: a bordered tool popup that never takes the focus from its edit, and
// asks the edit to close it (accepting or not) through onCloseUp.
#include <functional>

#include "controls/control_window.h"

namespace controls {

class PopupWindow : public ControlWindow {
public:
    virtual double Value() const = 0;
    virtual void SetValue(double value) = 0;
    // Keys and characters the edit forwards while the popup is shown.
    virtual void KeyDown(UINT vk, bool ctrl) { (void)vk; (void)ctrl; }
    virtual void KeyChar(wchar_t c) { (void)c; }
    virtual SIZE Size() const = 0;

    void ShowAt(POINT p);
    void Hide();
    bool Shown() const { return Handle() && IsWindowVisible(Handle()); }

    std::function<void(bool accept)> onCloseUp;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void CloseUp(bool accept) {
        if (onCloseUp) onCloseUp(accept);
    }
};

constexpr DWORD kPopupStyle = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
constexpr DWORD kPopupExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

}  // namespace controls
