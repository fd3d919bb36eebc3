#include "config/pages/interface/file_choice.h"

#include <vector>

#include "controls/file_dialog.h"
#include "framework/program_folder.h"
#include "framework/text.h"

namespace quon::config {

std::string SkinsFolder() { return fw::ProgramFolder() + "SKINS\\"; }

std::optional<std::string> ChooseFile(HWND owner, const FileChoice& choice) {
    std::wstring filter = fw::Widen(choice.filter);
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter.append(2, L'\0');
    const std::wstring title = fw::Widen(choice.title), ext = fw::Widen(choice.defaultExt);
    const std::wstring folder = fw::Widen(SkinsFolder());
    std::vector<wchar_t> name(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = folder.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR |
                (choice.save ? OFN_OVERWRITEPROMPT : OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
    // Through the controls' loader: the dialog library stays loaded once used (see controls/file_dialog.h).
    if (!controls::RunFileDialog(ofn, choice.save)) return std::nullopt;
    return fw::Narrow(name.data());
}

}  // namespace quon::config
