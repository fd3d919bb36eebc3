#pragma once
// Where a button's glyph and caption go, and how many images a glyph strip holds.
#include <windows.h>

namespace controls {

enum class GlyphLayout { Left, Right, Top, Bottom };

struct ButtonContent {
    SIZE client;     // the button's inner area
    POINT origin;    // its top-left corner
    SIZE glyph;      // 0 x 0 without a glyph
    SIZE caption;    // 0 x 0 without a caption
    GlyphLayout layout = GlyphLayout::Top;
    int margin = -1;   // -1: automatic
    int spacing = 1;   // -1: automatic
};

struct ButtonPlaces {
    POINT glyph;
    POINT caption;
};

ButtonPlaces PlaceButtonContent(const ButtonContent& content);
// The room a caption may take beside or under the glyph (never negative).
SIZE CaptionRoom(SIZE client, SIZE glyph, GlyphLayout layout, int margin, int spacing, bool dropDownMark);
// Images in a strip of that size: width / height when the width is a multiple of a non-zero height and
// the count is 1..5; otherwise 1 (a strip without height keeps the current count).
int NumGlyphsOfStrip(int width, int height, int current);

}  // namespace controls
