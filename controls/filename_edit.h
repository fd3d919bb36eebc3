#pragma once
// The file-name edit: its button opens the open (or save) dialog, and files dropped from the shell fill
// it. A name with a blank is shown in double quotes; FileName() gives it without them.
#include <stdexcept>
#include <string>

#include "controls/combo_edit.h"

namespace controls {

constexpr wchar_t kFilenameEditClass[] = L"TFilenameEdit";

class ComboEditError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct FileDialogSettings {
    bool save = false;
    std::string filter;      // "description|pattern|..." ; empty: the built-in "all files"
    std::string defaultExt;
    std::string initialDir;
    std::string title;       // empty: the built-in title
    DWORD options = OFN_HIDEREADONLY;
};

class FilenameEdit : public ComboEdit {
public:
    static FilenameEdit* From(HWND hwnd);
    FileDialogSettings& Dialog() { return dialog_; }
    void SetAcceptFiles(bool on);
    bool AcceptFiles() const { return acceptFiles_; }
    std::string FileName() const;
    // Throws ComboEditError for a name that is no valid file name; the text is then unchanged.
    void SetFileName(const std::string& name);

protected:
    void Created() override;
    void ButtonClick() override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool Notify(UINT code, std::string& name, bool action);
    void DropFiles(HDROP drop);
    FileDialogSettings dialog_;
    bool acceptFiles_ = false;
};

// The program part of a text that is not an existing file (the text itself when it is one).
std::string SplitTextAsCommand(const std::string& text);
bool RegisterFilenameEditClass(HINSTANCE module);
void UnregisterFilenameEditClass();
HBITMAP SharedEditGlyph(bool dateEdit);
void FreeSharedEditGlyphs();

}  // namespace controls
