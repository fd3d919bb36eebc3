#pragma once
// The edit with a side button: an EDIT control whose text stops before a speed button inside its right
// edge. The button (or the click key) runs the descendant's action or drops its popup below the edit.
#include <windows.h>
#include <commctrl.h>

#include "controls/control_window.h"
#include "controls/controls.h"
#include "controls/popup_placement.h"

namespace controls {

class PopupWindow;
class SpeedButton;

constexpr wchar_t kComboEditClass[] = L"TComboEdit";
constexpr WORD kDefaultClickKey = MAKEWORD(VK_DOWN, HOTKEYF_ALT);

class ComboEdit : public ControlWindow {
public:
    ComboEdit() = default;
    ~ComboEdit() override;
    static ComboEdit* From(HWND hwnd);

    void SetButtonWidth(int width);
    int ButtonWidth() const { return buttonWidth_; }
    HWND Button() const { return button_; }
    void SetClickKey(WORD key) { clickKey_ = key; }
    void SetReadOnly(bool on);
    bool ReadOnly() const { return readOnly_; }
    void SetDirectInput(bool on);
    bool DirectInput() const { return directInput_; }
    void SetPopupAlign(PopupAlign align) { popupAlign_ = align; }
    bool PopupShown() const { return popupVisible_; }
    void SetButtonGlyph(HBITMAP strip, int numGlyphs);

    void ShowPopup();
    void HidePopup(bool accept);
    void PressButton();  // the button's click and the click key: nothing while read-only

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    virtual void Created() {}
    virtual void ButtonClick();
    // Keys before the edit sees them; true when consumed.
    virtual bool KeyDown(UINT vk);
    virtual bool KeyChar(wchar_t c);
    // The popup's value as a date (the only popup there is is the calendar).
    virtual void SetPopupValue() {}
    virtual bool AcceptPopup(double& value) { (void)value; return true; }
    virtual void AcceptValue(double value) { (void)value; }
    void SetPopup(PopupWindow* popup) { popup_ = popup; }
    PopupWindow* Popup() const { return popup_; }
    void Notify(UINT code);        // WM_NOTIFY with an NMHDR
    void SelectAllIfDirect();
    // Typing, pasting and cutting change the text: direct input on, not read-only, no popup open.
    bool Editable() const { return directInput_ && !readOnly_ && !popupVisible_; }

private:
    void PlaceButton();
    void UpdateEditRect();
    bool IsClickKey(UINT vk) const;

    HWND button_ = nullptr;
    PopupWindow* popup_ = nullptr;
    int buttonWidth_ = 21;
    WORD clickKey_ = kDefaultClickKey;
    bool readOnly_ = false;
    bool directInput_ = true;
    bool popupVisible_ = false;
    bool swallowNextClick_ = false;
    bool caretHidden_ = false;
    bool refocus_ = true;  // off while the focus is leaving for another window
    PopupAlign popupAlign_ = PopupAlign::Right;
};

bool RegisterComboEditClass(HINSTANCE module);
void UnregisterComboEditClass();

}  // namespace controls
