#include "framework/ini_file.h"

#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "framework/ini_text.h"
#include "framework/whole_file.h"

namespace fw {

std::optional<int64_t> ParseInteger(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') { base = 16; ++i; }
    else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) { base = 16; i += 2; }
    if (i >= text.size()) return std::nullopt;
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return std::nullopt;
        if (value > (UINT64_MAX - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base)) return std::nullopt;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    if (negative) {
        if (value > static_cast<uint64_t>(INT64_MAX) + 1) return std::nullopt;
        return static_cast<int64_t>(0 - value);
    }
    if (value > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
    return static_cast<int64_t>(value);
}

std::string IniFile::ReadString(const char* section, const std::string& key, const std::string& def) const {
    std::vector<char> buf(2048);
    for (;;) {
        DWORD n = GetPrivateProfileStringA(section, key.c_str(), def.c_str(), buf.data(),
                                           static_cast<DWORD>(buf.size()), path_.c_str());
        if (n < buf.size() - 1 || buf.size() >= (1u << 20)) return std::string(buf.data(), n);
        buf.resize(buf.size() * 4);
    }
}

int64_t IniFile::ReadInteger(const char* section, const std::string& key, int64_t def) const {
    auto value = ParseInteger(ReadString(section, key, ""));
    return value ? *value : def;
}

bool IniFile::KeyExists(const char* section, const std::string& key) const {
    const char* probe = "\x01\x02";
    return ReadString(section, key, probe) != probe;
}

bool IniFile::WriteString(const char* section, const std::string& key, const std::string& value) const {
    if (value.size() > kLongestPlatformValue) return WriteKeys(section, {{key, value}});
    return WritePrivateProfileStringA(section, key.c_str(), value.c_str(), path_.c_str()) != FALSE;
}

namespace {

// A file saved in UTF-8 or UTF-16 by some editor: its text is not code page 1251, so it is left to the
// platform's writer, key by key.
bool MarkedAsUnicode(const std::string& text) {
    return text.rfind("\xEF\xBB\xBF", 0) == 0 || text.rfind("\xFF\xFE", 0) == 0 || text.rfind("\xFE\xFF", 0) == 0;
}

}  // namespace

bool IniFile::WriteKeys(const char* section, const std::vector<std::pair<std::string, std::string>>& keys) const {
    const std::optional<std::string> text = ReadWholeFile(path_);
    if (!text) return false;
    if (MarkedAsUnicode(*text)) {
        for (const auto& [key, value] : keys)
            if (value.size() > kLongestPlatformValue ||
                !WritePrivateProfileStringA(section, key.c_str(), value.c_str(), path_.c_str()))
                return false;
        return true;
    }
    if (!ReplaceWholeFile(path_, SetIniKeys(*text, section, keys))) return false;
    // The platform may keep a parsed copy of the file and tell a change by the time of the last write alone;
    // the copy is dropped, so that the next read sees the new file.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
    return true;
}

}  // namespace fw

