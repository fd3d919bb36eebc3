#include "controls/controls.h"

#include <commctrl.h>

#include "controls/calendar_view.h"
#include "controls/combo_edit.h"
#include "controls/date_edit.h"
#include "controls/filename_edit.h"
#include "controls/glyph_cache.h"
#include "controls/popup_calendar.h"
#include "controls/registry.h"
#include "controls/speed_button.h"

namespace controls {
namespace {
HINSTANCE g_module = nullptr;
HCURSOR g_cursors[2] = {};

HCURSOR OwnCursor(HINSTANCE module, const wchar_t* name) {
    return static_cast<HCURSOR>(LoadImageW(module, name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
}
}  // namespace

HINSTANCE ControlsModule() { return g_module ? g_module : GetModuleHandleW(nullptr); }

std::wstring ResourceText(UINT id) {
    const wchar_t* p = nullptr;
    int n = LoadStringW(ControlsModule(), id, reinterpret_cast<LPWSTR>(&p), 0);
    return n > 0 ? std::wstring(p, static_cast<size_t>(n)) : std::wstring();
}

HCURSOR ControlCursor(int number) {
    return number == 14000 ? g_cursors[0] : number == 14001 ? g_cursors[1] : nullptr;
}

bool RegisterControlClasses(HINSTANCE module) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    g_module = module;
    // Not shared copies (LoadCursor gives shared ones, which DestroyCursor may not free): the release
    // destroys them.
    if (!g_cursors[0]) g_cursors[0] = OwnCursor(module, L"RX_HANDCUR");
    if (!g_cursors[1]) g_cursors[1] = OwnCursor(module, L"RX_DRAGCUR");
    return RegisterSpeedButtonClass(module) && RegisterCalendarClass(module) && RegisterPopupCalendarClass(module) &&
           RegisterComboEditClass(module) && RegisterFilenameEditClass(module) && RegisterDateEditClass(module);
}

void ReleaseControlResources() {
    UnregisterDateEditClass();
    UnregisterFilenameEditClass();
    UnregisterComboEditClass();
    UnregisterPopupCalendarClass();
    UnregisterCalendarClass();
    UnregisterSpeedButtonClass();
    FreeSharedEditGlyphs();
    FreeNavigationGlyphs();
    glyph_cache::FreeAll();
    for (HCURSOR& c : g_cursors) {
        if (c) DestroyCursor(c);
        c = nullptr;
    }
    g_module = nullptr;
}

FilenameEdit* FilenameEditOf(HWND hwnd) { return FilenameEdit::From(hwnd); }
DateEdit* DateEditOf(HWND hwnd) { return DateEdit::From(hwnd); }
ComboEdit* ComboEditOf(HWND hwnd) { return ComboEdit::From(hwnd); }

}  // namespace controls
