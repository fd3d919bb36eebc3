#pragma once
// Cancels every visible dialog box of this thread (a timer callback of the test programs and benchmarks
// that open the settings dialog and must not wait for a click).
#include <windows.h>

#include <string>

inline void CancelVisibleDialogsOfThisThread() {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM) -> BOOL {
            wchar_t cls[16] = {};
            GetClassNameW(w, cls, 16);
            if (std::wstring(cls) == L"#32770" && IsWindowVisible(w)) PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        },
        0);
}
