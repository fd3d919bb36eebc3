#pragma once
// The extended edit controls, placed by window class name (in a dialog template or with CreateWindowEx):
//
//   "TFilenameEdit"  an edit with a browse button inside its right edge; the button (or the click key)
//                    opens the open-file dialog, and files dropped from the shell fill the edit.
//   "TDateEdit"      an edit for a date with a button that drops a month calendar under the edit (or,
//                    set through DateEditOf, opens the modal date dialog). Its text always keeps the
//                    date's mask: separators in place, blanks where no digit is ("  .  .  " when empty).
//   "TComboEdit"     the plain edit with a side button (the base of both; its button only notifies).
//   "TRxSpeedButton" the flat-capable speed button the edits and the calendar use.
//
// Both edits are EDIT controls underneath: their window text is their value (a file name; a date text),
// the ordinary EM_* messages work, and the parent gets WM_COMMAND (control id, EN_CHANGE) for every
// change of the text, EN_SETFOCUS and EN_KILLFOCUS (the "exit" of the field) as from an edit. A value
// taken from the popup calendar, the date dialog or the file dialog sends exactly one EN_CHANGE; moving
// through the open calendar sends none.
//
// Notifications the edits add (WM_NOTIFY to the parent, idFrom = the control id):
//   CEN_BUTTONCLICK   NMHDR only: the side button was pressed (before its own action).
//   FEN_BEFOREDIALOG  FileDialogNotify: the file dialog is about to open with `name`; clearing `action`
//                     stops it.
//   FEN_AFTERDIALOG   FileDialogNotify: the dialog closed; `action` is true when the user chose a file and
//                     `name` holds it; the parent may rewrite `name` or clear (or set) `action`. With
//                     `action` true afterwards the edit takes `name` (quoted when it holds a blank).
//   FEN_DROPFILES     NMHDR only: files were dropped and taken.
//   DEN_ACCEPTDATE    DateAcceptNotify: a date was picked in the calendar or dialog; the parent may
//                     change `date` or clear `action` to refuse it.
//
// Styles (the low bits are the edit's own; these use bits the edit leaves free):
//   CES_NODIRECTINPUT  typing is off; the value changes only through the button or dropped files.
//   FES_ACCEPTFILES    (TFilenameEdit) files may be dropped on the edit.
//   DES_FIXEDDMY       (TDateEdit) the text is always "dd.mm.yy": day, month, two-digit year, separated by
//                      "." at fixed places, whatever the regional settings say. Also set by DEM_SETFIXEDDMY.
//
// Messages:
//   CEM_SETBUTTONWIDTH  wParam = width in pixels (0 hides the button and turns the click key off; 1 hides
//                       it and keeps the key).
//   CEM_SETCLICKKEY     wParam = the key that presses the button: virtual-key code in the low byte, with
//                       HOTKEYF_SHIFT/CONTROL/ALT in the next byte (default Alt+Down); 0 = no key.
//   CEM_SETREADONLY     wParam = TRUE: no typing and no button action (the button stays enabled).
//   CEM_ISPOPUPSHOWN    returns TRUE while the drop-down calendar is open (CB_GETDROPPEDSTATE answers the
//                       same, as a combo box does, so a dialog can leave Esc and Enter to the open popup).
//   DEM_SETFIXEDDMY     wParam = TRUE/FALSE (see DES_FIXEDDMY).
//   DEM_GETDATE/DEM_SETDATE  lParam = DateValue* (days since 30.12.1899; 0 is no date).
// Everything else (the file dialog's filter, title, folder and options, the date edit's calendar
// settings) is set through the C++ objects: FilenameEditOf(hwnd), DateEditOf(hwnd).
#include <windows.h>

#include <string>

namespace controls {

class FilenameEdit;
class DateEdit;
class ComboEdit;
using DateValue = double;

// Registers every class for windows of `module` (whose resources hold controls.rc); idempotent.
bool RegisterControlClasses(HINSTANCE module);
// Unregisters the classes and frees cursors, shared bitmaps and glyph lists. Call it once every window of
// these classes is gone (before the module that registered them is unloaded).
void ReleaseControlResources();

FilenameEdit* FilenameEditOf(HWND hwnd);
DateEdit* DateEditOf(HWND hwnd);
ComboEdit* ComboEditOf(HWND hwnd);

constexpr UINT CES_NODIRECTINPUT = 0x4000;
constexpr UINT FES_ACCEPTFILES = 0x8000;
constexpr UINT DES_FIXEDDMY = 0x8000;

constexpr UINT CEM_SETBUTTONWIDTH = WM_USER + 0x300;
constexpr UINT CEM_SETCLICKKEY = WM_USER + 0x301;
constexpr UINT CEM_SETREADONLY = WM_USER + 0x302;
constexpr UINT CEM_ISPOPUPSHOWN = WM_USER + 0x303;
constexpr UINT DEM_SETFIXEDDMY = WM_USER + 0x310;
constexpr UINT DEM_GETDATE = WM_USER + 0x311;
constexpr UINT DEM_SETDATE = WM_USER + 0x312;

constexpr UINT CEN_BUTTONCLICK = 0x0F00;
constexpr UINT FEN_BEFOREDIALOG = 0x0F01;
constexpr UINT FEN_AFTERDIALOG = 0x0F02;
constexpr UINT FEN_DROPFILES = 0x0F03;
constexpr UINT DEN_ACCEPTDATE = 0x0F04;

struct FileDialogNotify {
    NMHDR hdr;
    std::string name;  // code page 1251
    bool action;
};

struct DateAcceptNotify {
    NMHDR hdr;
    DateValue date;
    bool action;
};

}  // namespace controls
