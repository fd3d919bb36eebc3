#include "config/pages/common/page_controls.h"

#include <commctrl.h>

#include "controls/controls.h"
#include "controls/date_edit.h"
#include "controls/filename_edit.h"
#include "framework/program_folder.h"

#include "framework/text.h"

namespace quon::config {

// The pages' fonts live as long as the library and are given back when it is unloaded.
HFONT PageFontOf(int height, int weight, const wchar_t* face) {
    struct Font {
        HFONT handle;
        ~Font() { DeleteObject(handle); }
    };
    static Font normal{nullptr}, bold{nullptr}, small{nullptr};
    Font& slot = height < -10 ? (weight == FW_BOLD ? bold : normal) : small;
    if (!slot.handle)
        slot.handle = CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    return slot.handle;
}

HFONT PageFont() { return PageFontOf(-11, FW_NORMAL, L"MS Sans Serif"); }
HFONT PageBoldFont() { return PageFontOf(-11, FW_BOLD, L"MS Sans Serif"); }
HFONT PageSmallFont() { return PageFontOf(-9, FW_NORMAL, L"Tahoma"); }

void UseSmallFont(HWND control) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(PageSmallFont()), FALSE); }

HWND AddControl(HWND parent, const wchar_t* windowClass, const std::string& text, DWORD style, int x, int y, int w,
                int h, int id, DWORD exStyle) {
    HWND control = CreateWindowExW(exStyle, windowClass, fw::Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, x, y,
                                   w, h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(PageFont()), FALSE);
    return control;
}

HWND AddGroup(HWND parent, const std::string& caption, int x, int y, int w, int h) {
    return AddControl(parent, WC_BUTTONW, caption, BS_GROUPBOX, x, y, w, h, -1);
}

HWND AddLabel(HWND parent, const std::string& text, int x, int y, int w, int h, int id, DWORD style) {
    return AddControl(parent, WC_STATICW, text, style, x, y, w, h, id);
}

HWND AddCheck(HWND parent, const std::string& caption, int x, int y, int w, int h, int id) {
    return AddControl(parent, WC_BUTTONW, caption, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, w, h, id);
}

HWND AddButton(HWND parent, const std::string& caption, int x, int y, int w, int h, int id) {
    return AddControl(parent, WC_BUTTONW, caption, BS_PUSHBUTTON | WS_TABSTOP, x, y, w, h, id);
}

HWND AddEdit(HWND parent, const std::string& text, int x, int y, int w, int h, int id, DWORD style) {
    return AddControl(parent, WC_EDITW, text, ES_AUTOHSCROLL | WS_TABSTOP | style, x, y, w, h, id, WS_EX_CLIENTEDGE);
}

namespace {

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

HWND AddExtendedEdit(HWND parent, const wchar_t* windowClass, DWORD style, int x, int y, int w, int h, int id) {
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, windowClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | style,
                                x, y, w, h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ThisModule(), nullptr);
    if (!edit) return AddEdit(parent, "", x, y, w, h, id);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(PageFont()), FALSE);
    return edit;
}

}  // namespace

HWND AddSoundFileEdit(HWND parent, int x, int y, int w, int h, int id) {
    // The edit gets its button, dropped files and a file dialog for wave files that starts in SKINS.
    HWND edit = AddExtendedEdit(parent, L"TFilenameEdit", controls::FES_ACCEPTFILES, x, y, w, h, id);
    SendMessageW(edit, controls::CEM_SETBUTTONWIDTH, 18, 0);
    if (controls::FilenameEdit* sound = controls::FilenameEditOf(edit)) {
        controls::FileDialogSettings& dialog = sound->Dialog();
        dialog.filter = "Аудио файлы формата wave|*.wav|Все файлы|*.*";
        dialog.defaultExt = "wav";
        dialog.initialDir = fw::ProgramFolder() + "SKINS\\";
        dialog.title = "Выбор аудио файла...";
        dialog.options = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    }
    return edit;
}

HWND AddDateEdit(HWND parent, int x, int y, int w, int h, int id) {
    HWND edit = AddExtendedEdit(parent, L"TDateEdit", controls::DES_FIXEDDMY, x, y, w, h, id);
    if (controls::DateEdit* date = controls::DateEditOf(edit)) {
        date->SetDialogTitle("Выбор даты...");
        date->SetCalendar(1, 1 << 0 | 1 << 6, RGB(255, 0, 0));  // Monday first; Sunday and Saturday red
    }
    return edit;
}

HWND AddDropList(HWND parent, int x, int y, int w, int h, int id, std::initializer_list<const char*> items) {
    HWND combo = AddControl(parent, WC_COMBOBOXW, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x, y, w, h, id);
    for (const char* item : items)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fw::Widen(item).c_str()));
    return combo;
}

void EraseWithFace(HWND page, HDC dc) {
    RECT r;
    GetClientRect(page, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace quon::config
