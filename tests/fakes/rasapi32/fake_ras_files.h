#pragma once
// The files of the RAS test double, all in the folder of the DLL itself:
//   fakeras.ini    the script, written by the test, read again on every call;
//   fakeras.state  what the double remembers between loads (hang-up, a dialled connection), written by it;
//   fakeras.log    one line per call: "<ms since 1970>\t<function>\t<key=value>\t...".
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

namespace fakeras {

// One INI file: section -> key -> value; section and key names compare case-insensitively (ASCII).
class Ini {
public:
    static Ini Load(const std::wstring& path);
    std::string Text(const std::string& section, const std::string& key, const std::string& def = "") const;
    int64_t Int(const std::string& section, const std::string& key, int64_t def = 0) const;
    bool Has(const std::string& section, const std::string& key) const;
    void Set(const std::string& section, const std::string& key, const std::string& value);
    bool Save(const std::wstring& path) const;  // replaces the file as a whole

private:
    std::map<std::string, std::map<std::string, std::string>> sections_;
};

void SetModule(HMODULE module);
HMODULE Module();
std::wstring FilePath(const wchar_t* name);  // the folder of the DLL + name

int64_t NowMs();              // wall-clock milliseconds since 1970, comparable across processes
int64_t ScriptAgeMs();        // milliseconds since fakeras.ini was last written (0 when missing)
void Log(const std::string& line);  // appends "<NowMs>\t" + line + "\r\n" to fakeras.log

}  // namespace fakeras
