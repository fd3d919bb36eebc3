#include "controls/file_util.h"

#include <windows.h>

#include "framework/text.h"

namespace controls {
namespace {
std::string FoundName(std::string_view path, bool longFirst) {
    WIN32_FIND_DATAW found{};
    HANDLE h = FindFirstFileW(fw::Widen(path).c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return "";
    FindClose(h);
    std::wstring first = longFirst ? found.cFileName : found.cAlternateFileName;
    std::wstring second = longFirst ? found.cAlternateFileName : found.cFileName;
    return fw::Narrow(first.empty() ? second : first);
}
}  // namespace

bool DirectoryExistsTest(std::string_view path) {
    DWORD attributes = GetFileAttributesW(fw::Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string LongFileNameOf(std::string_view path) { return FoundName(path, true); }
std::string ShortFileNameOf(std::string_view path) { return FoundName(path, false); }

std::string FolderOf(std::string_view path) {
    size_t at = path.find_last_of("\\/");
    return at == std::string_view::npos ? "" : std::string(path.substr(0, at));
}

std::string FilePartOf(std::string_view path) {
    size_t at = path.find_last_of("\\/:");
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

}  // namespace controls
