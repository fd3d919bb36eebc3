// The rig's processes and windows: starting the program, finding its window and message boxes, ending it.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include "framework/text.h"
#include "tests/e2e/harness.h"

namespace rig {
namespace {

// Wine takes the load order of a new process from the Unix environment it inherits, not from the
// environment block given to CreateProcessW; the per-program registry key works however the test runs.
void PreferNativeRas(const std::wstring& exeName) {
    const std::wstring key = L"Software\\Wine\\AppDefaults\\" + exeName + L"\\DllOverrides";
    HKEY k = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != 0)
        return;
    static const wchar_t value[] = L"native,builtin";
    RegSetValueExW(k, L"rasapi32", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
    RegCloseKey(k);
}

DWORD WindowPid(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

std::string WindowText(HWND w) {
    wchar_t buf[4096] = {};
    GetWindowTextW(w, buf, static_cast<int>(std::size(buf)));
    return fw::Narrow(buf);
}

}  // namespace

TestFolder::~TestFolder() {
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
        if (QueryFullProcessImageNameW(h, 0, image, &size) && _wcsnicmp(image, path_.c_str(), path_.size()) == 0) {
            TerminateProcess(h, 99);
            WaitForSingleObject(h, 5000);
        }
        CloseHandle(h);
    }
    CloseHandle(snap);
}

WindowState ReadWindow(HWND window) {
    WindowState s;
    if (!window || !IsWindow(window)) return s;
    s.exists = true;
    GetWindowRect(window, &s.rect);
    s.visible = IsWindowVisible(window) != FALSE;
    s.exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    return s;
}

MessageBoxInfo ReadMessageBox(HWND box) {
    MessageBoxInfo info;
    info.window = box;
    if (HWND text = GetDlgItem(box, 0xFFFF)) info.text = WindowText(text);
    info.caption = WindowText(box);
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDCLOSE, IDHELP, IDTRYAGAIN, IDCONTINUE})
        if (GetDlgItem(box, id)) info.buttons.push_back(id);
    return info;
}

Program::Program(const TestFolder& folder, const std::wstring& arguments, const std::wstring& exeName) {
    const std::wstring exe = folder.Path() + exeName;
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    PreferNativeRas(exeName);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, folder.Path().c_str(), &si, &pi)) {
        ADD_FAILURE() << "CreateProcessW failed: " << GetLastError();
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
        if (WindowPid(w) == pid_) return w;
    return nullptr;
}

HWND Program::WaitForWindow(DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = MainWindow()) != nullptr || !Running(); }, timeoutMs);
    return found;
}

std::vector<MessageBoxInfo> Program::MessageBoxes() const {
    struct Search {
        DWORD pid;
        std::vector<MessageBoxInfo> boxes;
    } search{pid_, {}};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t cls[64] = {};
            GetClassNameW(w, cls, 64);
            if (wcscmp(cls, L"#32770") == 0 && WindowPid(w) == s->pid) s->boxes.push_back(ReadMessageBox(w));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.boxes;
}

std::optional<MessageBoxInfo> Program::WaitForBox(DWORD timeoutMs, const std::string& needle) const {
    std::optional<MessageBoxInfo> found;
    WaitUntil(
        [&] {
            // A box just created may not have its text yet: wait for the text, not only the window.
            for (const MessageBoxInfo& b : MessageBoxes())
                if (!b.text.empty() && b.text.find(needle) != std::string::npos && !b.buttons.empty()) {
                    found = b;
                    return true;
                }
            return !Running();
        },
        timeoutMs);
    return found;
}

bool Program::Answer(const MessageBoxInfo& box, int buttonId) {
    HWND button = GetDlgItem(box.window, buttonId);
    return button && PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                                  reinterpret_cast<LPARAM>(button));
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
