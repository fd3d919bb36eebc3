// Opens the settings dialog of the config.dll in this program's folder: settings_opener.exe <page>
// [<seconds>]. After the given seconds (default 10) it presses Escape in the dialog, which closes it.
#include <windows.h>

#include <cstdlib>
#include <thread>

namespace {

using CallSettings = bool __cdecl(int page, int version, const char* state);

BOOL CALLBACK PressEscape(HWND window, LPARAM) {
    if (IsWindowVisible(window)) {
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0);
    }
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
        Sleep(static_cast<DWORD>(seconds) * 1000);
        EnumThreadWindows(uiThread, &PressEscape, 0);
    });
    call(page, 2010, "0");
    closer.join();
    FreeLibrary(config);
    return 0;
}
