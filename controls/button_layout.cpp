#include "controls/button_layout.h"

namespace controls {

SIZE CaptionRoom(SIZE client, SIZE glyph, GlyphLayout layout, int margin, int spacing, bool dropDownMark) {
    SIZE room;
    bool horizontal = layout == GlyphLayout::Left || layout == GlyphLayout::Right;
    if (horizontal) {
        room.cx = client.cx - glyph.cx - 2;
        if (margin != -1) room.cx -= margin;
        if (spacing != -1) room.cx -= spacing;
        if (dropDownMark) room.cx -= 9;
        room.cy = client.cy - 2;
    } else {
        room.cx = client.cx - 2;
        room.cy = client.cy - glyph.cy - 2;
        if (margin != -1) room.cy -= margin;
        if (spacing != -1) room.cy -= spacing;
    }
    if (room.cx < 0) room.cx = 0;
    if (room.cy < 0) room.cy = 0;
    return room;
}

ButtonPlaces PlaceButtonContent(const ButtonContent& c) {
    bool horizontal = c.layout == GlyphLayout::Left || c.layout == GlyphLayout::Right;
    int along = horizontal ? c.client.cx : c.client.cy;
    int g = horizontal ? c.glyph.cx : c.glyph.cy;
    int t = horizontal ? c.caption.cx : c.caption.cy;
    ButtonPlaces p{};
    // Across the axis both are centred.
    if (horizontal) {
        p.glyph.y = c.client.cy / 2 - c.glyph.cy / 2;
        p.caption.y = c.client.cy / 2 - c.caption.cy / 2;
    } else {
        p.glyph.x = c.client.cx / 2 - c.glyph.cx / 2;
        p.caption.x = c.client.cx / 2 - c.caption.cx / 2;
    }
    int margin = c.margin, spacing = c.spacing;
    if (t == 0 || g == 0) spacing = 0;
    if (margin == -1 && spacing == -1) {
        spacing = margin = (along - g - t) / 3;
    } else if (margin == -1) {
        margin = along / 2 - (g + spacing + t) / 2;
    } else if (spacing == -1) {
        spacing = (along - margin - g) / 2 - t / 2;
    }
    int glyphAt, captionAt;
    switch (c.layout) {
        case GlyphLayout::Left:
        case GlyphLayout::Top:
            glyphAt = margin;
            captionAt = margin + g + spacing;
            break;
        default:
            glyphAt = along - margin - g;
            captionAt = glyphAt - spacing - t;
            break;
    }
    if (horizontal) {
        p.glyph.x = glyphAt;
        p.caption.x = captionAt;
    } else {
        p.glyph.y = glyphAt;
        p.caption.y = captionAt;
    }
    p.glyph.x += c.origin.x;
    p.glyph.y += c.origin.y;
    p.caption.x += c.origin.x;
    p.caption.y += c.origin.y;
    return p;
}

int NumGlyphsOfStrip(int width, int height, int current) {
    if (height <= 0) return current;
    if (width % height != 0) return current;
    int n = width / height;
    return (n >= 1 && n <= 5) ? n : 1;
}

}  // namespace controls
