#include "controls/registry.h"

namespace controls {
namespace {
HINSTANCE g_module = nullptr;
HCURSOR g_cursors[2] = {};

HCURSOR OwnCursor(HINSTANCE module, const wchar_t* name) {
    return static_cast<HCURSOR>(LoadImageW(module, name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
}
}  // namespace

void UseControlsModule(HINSTANCE module) {
    g_module = module;
    // Not shared copies (LoadCursor gives shared ones, which DestroyCursor may not free): the release
    // destroys them.
    if (!g_cursors[0]) g_cursors[0] = OwnCursor(module, L"RX_HANDCUR");
    if (!g_cursors[1]) g_cursors[1] = OwnCursor(module, L"RX_DRAGCUR");
}

void ReleaseControlsModule() {
    for (HCURSOR& c : g_cursors) {
        if (c) DestroyCursor(c);
        c = nullptr;
    }
    g_module = nullptr;
}

HINSTANCE ControlsModule() { return g_module ? g_module : GetModuleHandleW(nullptr); }

std::wstring ResourceText(UINT id) {
    const wchar_t* p = nullptr;
    int n = LoadStringW(ControlsModule(), id, reinterpret_cast<LPWSTR>(&p), 0);
    return n > 0 ? std::wstring(p, static_cast<size_t>(n)) : std::wstring();
}

HCURSOR ControlCursor(int number) {
    return number == 14000 ? g_cursors[0] : number == 14001 ? g_cursors[1] : nullptr;
}

}  // namespace controls
