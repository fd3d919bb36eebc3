// A host program for the settings library, as the main program is to it: a window of class Tfrm_quonm
// that takes the dialog's commands, and one call of _callSettings from config.dll beside it.
//
//   settings_host.exe <page> <state|null>   one opening; each command received is appended to
//                                           host_commands.txt as "<code>|<text>", and data.qif is copied
//                                           to data_at_command_<n>.qif at that moment
//   settings_host.exe leak <n>              n openings, each closed at once; the resource figures before
//                                           and after go to host_leak.txt (kernel handles, GDI objects,
//                                           windows, heap bytes; before, then after), then the bytes the
//                                           system keeps of a destroyed label and the labels of a dialog
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/resource_probe.h"
#include "tests/support/dialog_closer.h"

namespace {

using CallSettingsFn = bool(int page, int version, const char* state);

std::string Folder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p = path;
    return p.substr(0, p.find_last_of('\\') + 1);
}

void Append(const std::string& file, const std::string& line) {
    if (FILE* f = std::fopen((Folder() + file).c_str(), "ab")) {
        std::fputs((line + "\n").c_str(), f);
        std::fclose(f);
    }
}

int g_commands = 0;

LRESULT CALLBACK HostProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        ++g_commands;
        CopyFileA((Folder() + "data.qif").c_str(), (Folder() + "data_at_command_" + std::to_string(g_commands) + ".qif").c_str(),
                  FALSE);
        Append("host_commands.txt", std::to_string(static_cast<long>(data->dwData)) + "|" +
                                        std::string(static_cast<const char*>(data->lpData), data->cbData));
        return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

int g_labels = -1;  // of the first dialog closed at once

void CALLBACK CloseAtOnce(HWND, UINT, UINT_PTR, DWORD) {
    if (g_labels < 0)
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND w, LPARAM) -> BOOL {
                if (IsWindowVisible(w)) g_labels = std::max(g_labels, probe::LabelsIn(w));
                return TRUE;
            },
            0);
    quon::test::CancelVisibleDialogsOfThisThread();
}

bool OpenOnce(int page, const char* state, bool closeAtOnce) {
    HMODULE library = LoadLibraryA((Folder() + "config.dll").c_str());
    auto* call = library ? reinterpret_cast<CallSettingsFn*>(reinterpret_cast<void*>(GetProcAddress(library, "_callSettings")))
                         : nullptr;
    if (!call) return false;
    const UINT_PTR timer = closeAtOnce ? SetTimer(nullptr, 0, 10, &CloseAtOnce) : 0;
    const bool result = call(page, 2010, state);
    if (timer) KillTimer(nullptr, timer);
    FreeLibrary(library);
    return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"Tfrm_quonm";
    RegisterClassW(&wc);
    CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"Tfrm_quonm", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                    instance, nullptr);
    if (__argc >= 3 && std::string(__argv[1]) == "leak") {
        const int rounds = std::atoi(__argv[2]);
        // The main program keeps rasapi32 loaded while it runs; so does the host (the RAS double beside it).
        // It imports the common controls too, so they stay loaded between openings (Wine's version 6 leaves
        // a GDI object behind each time they are unloaded).
        LoadLibraryA("rasapi32");
        LoadLibraryA("comctl32");
        for (int i = 0; i < 9; ++i) OpenOnce(i, "0", true);  // a first opening of each page: what the process keeps once
        const probe::Resources before = probe::Measure();
        for (int i = 0; i < rounds; ++i)
            if (!OpenOnce(i % 9, "0", true)) return 2;
        const probe::Resources after = probe::Measure();
        char line[256];
        std::snprintf(line, sizeof line, "%lld %lld %d %lld %lld %lld %d %lld %lld %d", before.handlesInUse,
                      before.gdiInUse, before.windows, before.heapBytes,
                      after.handlesInUse, after.gdiInUse, after.windows,
                      after.heapBytes, probe::BytesKeptPerLabel(), g_labels);
        Append("host_leak.txt", line);
        return 0;
    }
    if (__argc < 3) return 2;
    const std::string state = __argv[2];
    const bool result = OpenOnce(std::atoi(__argv[1]), state == "null" ? nullptr : state.c_str(), false);
    Append("host_commands.txt", result ? "returned true" : "returned false");
    return 0;
}
