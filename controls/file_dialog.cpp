#include "controls/file_dialog.h"

#include <string>

namespace controls {
namespace {
// The dialog library from the system folder, pinned: no later free unloads it.
HMODULE DialogLibrary() {
    wchar_t folder[MAX_PATH] = {};
    UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    std::wstring path = std::wstring(folder, n) + L"\\comdlg32.dll";
    HMODULE loaded = LoadLibraryW(path.c_str());
    if (!loaded) return nullptr;
    HMODULE pinned = nullptr;
    if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                           reinterpret_cast<LPCWSTR>(GetProcAddress(loaded, "GetOpenFileNameW")), &pinned))
        FreeLibrary(loaded);  // the pin holds it now
    return loaded;
}
}  // namespace

bool RunFileDialog(OPENFILENAMEW& ofn, bool save) {
    using DialogFn = BOOL(WINAPI*)(LPOPENFILENAMEW);
    HMODULE library = DialogLibrary();
    if (!library) return false;
    auto run = reinterpret_cast<DialogFn>(
        reinterpret_cast<void*>(GetProcAddress(library, save ? "GetSaveFileNameW" : "GetOpenFileNameW")));
    return run && run(&ofn);
}

}  // namespace controls
