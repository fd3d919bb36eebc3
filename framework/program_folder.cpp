#include "framework/program_folder.h"

#include <windows.h>

#include "framework/text.h"

namespace fw {

std::wstring ProgramPathW() {
    std::wstring path(32768, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(n);
    return path;
}

namespace {
std::string g_override;
}

void OverrideProgramFolderForTests(std::string folder) { g_override = std::move(folder); }

const std::string& ProgramFolder() {
    if (!g_override.empty()) return g_override;
    static const std::string folder = [] {
        std::string path = Narrow(ProgramPathW());
        auto slash = path.find_last_of("\\/");
        return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    }();
    return folder;
}

}  // namespace fw
