#pragma once
// The module whose resources the controls load (the one given to RegisterControlClasses).
#include <windows.h>

namespace controls {
HINSTANCE ControlsModule();
}  // namespace controls
