#pragma once
// Shared by the probe modules: each call a module gets is appended as one line to "<module>_calls.txt"
// beside the module, so a test can read what reached it after the module was freed.
#include <windows.h>

#include <cstdio>
#include <string>

namespace stub {

inline HMODULE& ThisModule() {
    static HMODULE module = nullptr;
    return module;
}

inline std::string RecordPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(ThisModule(), path, MAX_PATH);
    std::string file = path;
    const size_t dot = file.find_last_of('.');
    return (dot == std::string::npos ? file : file.substr(0, dot)) + "_calls.txt";
}

inline void Record(const std::string& line) {
    if (FILE* f = std::fopen(RecordPath().c_str(), "ab")) {
        std::fputs((line + "\n").c_str(), f);
        std::fclose(f);
    }
}

// The behaviour a test asked for through an environment variable ("" when unset).
inline std::string Mode(const char* variable) {
    char value[64] = {};
    GetEnvironmentVariableA(variable, value, sizeof value);
    return value;
}

[[noreturn]] inline void Fault() {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    __builtin_unreachable();
}

// A window of the given class that runs its own message loop until it is closed, as a modal dialog does.
inline void RunWindowUntilClosed(const wchar_t* className, WNDPROC proc) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = ThisModule();
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, className, className, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ThisModule(), nullptr);
    MSG msg;
    while (IsWindow(window)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (IsWindow(window)) DestroyWindow(window);
    UnregisterClassW(className, ThisModule());
}

}  // namespace stub

#define STUB_DLLMAIN                                                     \
    BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {      \
        if (reason == DLL_PROCESS_ATTACH) stub::ThisModule() = instance; \
        return TRUE;                                                     \
    }
