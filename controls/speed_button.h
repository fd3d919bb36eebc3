#pragma once
// The speed button: a small child window that draws its own frame and glyph, can be flat (framed only
// under the mouse), latch down in a group of buttons with the same group index, and repeat its click
// while held. A click calls onClick and sends WM_COMMAND (id, BN_CLICKED) to the parent.
#include <windows.h>

#include <functional>
#include <memory>

#include "controls/button_glyph.h"
#include "controls/control_window.h"

namespace controls {

constexpr wchar_t kSpeedButtonClass[] = L"TRxSpeedButton";

enum class ButtonStyle { AutoDetect, Win31, New };

class SpeedButton : public ControlWindow {
public:
    SpeedButton();
    ~SpeedButton() override;
    static SpeedButton* From(HWND hwnd);
    static HWND CreateChild(HWND parent, int id, int x, int y, int w, int h);

    void SetGlyph(HBITMAP strip);
    void SetNumGlyphs(int n);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    ButtonGlyph& Glyph() { return glyph_; }
    void SetFlat(bool on);
    void SetStyle(ButtonStyle style);
    void SetGroupIndex(int index);
    void SetAllowAllUp(bool on);
    void SetDown(bool down);
    bool Down() const { return down_; }
    void SetAllowTimer(bool on);
    void SetRepeatTiming(UINT initPause, UINT repeatInterval);
    void SetGrayedInactive(bool on);
    void SetTransparent(bool on);
    void SetLayout(GlyphLayout layout, int margin, int spacing);
    ButtonState State() const { return state_; }
    bool MouseInside() const { return mouseInside_; }
    bool NewStyle() const;
    void Click();

    std::function<void()> onClick;
    std::function<void()> onMouseDown;  // before the button's own press handling
    std::function<void(HDC, const RECT&, ButtonState)> onPainted;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc);
    void Repaint();
    void PressDown(LPARAM lp);
    void Release(LPARAM lp);
    void UpdateMouseInside();
    void GroupPressed(HWND sender);

    ButtonGlyph glyph_;
    ButtonState state_ = kStateUp;
    ButtonStyle style_ = ButtonStyle::AutoDetect;
    GlyphLayout layout_ = GlyphLayout::Top;
    int margin_ = -1;
    int spacing_ = 1;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool flat_ = false;
    bool grayedInactive_ = true;
    bool transparent_ = false;
    bool allowTimer_ = false;
    bool timerRunning_ = false;
    bool mouseInside_ = false;
    bool dragging_ = false;
    bool tracking_ = false;
    UINT initPause_ = 500;
    UINT repeatInterval_ = 100;
};

bool RegisterSpeedButtonClass(HINSTANCE module);
void UnregisterSpeedButtonClass();
// The checkerboard of latched buttons, shared by every button; freed with the last button.
HBRUSH CheckerBrush();

}  // namespace controls
