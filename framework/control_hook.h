#pragma once
// A hook on one control's messages, set by replacing its window procedure. Unlike the common controls'
// subclass chain, which looks up a window property on every message (under Wine a trip to the server
// each time), this keeps the hook in the control's user data. For controls that leave their user data
// free, as the system's edit and button controls do.
#include <windows.h>

#include <functional>
#include <optional>

namespace fw {

// Returns the message's result when it handled it, nothing to pass it on to the control.
using ControlHook = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

// Hooks the control until UnhookControl or its destruction. No exception leaves the hook's window procedure.
void HookControl(HWND control, ControlHook hook);
void UnhookControl(HWND control);

}  // namespace fw
