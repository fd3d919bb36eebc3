#include "fake_ras_files.h"

#include <algorithm>
#include <vector>

namespace fakeras {
namespace {

HMODULE g_module = nullptr;

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

bool ReadWhole(const std::wstring& path, std::string& out) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
    CloseHandle(f);
    return true;
}

int64_t FileTimeMs(const FILETIME& ft) {
    ULARGE_INTEGER u;
    u.LowPart = ft.dwLowDateTime;
    u.HighPart = ft.dwHighDateTime;
    return static_cast<int64_t>(u.QuadPart / 10000) - 11644473600000LL;
}

}  // namespace

Ini Ini::Load(const std::wstring& path) {
    Ini ini;
    std::string text;
    if (!ReadWhole(path, text)) return ini;
    std::string section;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = Lower(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        ini.sections_[section][Lower(Trim(line.substr(0, eq)))] = Trim(line.substr(eq + 1));
    }
    return ini;
}

std::string Ini::Text(const std::string& section, const std::string& key, const std::string& def) const {
    auto s = sections_.find(Lower(section));
    if (s == sections_.end()) return def;
    auto k = s->second.find(Lower(key));
    return k == s->second.end() ? def : k->second;
}

int64_t Ini::Int(const std::string& section, const std::string& key, int64_t def) const {
    std::string v = Text(section, key);
    if (v.empty()) return def;
    try {
        size_t used = 0;
        long long n = std::stoll(v, &used, 0);
        return used == v.size() ? n : def;
    } catch (...) {
        return def;
    }
}

bool Ini::Has(const std::string& section, const std::string& key) const {
    auto s = sections_.find(Lower(section));
    return s != sections_.end() && s->second.count(Lower(key)) > 0;
}

void Ini::Set(const std::string& section, const std::string& key, const std::string& value) {
    sections_[Lower(section)][Lower(key)] = value;
}

bool Ini::Save(const std::wstring& path) const {
    std::string text;
    for (const auto& [name, keys] : sections_) {
        text += "[" + name + "]\r\n";
        for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
    }
    const std::wstring temp = path + L".new";
    HANDLE f = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
              written == text.size();
    CloseHandle(f);
    return ok && MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void SetModule(HMODULE module) { g_module = module; }
HMODULE Module() { return g_module; }

std::wstring FilePath(const wchar_t* name) {
    std::vector<wchar_t> buf(32768);
    DWORD n = GetModuleFileNameW(g_module, buf.data(), static_cast<DWORD>(buf.size()));
    std::wstring path(buf.data(), n);
    size_t slash = path.find_last_of(L"\\/");
    return (slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1)) + name;
}

int64_t NowMs() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    return FileTimeMs(ft);
}

int64_t ScriptAgeMs() {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(FilePath(L"fakeras.ini").c_str(), GetFileExInfoStandard, &data)) return 0;
    return std::max<int64_t>(0, NowMs() - FileTimeMs(data.ftLastWriteTime));
}

void Log(const std::string& line) {
    std::string text = std::to_string(NowMs()) + "\t" + line + "\r\n";
    // Several processes may append at once; appending writes keep each line whole.
    HANDLE f = CreateFileW(FilePath(L"fakeras.log").c_str(), FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(f);
}

}  // namespace fakeras
