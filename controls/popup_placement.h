#pragma once
// Where a drop-down opens: below the edit, or above it when the screen ends; right edges lined up (or left
// ones), and always pushed inside the screen's width.
#include <windows.h>

namespace controls {

enum class PopupAlign { Right, Left };

POINT PlacePopup(RECT edit, SIZE popup, SIZE screen, PopupAlign align);

// The side button inside an edit of the given size: left, top, width, height.
RECT EditButtonBounds(SIZE edit, int buttonWidth, bool sunkenBorder, bool singleBorder);

}  // namespace controls
