#include "controls/control_window.h"

#include "framework/message_box.h"

namespace controls {

void ReportControlFault(const std::exception* e) {
    try {
        std::string text = e && e->what()[0] ? e->what() : "Внутренняя ошибка элемента управления";
        fw::ShowBox(text, MB_OK | MB_ICONWARNING | MB_TOPMOST);
    } catch (...) {
    }
}

bool RegisterClassInfo(ControlClassInfo& info, WNDPROC proc, HINSTANCE module, const wchar_t* name,
                       const wchar_t* baseClass, UINT style, HCURSOR cursor, HBRUSH background) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (info.name && info.module == module && GetClassInfoExW(module, name, &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (baseClass) {
        if (!GetClassInfoExW(nullptr, baseClass, &wc)) return false;
        info.baseProc = wc.lpfnWndProc;
        info.slot = wc.cbWndExtra;
        wc.cbWndExtra += static_cast<int>(sizeof(LONG_PTR));
        wc.style &= ~CS_GLOBALCLASS;
        wc.style |= style;
    } else {
        info.baseProc = DefWindowProcW;
        info.slot = 0;
        wc.cbWndExtra = static_cast<int>(sizeof(LONG_PTR));
        wc.style = style;
        wc.hCursor = cursor ? cursor : LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = background;
    }
    wc.lpfnWndProc = proc;
    wc.hInstance = module;
    wc.lpszClassName = name;
    wc.lpszMenuName = nullptr;
    if (!RegisterClassExW(&wc)) return false;
    info.module = module;
    info.name = name;
    return true;
}

void UnregisterClassInfo(ControlClassInfo& info) {
    if (!info.name) return;
    UnregisterClassW(info.name, info.module);
    info = ControlClassInfo{};
}

}  // namespace controls
