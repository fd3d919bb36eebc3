#include "config/log_files.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace quon::config {

std::optional<std::vector<std::string>> ReadEventLogLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (in.bad()) return std::nullopt;
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
    });
    return lines;
}

std::optional<std::string> ReadActivityLog(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return text.str();
}

bool DeleteLogFile(const std::string& path) {
    DeleteFileA(path.c_str());
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace quon::config
