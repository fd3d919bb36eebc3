#pragma once
// A button's glyph painter: cuts the glyph strip into the state images, makes the missing disabled and
// greyed ones, keeps them in the shared glyph lists and draws glyph and caption.
#include <windows.h>

#include <string>

#include "controls/button_layout.h"

namespace controls {

class GlyphList;

enum ButtonState { kStateUp = 0, kStateDisabled = 1, kStatePressed = 2, kStateExclusive = 3, kStateGreyed = 4 };

class ButtonGlyph {
public:
    ButtonGlyph();
    ~ButtonGlyph();
    ButtonGlyph(const ButtonGlyph&) = delete;
    ButtonGlyph& operator=(const ButtonGlyph&) = delete;

    // Takes a copy of the strip; the count of images follows its shape.
    void SetGlyph(HBITMAP strip);
    bool HasGlyph() const { return strip_ != nullptr; }
    void SetNumGlyphs(int n);
    int NumGlyphs() const { return numGlyphs_; }
    SIZE GlyphSize() const;
    // The shared list and slot of a state's image (built on first use); -1 without a glyph.
    int ImageIndex(ButtonState state);
    GlyphList* List() const { return list_; }
    void DropImages();

    struct DrawArgs {
        RECT client;
        std::wstring caption;
        GlyphLayout layout = GlyphLayout::Top;
        int margin = -1;
        int spacing = 1;
        ButtonState state = kStateUp;
        bool disabledText = false;
    };
    void Draw(HDC dc, const DrawArgs& args);

private:
    HBITMAP strip_ = nullptr;
    COLORREF transparent_ = RGB(255, 0, 255);
    int numGlyphs_ = 1;
    int indexes_[5] = {-1, -1, -1, -1, -1};
    GlyphList* list_ = nullptr;
};

}  // namespace controls
