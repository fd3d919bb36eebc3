// The rig's processes and windows: starting the program, finding its window and message boxes, ending it.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include "tests/e2e/harness.h"
#include "tests/support/dialog_windows.h"

namespace rig {

void EndProcessesIn(const std::wstring& folder) {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32W pe{};
    pe.dwSize = sizeof pe;
    for (BOOL more = Process32FirstW(snap, &pe); more; more = Process32NextW(snap, &pe)) {
        HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                               pe.th32ProcessID);
        if (!h) continue;
        wchar_t image[MAX_PATH * 4] = {};
        DWORD size = static_cast<DWORD>(std::size(image));
        if (QueryFullProcessImageNameW(h, 0, image, &size) && _wcsnicmp(image, folder.c_str(), folder.size()) == 0) {
            TerminateProcess(h, 99);
            WaitForSingleObject(h, 5000);
        }
        CloseHandle(h);
    }
    CloseHandle(snap);
}

TestFolder::~TestFolder() { EndProcessesIn(path_); }

WindowState ReadWindow(HWND window) {
    WindowState s;
    if (!window || !IsWindow(window)) return s;
    s.exists = true;
    GetWindowRect(window, &s.rect);
    s.visible = IsWindowVisible(window) != FALSE;
    s.exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    return s;
}

Program::Program(const TestFolder& folder, const std::wstring& arguments, const std::wstring& exeName) {
    const std::wstring exe = folder.Path() + exeName;
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    PreferNativeRas(exeName);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    // Wine now and then refuses a process start with ERROR_INTERNAL_ERROR while many seats start programs
    // at once; that is the emulator's hiccup, not the program's, so such a start is tried again.
    BOOL started = FALSE;
    DWORD error = 0;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt > 0) Sleep(300);
        started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 folder.Path().c_str(), &si, &pi);
        error = started ? 0 : GetLastError();
        if (!started && error != ERROR_INTERNAL_ERROR) break;
    }
    if (!started) {
        ADD_FAILURE() << "CreateProcessW failed: " << error;
        return;
    }
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
}

Program::~Program() {
    Terminate();
    if (process_) CloseHandle(process_);
}

bool Program::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

void Program::Terminate() {
    if (!Running()) return;
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
}

HWND Program::MainWindow() const {
    for (HWND w = FindWindowExW(nullptr, nullptr, L"Tfrm_quonm", nullptr); w;
         w = FindWindowExW(nullptr, w, L"Tfrm_quonm", nullptr))
        if (quon::test::WindowProcess(w) == pid_) return w;
    return nullptr;
}

HWND Program::WaitForWindow(DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = MainWindow()) != nullptr || !Running(); }, timeoutMs);
    return found;
}

std::vector<quon::test::MessageBoxInfo> Program::MessageBoxes() const { return quon::test::MessageBoxesOf(pid_); }

std::optional<quon::test::MessageBoxInfo> Program::WaitForBox(DWORD timeoutMs, const std::string& needle) const {
    std::optional<quon::test::MessageBoxInfo> found;
    WaitUntil(
        [&] {
            for (const quon::test::MessageBoxInfo& b : MessageBoxes())
                if (!b.text.empty() && b.text.find(needle) != std::string::npos) {
                    found = b;
                    return true;
                }
            return !Running();
        },
        timeoutMs);
    return found;
}

std::optional<DWORD> Program::WaitForExit(DWORD timeoutMs) const {
    if (!process_) return std::nullopt;
    bool ended = WaitUntil([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeoutMs);
    if (!ended) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

}  // namespace rig
