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
// Computed once, without a guarded function-local static: inside the settings library every load would
// otherwise leave the thread-library's bookkeeping of the calling thread behind.
std::string g_folder;
}

void OverrideProgramFolderForTests(std::string folder) { g_override = std::move(folder); }

const std::string& ProgramFolder() {
    if (!g_override.empty()) return g_override;
    if (g_folder.empty()) {
        std::string path = Narrow(ProgramPathW());
        auto slash = path.find_last_of("\\/");
        g_folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    }
    return g_folder;
}

}  // namespace fw
