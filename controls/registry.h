#pragma once
// The module whose resources the controls load (the one given to RegisterControlClasses).
#include <windows.h>

#include <string>

namespace controls {
HINSTANCE ControlsModule();
// The hand (14000) and drag (14001) cursors of the controls' resources; null for other numbers.
HCURSOR ControlCursor(int number);
// A string of the controls' string table ("" when missing).
std::wstring ResourceText(UINT id);
}  // namespace controls
