#pragma once
// In-process fixtures for the launchers: a program folder of the test's own with probe modules copied
// in, the lines the modules recorded, and the ways to step through this thread's modal loops.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/program_folder.h"
#include "framework/text.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/test_modules.h"

namespace quon::test {

inline std::filesystem::path BinFolder() { return std::filesystem::path(TestModulesFolder()).parent_path(); }

// bin\<name>\ with an empty PLUGINS folder, made the program folder for the test.
class ProgramFolderForTest {
public:
    explicit ProgramFolderForTest(const std::string& name)
        : scratch_(fw::Narrow(TestModulesFolder()), "launch_" + name),
          folder_(fw::Widen(scratch_.Path().substr(0, scratch_.Path().size() - 1))) {
        scratch_.MakeFolder("PLUGINS");
        fw::OverrideProgramFolderForTests(scratch_.Path());
    }
    ~ProgramFolderForTest() { fw::OverrideProgramFolderForTests(""); }

    // A probe module of bin\ copied in under another name (relative to the program folder).
    void Install(const std::string& module, const std::string& as) const {
        if (!CopyTestModule(module, scratch_.WFile(as))) ADD_FAILURE() << "could not copy " << module;
    }
    // The calls a probe module recorded, one per line.
    std::vector<std::string> Calls(const std::string& recordFile) const {
        std::vector<std::string> lines;
        std::ifstream in(folder_ / recordFile);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    const std::filesystem::path& Path() const { return folder_; }  // without a trailing backslash

private:
    ScratchFolder scratch_;
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
