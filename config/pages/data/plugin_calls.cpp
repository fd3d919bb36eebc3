#include "config/pages/data/plugin_calls.h"

#include <windows.h>

#include <algorithm>

#include "engine/plugin_list.h"
#include "engine/program_files.h"
#include "framework/foreign_call.h"

namespace quon::config {
namespace {

template <class Fn, class Invoke>
ModuleReply Ask(const std::string& folder, const std::string& file, const char* name, Invoke&& invoke) {
    if (!IsPlainPluginName(file)) return ModuleReply::Missing;
    const fw::ForeignCall call = fw::CallLibraryExport<Fn>(folder + kPluginFolder + file, name, invoke);
    if (call.faulted) return ModuleReply::Faulted;
    return call.found ? ModuleReply::Answered : ModuleReply::Missing;
}

}  // namespace

PluginQuestions ModuleQuestions(const std::string& folder) {
    PluginQuestions ask;
    ask.event = [folder](const std::string& file, int64_t& event) {
        using GetEvent = int __cdecl();
        return Ask<GetEvent>(folder, file, "_getEvent", [&](GetEvent* fn) { event = fn(); });
    };
    ask.info = [folder](const std::string& file, std::string& info) {
        using GetInfo = const char* __cdecl();
        // The text is copied while the module is still loaded; NULL is an empty text.
        return Ask<GetInfo>(folder, file, "_getInfo", [&](GetInfo* fn) {
            const char* text = fn();
            info = text ? text : "";
        });
    };
    return ask;
}

std::vector<std::string> PluginFolderFiles(const std::string& folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + kPluginFolder + "*.dll").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
    });
    return files;
}

std::vector<PluginRecord> ScanPluginFolder(const std::string& folder, const std::function<void()>& onFailedRow) {
    const fw::IniFile list(folder + kPluginListFile);
    const PluginQuestions ask = ModuleQuestions(folder);
    std::vector<PluginRecord> rows;
    for (const std::string& file : PluginFolderFiles(folder)) {
        try {
            rows.push_back(ScanPluginFile(file, list, ask));
        } catch (...) {
            PluginRecord defaults;
            defaults.file = file;
            rows.push_back(defaults);
            onFailedRow();
        }
    }
    return rows;
}

SettingsCall OpenPluginSettings(const std::string& folder, const std::string& file, int version) {
    using GetSettings = void __cdecl(int version, const char* caller);
    if (!IsPlainPluginName(file)) return SettingsCall::Missing;
    const fw::ForeignCall call = fw::CallLibraryExport<GetSettings>(
        folder + kPluginFolder + file, "_getSettings", [&](GetSettings* fn) { fn(version, "fromSettings"); });
    if (call.faulted) return SettingsCall::Faulted;
    return call.found ? SettingsCall::Shown : SettingsCall::Missing;
}

}  // namespace quon::config
