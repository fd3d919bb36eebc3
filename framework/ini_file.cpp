#include "framework/ini_file.h"

#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

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
    return WritePrivateProfileStringA(section, key.c_str(), value.c_str(), path_.c_str()) != FALSE;
}

bool IniFile::WriteInteger(const char* section, const std::string& key, int64_t value) const {
    return WriteString(section, key, std::to_string(value));
}

}  // namespace fw

namespace fw {
namespace {

bool SameKey(const std::string& line, const std::string& key) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    size_t end = eq;
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t')) --end;
    size_t begin = line.find_first_not_of(" \t");
    if (begin == std::string::npos || end <= begin || end - begin != key.size()) return false;
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, line.data() + begin, static_cast<int>(key.size()),
                          key.data(), static_cast<int>(key.size())) == CSTR_EQUAL;
}

}  // namespace

bool IniFile::WriteKeys(const char* section, const std::vector<std::pair<std::string, std::string>>& keys) const {
    std::vector<char> buf(32768);
    DWORD n = 0;
    for (;;) {
        n = GetPrivateProfileSectionA(section, buf.data(), static_cast<DWORD>(buf.size()), path_.c_str());
        if (n + 2 < buf.size()) break;
        if (buf.size() >= (1u << 24)) return false;  // a section this large is not rewritten in part
        buf.resize(buf.size() * 4);
    }
    // Each key keeps its place in the section; a key the section lacks is added at its end.
    std::vector<std::string> lines;
    std::vector<bool> placed(keys.size(), false);
    for (size_t i = 0; i < n;) {
        std::string line(buf.data() + i);
        i += line.size() + 1;
        if (line.empty()) continue;
        for (size_t k = 0; k < keys.size(); ++k) {
            if (!SameKey(line, keys[k].first)) continue;
            line = placed[k] ? std::string() : keys[k].first + "=" + keys[k].second;
            placed[k] = true;
            break;
        }
        if (!line.empty()) lines.push_back(std::move(line));
    }
    for (size_t k = 0; k < keys.size(); ++k)
        if (!placed[k]) lines.push_back(keys[k].first + "=" + keys[k].second);
    std::string block;
    for (const std::string& line : lines) block += line + '\0';
    block += '\0';
    return WritePrivateProfileSectionA(section, block.c_str(), path_.c_str()) != FALSE;
}

}  // namespace fw
