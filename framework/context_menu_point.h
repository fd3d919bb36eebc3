#pragma once
// Where a context menu opens (screen coordinates), from the WM_CONTEXTMENU of a control: at the mouse
// when the mouse asked for it; from the keyboard (menu key, Shift+F10) under the focused item of a list
// box or a list view, or else at the control's top-left corner.
#include <windows.h>

namespace fw {

POINT ContextMenuPoint(HWND control, LPARAM lp);

}  // namespace fw
