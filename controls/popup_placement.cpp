#include "controls/popup_placement.h"

namespace controls {

POINT PlacePopup(RECT edit, SIZE popup, SIZE screen, PopupAlign align) {
    int editWidth = edit.right - edit.left, editHeight = edit.bottom - edit.top;
    POINT p{edit.left, edit.top + editHeight};
    if (screen.cy < p.y + popup.cy) p.y = edit.top - popup.cy;
    if (align == PopupAlign::Right) {
        p.x = edit.left - (popup.cx - editWidth);
        if (p.x < 0) p.x = edit.left;
    } else if (screen.cx < p.x + popup.cx) {
        p.x = edit.left - (popup.cx - editWidth);
    }
    if (p.x < 0) p.x = 0;
    else if (screen.cx < p.x + popup.cx) p.x = screen.cx - popup.cx;
    return p;
}

RECT EditButtonBounds(SIZE edit, int w, bool sunkenBorder, bool singleBorder) {
    if (sunkenBorder && singleBorder) return RECT{edit.cx - w - 4, 0, w, edit.cy - 4};
    if (singleBorder) return RECT{edit.cx - w - 2, 2, w, edit.cy - 4};
    return RECT{edit.cx - w, 0, w, edit.cy};
}

}  // namespace controls
