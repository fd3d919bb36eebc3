#include "config/pages/log/log_files.h"

#include <windows.h>

#include <algorithm>

#include "config/pages/log/list_order.h"
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

std::optional<LogLines> ReadEventLogLines(const std::string& path) {
    std::optional<std::string> text = ReadWhole(path);
    if (!text) return std::nullopt;
    LogLines log{std::make_shared<const std::string>(std::move(*text)), {}};
    const std::string_view all(*log.text);
    log.lines.reserve(static_cast<size_t>(std::count(all.begin(), all.end(), '\n')) + 1);
    size_t from = 0;
    while (from < all.size()) {
        size_t end = all.find('\n', from);
        if (end == std::string_view::npos) end = all.size();
        std::string_view line = all.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        log.lines.push_back(line);
        from = end + 1;
    }
    SortInListOrder(log.lines);
    return log;
}

std::optional<std::string> ReadActivityLog(const std::string& path) { return ReadWhole(path); }

bool DeleteLogFile(const std::string& path) {
    const std::wstring name = fw::Widen(path);
    DeleteFileW(name.c_str());
    return GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace quon::config
