// config.dll: the settings dialog's library. Its one export opens the dialog; nothing else crosses.
#include <windows.h>

#include "config/call_settings.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) quon::config::SetResourceModule(instance);
    return TRUE;
}

// The caller keeps the state text for the length of the call. No exception leaves this C entry.
extern "C" bool _callSettings(int page, int version, const char* state) {
    try {
        return quon::config::CallSettings(page, version, state);
    } catch (...) {
        return true;
    }
}
