#pragma once
// In-process fixtures for the launchers: a program folder of the test's own with probe modules copied
// in, the lines the modules recorded, and a watcher that answers the message boxes this thread shows.
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "framework/program_folder.h"
#include "framework/text.h"

namespace quon::test {

inline std::filesystem::path BinFolder() {
    std::filesystem::path exe(fw::ProgramPathW());
    return exe.parent_path();
}

// bin\<name>\ with an empty PLUGINS folder, made the program folder for the test.
class ProgramFolderForTest {
public:
    explicit ProgramFolderForTest(const std::string& name) : folder_(BinFolder() / ("launch_" + name)) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        std::filesystem::create_directories(folder_ / "PLUGINS");
        fw::OverrideProgramFolderForTests(fw::Narrow(folder_.wstring()) + "\\");
    }
    ~ProgramFolderForTest() { fw::OverrideProgramFolderForTests(""); }

    // A probe module of bin\ copied in under another name (relative to the program folder).
    void Install(const std::string& module, const std::string& as) const {
        std::filesystem::copy_file(BinFolder() / module, folder_ / as,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    // The calls a probe module recorded, one per line.
    std::vector<std::string> Calls(const std::string& recordFile) const {
        std::vector<std::string> lines;
        std::ifstream in(folder_ / recordFile);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    const std::filesystem::path& Path() const { return folder_; }

private:
    std::filesystem::path folder_;
};

// Held for a test whose program finds another window by its class alone, as the meter finds the external
// indicator: test processes on one display share the window list, so two such tests at once would find
// each other's windows. The lock is a named mutex of the Wine server the display's processes share.
class DisplayWideLock {
public:
    explicit DisplayWideLock(const wchar_t* name) : mutex_(CreateMutexW(nullptr, FALSE, name)) {
        const DWORD waited = mutex_ ? WaitForSingleObject(mutex_, 50000) : WAIT_FAILED;
        held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
        if (!held_) ADD_FAILURE() << "another test held the display-wide lock too long";
    }
    ~DisplayWideLock() {
        if (held_) ReleaseMutex(mutex_);
        if (mutex_) CloseHandle(mutex_);
    }
    DisplayWideLock(const DisplayWideLock&) = delete;
    DisplayWideLock& operator=(const DisplayWideLock&) = delete;

private:
    HANDLE mutex_;
    bool held_ = false;
};

// A window of this thread by its class (tests running side by side may show windows of the same class).
inline HWND ThreadWindow(const wchar_t* className) {
    struct Search {
        const wchar_t* cls;
        HWND found;
    } search{className, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t cls[64] = {};
            GetClassNameW(w, cls, 64);
            if (std::wstring(cls) != s->cls) return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct SeenBox {
    std::string caption;
    std::string text;
};

// Watches the calling thread's windows from a second thread; each message box that appears is read
// and answered with `answer`.
class BoxWatcher {
public:
    explicit BoxWatcher(int answer = IDOK) : thread_(GetCurrentThreadId()), answer_(answer) {
        watcher_ = std::thread([this] { Watch(); });
    }
    ~BoxWatcher() { Stop(); }
    std::vector<SeenBox> Stop() {
        stop_ = true;
        if (watcher_.joinable()) watcher_.join();
        std::lock_guard lock(mutex_);
        return seen_;
    }

private:
    static std::string Text(HWND window) {
        wchar_t buf[2048] = {};
        GetWindowTextW(window, buf, 2048);
        return fw::Narrow(buf);
    }
    void Watch() {
        while (!stop_) {
            HWND box = nullptr;
            EnumThreadWindows(
                thread_,
                [](HWND w, LPARAM found) -> BOOL {
                    wchar_t cls[32] = {};
                    GetClassNameW(w, cls, 32);
                    if (std::wstring(cls) != L"#32770" || !IsWindowVisible(w)) return TRUE;
                    *reinterpret_cast<HWND*>(found) = w;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&box));
            if (box && box != last_) {
                HWND label = GetDlgItem(box, 0xFFFF);
                std::string text = label ? Text(label) : std::string();
                if (!text.empty()) {  // a box still being filled is read on the next round
                    {
                        std::lock_guard lock(mutex_);
                        seen_.push_back({Text(box), text});
                    }
                    last_ = box;
                    PostMessageW(box, WM_COMMAND, answer_, 0);
                }
            }
            Sleep(10);
        }
    }

    DWORD thread_;
    int answer_;
    std::atomic<bool> stop_{false};
    std::thread watcher_;
    std::mutex mutex_;
    std::vector<SeenBox> seen_;
    HWND last_ = nullptr;
};

// Runs steps on this thread's message loop while a modal call runs (the call's own loop fires them).
class DuringModal {
public:
    explicit DuringModal(std::vector<std::function<void()>> steps, UINT intervalMs = 30)
        : steps_(std::move(steps)) {
        Current() = this;
        timer_ = SetTimer(nullptr, 0, intervalMs, &DuringModal::Tick);
    }
    ~DuringModal() {
        KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    size_t StepsRun() const { return next_; }

private:
    static DuringModal*& Current() {
        static DuringModal* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DuringModal* self = Current();
        if (!self || self->next_ >= self->steps_.size()) return;
        auto step = self->steps_[self->next_++];  // a step may run a nested loop that ticks again
        step();
    }
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
    UINT_PTR timer_ = 0;
};

// Pumps this thread's messages until done() or the bound runs out.
template <class Done>
bool PumpUntil(Done done, DWORD boundMs = 3000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > boundMs) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
    return true;
}

}  // namespace quon::test
