#include "config/pages/options/autostart_entry.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

namespace quon::config {

namespace {

std::wstring ReadFolderValue(HKEY root, const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, kShellFoldersKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    std::wstring value;
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0 && size < 65536) {
        std::vector<wchar_t> buf(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &size) == ERROR_SUCCESS)
            value = buf.data();
    }
    RegCloseKey(key);
    return value;
}

bool RunValueExists(HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    DWORD type = 0, size = 0;
    const bool found = RegQueryValueExW(key, kAutostartValueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

bool FileExists(const std::wstring& path) {
    return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HKEY RootOf(AutostartPlace p) {
    return p == AutostartPlace::UserRun ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

const std::wstring& LinkOf(AutostartPlace p, const StartupLinks& links) {
    return p == AutostartPlace::UserLink ? links.user : links.common;
}

bool WriteRunValue(HKEY root, const std::wstring& programPath) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring data = RunValueData(programPath);
    const bool ok = RegSetValueExW(key, kAutostartValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

void DeleteRunValue(HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, kAutostartValueName);
    RegCloseKey(key);
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

bool WritePlace(AutostartPlace p, const StartupLinks& links, const std::wstring& programPath) {
    if (IsRunPlace(p)) return WriteRunValue(RootOf(p), programPath);
    const std::wstring& link = LinkOf(p, links);
    if (link.empty()) return false;
    return CreateShellLink(link, programPath, FolderOf(programPath), 0, programPath, SW_SHOWNORMAL, 0,
                           kAutostartArguments);
}

void RemovePlace(AutostartPlace p, const StartupLinks& links) {
    if (IsRunPlace(p)) {
        DeleteRunValue(RootOf(p));
        return;
    }
    const std::wstring& link = LinkOf(p, links);
    if (!link.empty()) DeleteFileW(link.c_str());
}

}  // namespace

StartupLinks ReadStartupLinks() {
    return {StartupLinkPath(ReadFolderValue(HKEY_CURRENT_USER, L"Startup")),
            StartupLinkPath(ReadFolderValue(HKEY_LOCAL_MACHINE, L"Common Startup"))};
}

AutostartFound FindAutostart(const StartupLinks& links) {
    return {FileExists(links.user), FileExists(links.common), RunValueExists(HKEY_CURRENT_USER),
            RunValueExists(HKEY_LOCAL_MACHINE)};
}

AutostartResult ApplyAutostart(bool on, AutostartPlace chosen, const StartupLinks& links,
                               const std::wstring& programPath) {
    const AutostartPlan plan = PlanAutostart(on, chosen);
    AutostartResult result;
    if (plan.write && !WritePlace(*plan.write, links, programPath)) {
        (IsRunPlace(*plan.write) ? result.runFailed : result.linkFailed) = true;
        return result;
    }
    for (int i = 0; i < plan.removeCount; ++i) RemovePlace(plan.remove[i], links);
    return result;
}

bool CreateShellLink(const std::wstring& linkPath, const std::wstring& target, const std::wstring& workingFolder,
                     int iconIndex, const std::wstring& iconPath, int showCommand, unsigned short hotKey,
                     const std::wstring& arguments) {
    IShellLinkW* link = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&link));
    if (FAILED(hr) || !link) return false;
    hr = link->SetPath(target.c_str());
    if (SUCCEEDED(hr)) hr = link->SetArguments(arguments.c_str());
    if (SUCCEEDED(hr)) hr = link->SetWorkingDirectory(workingFolder.c_str());
    if (SUCCEEDED(hr)) hr = link->SetIconLocation(iconPath.c_str(), iconIndex);
    if (SUCCEEDED(hr)) hr = link->SetHotkey(hotKey);
    if (SUCCEEDED(hr)) hr = link->SetShowCmd(showCommand);
    if (SUCCEEDED(hr)) {
        IPersistFile* file = nullptr;
        hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        if (SUCCEEDED(hr) && file) {
            hr = file->Save(linkPath.c_str(), TRUE);
            file->Release();
        }
    }
    link->Release();
    return SUCCEEDED(hr);
}

}  // namespace quon::config
