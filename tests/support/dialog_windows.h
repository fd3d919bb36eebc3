#pragma once
// Finding dialog windows (class #32770: message boxes, the system's common dialogs, windows made from a
// dialog template) among the top-level windows. Header only: the test doubles use it too.
#include <windows.h>

#include <cwchar>
#include <vector>

namespace quon::test {

inline bool IsDialogWindow(HWND w) {
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    return std::wcscmp(cls, L"#32770") == 0;
}

inline DWORD WindowProcess(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

// The dialog windows of one thread, shown or not, in the order the system lists them.
inline std::vector<HWND> DialogsOfThread(DWORD thread) {
    std::vector<HWND> found;
    EnumThreadWindows(
        thread,
        [](HWND w, LPARAM p) -> BOOL {
            if (IsDialogWindow(w)) reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The shown dialog windows of the desktop, topmost first. A message box just created is not ready: its
// text and buttons are set before it is shown.
inline std::vector<HWND> ShownDialogs() {
    std::vector<HWND> found;
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            if (IsDialogWindow(w) && IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The same of one process.
inline std::vector<HWND> ShownDialogsOf(DWORD pid) {
    std::vector<HWND> found;
    for (HWND w : ShownDialogs())
        if (WindowProcess(w) == pid) found.push_back(w);
    return found;
}

}  // namespace quon::test
