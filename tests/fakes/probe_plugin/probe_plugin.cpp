// A plug-in module for the tests. Every _doExecute call appends "<own file name> <version> <event>" to
// probe_calls.log beside the module, so a test sees which copy ran for which event. Built in three
// forms: a plain module, one that faults inside _doExecute, one without _doExecute.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

HMODULE g_self = nullptr;

[[maybe_unused]] void LogCall(int version, int event) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(g_self, path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    const char* name = slash ? slash + 1 : path;
    char folder[MAX_PATH] = {};
    std::memcpy(folder, path, static_cast<size_t>(name - path));
    char logPath[MAX_PATH] = {};
    std::snprintf(logPath, sizeof logPath, "%sprobe_calls.log", folder);
    if (FILE* f = std::fopen(logPath, "ab")) {
        std::fprintf(f, "%s %d %d\n", name, version, event);
        std::fclose(f);
    }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_self = self;
    return TRUE;
}

#ifndef PROBE_WITHOUT_EXECUTE
extern "C" __declspec(dllexport) void _doExecute(int version, int event) {
    LogCall(version, event);
#ifdef PROBE_FAULTS
    volatile int* nowhere = nullptr;
    *nowhere = event;
#endif
}
#endif

extern "C" __declspec(dllexport) const char* _getInfo() { return "probe:ProbeClass:tests:-:-:-:"; }
extern "C" __declspec(dllexport) int _getEvent() { return 1; }
