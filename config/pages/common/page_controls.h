#pragma once
// Thin helpers for the pages' child controls: created in code from a caption in code page 1251, read and
// written through the wide API.
#include <windows.h>

#include <string>

#include "framework/control_values.h"

namespace quon::config {

HFONT PageFont();
HFONT PageBoldFont();
// The small font of captions that must fit narrow places.
HFONT PageSmallFont();
void UseSmallFont(HWND control);

HWND AddControl(HWND parent, const wchar_t* windowClass, const std::string& text, DWORD style, int x, int y, int w,
                int h, int id, DWORD exStyle = 0);
HWND AddGroup(HWND parent, const std::string& caption, int x, int y, int w, int h);
HWND AddLabel(HWND parent, const std::string& text, int x, int y, int w, int h, int id = -1, DWORD style = 0);
HWND AddCheck(HWND parent, const std::string& caption, int x, int y, int w, int h, int id);
HWND AddButton(HWND parent, const std::string& caption, int x, int y, int w, int h, int id);
HWND AddEdit(HWND parent, const std::string& text, int x, int y, int w, int h, int id, DWORD style = 0);
// The file-name edit for a wave file and the "dd.mm.yy" date edit when their classes are registered for
// this library; plain edits otherwise.
HWND AddSoundFileEdit(HWND parent, int x, int y, int w, int h, int id);
HWND AddDateEdit(HWND parent, int x, int y, int w, int h, int id);
HWND AddDropList(HWND parent, int x, int y, int w, int h, int id, std::initializer_list<const char*> items);

// What the controls show: the framework's helpers (a setter leaves a control alone when it shows the value).
using fw::Checked;
using fw::Select;
using fw::Selection;
using fw::SetChecked;
using fw::SetText;
using fw::TextOf;

// Fills a page's background with the button face, as a dialog's.
void EraseWithFace(HWND page, HDC dc);

}  // namespace quon::config
