#pragma once
// The open and save dialogs of the appearance page. They start in the program's SKINS folder, whatever
// the current folder of the process is.
#include <windows.h>

#include <optional>
#include <string>

namespace quon::config {

struct FileChoice {
    bool save = false;
    std::string filter;  // "description|pattern|..."
    std::string defaultExt;
    std::string title;
};

std::string SkinsFolder();  // the program folder's "SKINS\"
// The chosen file, nothing when the user cancelled.
std::optional<std::string> ChooseFile(HWND owner, const FileChoice& choice);

}  // namespace quon::config
