#pragma once
// The module whose resources the controls load (the one given to RegisterControlClasses), and the
// cursors and texts they take from it.
#include <windows.h>

#include <string>

namespace controls {
// Takes the module and loads its two cursors; the release destroys the cursors and forgets the module.
void UseControlsModule(HINSTANCE module);
void ReleaseControlsModule();
HINSTANCE ControlsModule();
// The hand (14000) and drag (14001) cursors of the controls' resources; null for other numbers.
HCURSOR ControlCursor(int number);
// A string of the controls' string table ("" when missing).
std::wstring ResourceText(UINT id);
}  // namespace controls
