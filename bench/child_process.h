#pragma once
// Runs a program (here: the benchmark again, with a different setting) and returns its exit code, 2 when
// it could not be started.
#include <windows.h>

inline int RunAndWait(const wchar_t* program, wchar_t* commandLine, BOOL inheritHandles) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(program, commandLine, nullptr, nullptr, inheritHandles, 0, nullptr, nullptr, &si, &pi))
        return 2;
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 2;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}
