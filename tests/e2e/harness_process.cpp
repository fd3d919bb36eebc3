// The rig's processes and windows: starting the program, finding its window and message boxes, ending it.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include "framework/text.h"
#include "tests/e2e/harness.h"

namespace rig {
namespace {

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

MessageBoxInfo ReadMessageBox(HWND box) {
    MessageBoxInfo info;
    info.window = box;
    if (HWND text = GetDlgItem(box, 0xFFFF)) info.text = WindowText(text);
    info.caption = WindowText(box);
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDCLOSE, IDHELP, IDTRYAGAIN, IDCONTINUE})
        // The box template holds buttons it does not use, hidden.
        if (HWND b = GetDlgItem(box, id); b && (GetWindowLongW(b, GWL_STYLE) & WS_VISIBLE))
            info.buttons.push_back(id);
    return info;
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
        if (WindowPid(w) == pid_) return w;
    return nullptr;
}

HWND Program::WaitForWindow(DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = MainWindow()) != nullptr || !Running(); }, timeoutMs);
    return found;
}

std::vector<MessageBoxInfo> MessageBoxesOf(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<MessageBoxInfo> boxes;
    } search{pid, {}};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t cls[64] = {};
            GetClassNameW(w, cls, 64);
            // A box just created is not ready: its text and buttons are set before it is shown.
            if (wcscmp(cls, L"#32770") == 0 && WindowPid(w) == s->pid && IsWindowVisible(w))
                s->boxes.push_back(ReadMessageBox(w));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.boxes;
}

std::vector<MessageBoxInfo> Program::MessageBoxes() const { return MessageBoxesOf(pid_); }

std::optional<MessageBoxInfo> Program::WaitForBox(DWORD timeoutMs, const std::string& needle) const {
    std::optional<MessageBoxInfo> found;
    WaitUntil(
        [&] {
            for (const MessageBoxInfo& b : MessageBoxes())
                if (!b.text.empty() && b.text.find(needle) != std::string::npos) {
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

struct BoxAnswerer::Shared {
    explicit Shared(int b) : button(b) {}
    int button;
    volatile LONG stop = 0;
    CRITICAL_SECTION lock{};
    std::vector<std::string> texts;
    std::vector<HWND> answered;
};

BoxAnswerer::BoxAnswerer(int buttonId) : shared_(new Shared(buttonId)) {
    InitializeCriticalSection(&shared_->lock);
    thread_ = CreateThread(
        nullptr, 0,
        [](LPVOID p) -> DWORD {
            auto* s = static_cast<Shared*>(p);
            while (!s->stop) {
                for (const MessageBoxInfo& b : MessageBoxesOf(GetCurrentProcessId())) {
                    EnterCriticalSection(&s->lock);
                    bool seen = false;
                    for (HWND h : s->answered) seen = seen || h == b.window;
                    if (!seen) {
                        s->answered.push_back(b.window);
                        s->texts.push_back(b.text);
                    }
                    LeaveCriticalSection(&s->lock);
                    Program::Answer(b, s->button);
                }
                Sleep(10);
            }
            return 0;
        },
        shared_, 0, nullptr);
}

BoxAnswerer::~BoxAnswerer() {
    InterlockedExchange(&shared_->stop, 1);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    DeleteCriticalSection(&shared_->lock);
    delete shared_;
}

std::vector<std::string> BoxAnswerer::Texts() const {
    EnterCriticalSection(&shared_->lock);
    std::vector<std::string> copy = shared_->texts;
    LeaveCriticalSection(&shared_->lock);
    return copy;
}

}  // namespace rig
