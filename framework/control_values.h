#pragma once
// What a control shows, read and set through the wide API, its text in code page 1251. A setter leaves
// the control alone when it already shows what is asked: no redraw and no change notification for
// nothing (under Wine one redraw of an edit costs a tenth of a millisecond or more, and a dialog sets
// hundreds of values as it opens).
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace fw {

std::string TextOf(HWND control);
void SetText(HWND control, std::string_view text);
// Check boxes and radio buttons. Checking a radio button leaves the others of its group as they are: the
// caller sets each.
bool Checked(HWND button);
void SetChecked(HWND button, bool on);
void Enable(HWND control, bool on);
void Show(HWND control, bool on);
void SetFont(HWND control, HFONT font);

// Combo and list boxes: the selected item (-1 none); an index outside the items selects none.
bool IsComboBox(HWND control);
int Selection(HWND list);
void Select(HWND list, int index);
int ItemCount(HWND list);
std::string ItemText(HWND list, int index);
void AddItem(HWND list, std::string_view text);
void ClearItems(HWND list);
// Replaces the items (which also drops the selection), unless they are these already.
void SetItems(HWND list, const std::vector<std::string>& items);

// Track bars and up-down controls.
int Position(HWND control);
void SetPosition(HWND control, int position);
void SetRange(HWND control, int low, int high);

}  // namespace fw
