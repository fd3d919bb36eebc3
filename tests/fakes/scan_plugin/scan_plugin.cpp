// A plug-in module as the settings dialog's scan meets it, in four forms (see CMakeLists.txt).
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

HMODULE g_self = nullptr;

[[maybe_unused]] void Fault() {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

[[maybe_unused]] void LogSettingsCall(int version, const char* caller) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(g_self, path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    const char* name = slash ? slash + 1 : path;
    char logPath[MAX_PATH] = {};
    std::snprintf(logPath, sizeof logPath, "%.*sscan_calls.log", static_cast<int>(name - path), path);
    if (FILE* f = std::fopen(logPath, "ab")) {
        std::fprintf(f, "%s %d %s\n", name, version, caller ? caller : "(null)");
        std::fclose(f);
    }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_self = self;
    return TRUE;
}

#ifndef SCAN_BARE
extern "C" __declspec(dllexport) int _getEvent() {
#if defined(SCAN_FAULT)
    Fault();
#endif
#if defined(SCAN_NULL)
    return 2;
#else
    return 4;
#endif
}

extern "C" __declspec(dllexport) const char* _getInfo() {
#if defined(SCAN_FAULT)
    Fault();
#endif
#if defined(SCAN_NULL)
    return nullptr;
#else
    return ":TScanFull:Tester:tester@example.org:example.org:Full test module:";
#endif
}

extern "C" __declspec(dllexport) void _getSettings(int version, const char* caller) {
    LogSettingsCall(version, caller);
#if defined(SCAN_FAULT)
    Fault();
#endif
}
#endif
