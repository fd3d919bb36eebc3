#pragma once
// Cancels every visible dialog box of this thread (a timer callback of the test programs and benchmarks
// that open the settings dialog and must not wait for a click).
#include <windows.h>

#include "tests/support/dialog_windows.h"

namespace quon::test {

inline void CancelVisibleDialogsOfThisThread() {
    for (HWND w : DialogsOfThread(GetCurrentThreadId()))
        if (IsWindowVisible(w)) PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace quon::test
