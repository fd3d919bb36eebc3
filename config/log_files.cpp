#include "config/log_files.h"

#include <windows.h>

#include <algorithm>

#include "framework/text.h"

namespace quon::config {
namespace {

// The whole file, shared with the meter that may be writing it; nullopt when it cannot be read.
std::optional<std::string> ReadWhole(const std::string& path) {
    HANDLE file = CreateFileW(fw::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string text;
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return text;
}

}  // namespace

std::optional<std::vector<std::string>> ReadEventLogLines(const std::string& path) {
    const std::optional<std::string> text = ReadWhole(path);
    if (!text) return std::nullopt;
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < text->size()) {
        size_t end = text->find('\n', from);
        if (end == std::string::npos) end = text->size();
        std::string line = text->substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        from = end + 1;
    }
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
    });
    return lines;
}

std::optional<std::string> ReadActivityLog(const std::string& path) { return ReadWhole(path); }

bool DeleteLogFile(const std::string& path) {
    const std::wstring name = fw::Widen(path);
    DeleteFileW(name.c_str());
    return GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace quon::config
