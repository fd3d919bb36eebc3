// The controls carried by a library that is loaded and freed at every use, as the settings library is:
// register, place a file-name and a date field, paint them, drop the calendar, destroy, release, free.
// A separate host process does the rounds, so that nothing this test program holds loaded hides what
// the library brings in and takes away.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/scratch_file.h"

namespace {

std::wstring Folder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L'\\') + 1);
}

// The host's exit code (or 99 when it did not end in time).
DWORD RunHost(const std::wstring& arguments) {
    std::wstring command = L"\"" + Folder() + L"controls_cycle_host.exe\" " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, Folder().c_str(), &si, &pi))
        return 98;
    DWORD code = 99;
    if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    else TerminateProcess(pi.hProcess, 99);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

TEST(ControlResources, LibraryCyclesOfRegisterPlaceDestroyReleaseLeaveNoHandlesObjectsOrHeapBehind) {
    const quon::test::ScratchFile figuresFile("controls_cycle_", ".txt");
    ASSERT_EQ(RunHost(L"30 \"" + figuresFile.WPath() + L"\""), 0u);
    std::ifstream figures{std::filesystem::path(figuresFile.WPath())};
    long long handleBefore = 0, gdiBefore = 0, handleAfter = 0, gdiAfter = 0;
    int windowsBefore = 0, windowsAfter = 0;
    long long heapBefore = 0, heapAfter = 0;
    ASSERT_TRUE(figures >> handleBefore >> gdiBefore >> windowsBefore >> heapBefore >> handleAfter >> gdiAfter >>
                windowsAfter >> heapAfter);
    figures.close();
    EXPECT_LE(handleAfter, handleBefore) << "kernel handles in use";
    EXPECT_LE(gdiAfter, gdiBefore) << "GDI objects in use";
    EXPECT_EQ(windowsAfter, windowsBefore);
    EXPECT_LE(heapAfter, heapBefore + 64 * 1024) << "heap in use " << heapBefore << " -> " << heapAfter;
}

}  // namespace
