// One opening's worth of the edit controls: the classes registered for this library, a file-name and a
// date field placed in a window and painted (their button glyphs built), the calendar dropped and
// closed, everything destroyed and the controls' resources released.
#include <windows.h>

#include "controls/controls.h"
#include "controls/date_edit.h"

namespace {
HINSTANCE g_instance = nullptr;

void PrintButton(HWND field) {
    HWND button = GetWindow(field, GW_CHILD);
    if (!button) return;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 40, 40);
    HGDIOBJ old = SelectObject(dc, canvas);
    SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    EnableWindow(field, FALSE);  // the disabled image too
    SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    EnableWindow(field, TRUE);
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}
}  // namespace

namespace __gnu_cxx {
void __freeres();
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) __gnu_cxx::__freeres();
    return TRUE;
}

// 1 when both fields were made; the classes are released either way.
extern "C" __declspec(dllexport) int CycleControls() {
    int made = 0;
    if (controls::RegisterControlClasses(g_instance)) {
        HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr, g_instance,
                                      nullptr);
        HWND file = CreateWindowExW(0, L"TFilenameEdit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 4, 4, 200, 22,
                                    parent, reinterpret_cast<HMENU>(1), g_instance, nullptr);
        HWND date = CreateWindowExW(0, L"TDateEdit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 4, 40, 100, 22, parent,
                                    reinterpret_cast<HMENU>(2), g_instance, nullptr);
        if (file && date) {
            made = 1;
            PrintButton(file);
            PrintButton(date);
            if (controls::DateEdit* d = controls::DateEditOf(date)) {
                d->ShowPopup();
                d->HidePopup(false);
            }
        }
        DestroyWindow(parent);
    }
    controls::ReleaseControlResources();
    return made;
}
