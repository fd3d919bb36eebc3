// config.dll: the settings dialog's library. Its one export opens the dialog; nothing else crosses.
#include <windows.h>

#include "config/dialog/call_settings.h"

// The C++ runtime linked into this library keeps an emergency exception pool on the heap; it is given
// back when the library is freed, as the main program frees it after every opening.
namespace __gnu_cxx {
void __freeres();
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) quon::config::SetResourceModule(instance);
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) __gnu_cxx::__freeres();  // freed, not process end
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
