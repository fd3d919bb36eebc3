// Opens the settings dialog of the config.dll in this program's folder: settings_opener.exe <page>
// [<seconds>]. A second after the dialog shows it presses the logs page's "show" and "start" buttons, so
// that a picture shows the event log and the activity strip; after the given seconds (default 10) it
// presses Escape in the dialog, which closes it.
#include <windows.h>

#include <cstdlib>
#include <thread>

#include "config/logs_page.h"

namespace {

using CallSettings = bool __cdecl(int page, int version, const char* state);

BOOL CALLBACK PressEscape(HWND window, LPARAM) {
    if (IsWindowVisible(window)) {
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0);
    }
    return TRUE;
}

BOOL CALLBACK PressLogButtons(HWND child, LPARAM) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (std::wstring(name) == L"QuonLogsPage") {
        for (int id : {quon::config::LogsPage::idShow, quon::config::LogsPage::idSpeed})
            PostMessageW(child, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(child, id)));
    }
    return TRUE;
}

BOOL CALLBACK ShowLogs(HWND window, LPARAM) {
    EnumChildWindows(window, &PressLogButtons, 0);
    return TRUE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int page = __argc > 1 ? std::atoi(__argv[1]) : 0;
    const int seconds = __argc > 2 ? std::atoi(__argv[2]) : 10;
    HMODULE config = LoadLibraryA("config.dll");
    auto* call = config ? reinterpret_cast<CallSettings*>(reinterpret_cast<void*>(GetProcAddress(config, "_callSettings")))
                        : nullptr;
    if (!call) return 2;
    const DWORD uiThread = GetCurrentThreadId();
    std::thread closer([uiThread, seconds] {
        Sleep(1000);
        EnumThreadWindows(uiThread, &ShowLogs, 0);
        Sleep(static_cast<DWORD>(seconds) * 1000 - 1000);
        EnumThreadWindows(uiThread, &PressEscape, 0);
    });
    call(page, 2010, "0");
    closer.join();
    FreeLibrary(config);
    return 0;
}
