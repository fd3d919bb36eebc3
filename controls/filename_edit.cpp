#include "controls/filename_edit.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "controls/command_text.h"
#include "controls/file_dialog.h"
#include "controls/file_util.h"
#include "controls/registry.h"
#include "controls/resource_ids.h"
#include "controls/text_util.h"
#include "controls/window_util.h"
#include "framework/text.h"

namespace controls {
namespace {
HBITMAP g_fileGlyph = nullptr;
HBITMAP g_dateGlyph = nullptr;

bool IsExistingFile(const std::string& path) {
    DWORD a = GetFileAttributesW(fw::Widen(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// The dialog's filter: the bars become NULs and the list ends with two.
std::wstring DialogFilter(const std::string& filter) {
    std::wstring f = filter.empty() ? ResourceText(IDS_FILE_FILTER) : fw::Widen(filter);
    for (wchar_t& c : f)
        if (c == L'|') c = L'\0';
    f.push_back(L'\0');
    f.push_back(L'\0');
    return f;
}

struct ErrorModeScope {
    UINT saved = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    ~ErrorModeScope() { SetErrorMode(saved); }
};
}  // namespace

HBITMAP SharedEditGlyph(bool dateEdit) {
    HBITMAP& b = dateEdit ? g_dateGlyph : g_fileGlyph;
    if (!b)
        b = static_cast<HBITMAP>(LoadImageW(ControlsModule(), dateEdit ? L"DEDITBMP" : L"FEDITBMP", IMAGE_BITMAP, 0,
                                            0, LR_DEFAULTCOLOR));
    return b;
}

void FreeSharedEditGlyphs() {
    for (HBITMAP* b : {&g_fileGlyph, &g_dateGlyph}) {
        if (*b) DeleteObject(*b);
        *b = nullptr;
    }
}

std::string SplitTextAsCommand(const std::string& text) {
    if (IsExistingFile(text)) return text;
    std::string program, parameters;
    SplitCommandText(text, program, parameters);
    return program;
}

bool RegisterFilenameEditClass(HINSTANCE module) {
    return ControlClass<FilenameEdit>::Register(module, kFilenameEditClass, L"EDIT");
}
void UnregisterFilenameEditClass() { ControlClass<FilenameEdit>::Unregister(); }

FilenameEdit* FilenameEdit::From(HWND hwnd) { return dynamic_cast<FilenameEdit*>(ControlWindowOf(hwnd)); }

void FilenameEdit::Created() {
    SetButtonGlyph(SharedEditGlyph(false), 1);
    if (GetWindowLongPtrW(Handle(), GWL_STYLE) & FES_ACCEPTFILES) SetAcceptFiles(true);
}

void FilenameEdit::SetAcceptFiles(bool on) {
    if (on == acceptFiles_) return;
    DragAcceptFiles(Handle(), on);
    acceptFiles_ = on;
}

std::string FilenameEdit::FileName() const { return SplitTextAsCommand(WindowText(Handle())); }

void FilenameEdit::SetFileName(const std::string& name) {
    if (!name.empty() && !IsValidFileNameText(SplitTextAsCommand(name)))
        throw ComboEditError("Invalid file name - " + name);
    SetWindowText1251(Handle(), QuoteIfBlank(name));
}

bool FilenameEdit::Notify(UINT code, std::string& name, bool action) {
    FileDialogNotify n{{Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(Handle())), code}, name, action};
    SendMessageW(GetParent(Handle()), WM_NOTIFY, n.hdr.idFrom, reinterpret_cast<LPARAM>(&n));
    name = n.name;
    return n.action;
}

void FilenameEdit::ButtonClick() {
    ComboEdit::ButtonClick();
    std::string name = SplitTextAsCommand(WindowText(Handle()));
    if (!Notify(FEN_BEFOREDIALOG, name, true)) return;
    std::string initialDir = dialog_.initialDir;
    if (IsValidFileNameText(name)) {
        std::string folder = FolderOf(name);
        if (!folder.empty() && DirectoryExistsTest(folder)) initialDir = folder;
        std::string file = FilePartOf(name);
        if (file.empty() || !IsValidFileNameText(file)) name.clear();
    }
    std::wstring filter = DialogFilter(dialog_.filter);
    std::wstring title = dialog_.title.empty() ? ResourceText(IDS_FILE_DIALOG_TITLE) : fw::Widen(dialog_.title);
    std::wstring dir = fw::Widen(initialDir), ext = fw::Widen(dialog_.defaultExt);
    std::vector<wchar_t> file(32768, L'\0');
    std::wstring start = fw::Widen(name);
    if (start.size() < file.size()) std::copy(start.begin(), start.end(), file.begin());
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = GetAncestor(Handle(), GA_ROOT);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = dialog_.options | OFN_NOCHANGEDIR;
    bool chosen;
    {
        ErrorModeScope quiet;
        chosen = RunFileDialog(ofn, dialog_.save);
    }
    if (chosen) name = fw::Narrow(file.data());
    if (IsWindowEnabled(Handle())) SetFocus(Handle());
    bool action = Notify(FEN_AFTERDIALOG, name, chosen);
    if (!action) return;
    SetWindowText1251(Handle(), QuoteIfBlank(name));
    if (chosen) dialog_.initialDir = FolderOf(fw::Narrow(file.data()));
}

void FilenameEdit::DropFiles(HDROP drop) {
    struct Finish {
        HDROP d;
        ~Finish() { DragFinish(d); }
    } finish{drop};
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    if (count == 0) return;
    // Only the first file is taken; its name is read whole, however long.
    UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring name(static_cast<size_t>(length) + 1, L'\0');
    name.resize(DragQueryFileW(drop, 0, name.data(), length + 1));
    SetFileName(fw::Narrow(name));
    ComboEdit::Notify(FEN_DROPFILES);
}

LRESULT FilenameEdit::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_DROPFILES:
            if (acceptFiles_) DropFiles(reinterpret_cast<HDROP>(wp));
            else DragFinish(reinterpret_cast<HDROP>(wp));
            return 0;
        case WM_DESTROY:
            if (acceptFiles_) DragAcceptFiles(Handle(), FALSE);
            break;
        default:
            break;
    }
    return ComboEdit::HandleMessage(msg, wp, lp);
}

}  // namespace controls
