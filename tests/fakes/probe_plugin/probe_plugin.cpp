// A plug-in module for the tests. Every _doExecute call appends "<own file name> <version> <event>" to
// probe_calls.log beside the module, so a test sees which copy ran for which event. Built in four
// forms: a plain module, one that faults inside _doExecute, one without _doExecute, and one that holds
// its host inside _doExecute (no message of the host is handled meanwhile) until the file probe_release
// appears beside it, for at most 30 s.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

HMODULE g_self = nullptr;

// The folder of this module with its trailing backslash, and the module's own file name.
void SelfPath(char (&folder)[MAX_PATH], char (&name)[MAX_PATH]) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(g_self, path, MAX_PATH);
    const char* slash = std::strrchr(path, '\\');
    const char* own = slash ? slash + 1 : path;
    std::snprintf(name, sizeof name, "%s", own);
    std::memcpy(folder, path, static_cast<size_t>(own - path));
    folder[own - path] = '\0';
}

[[maybe_unused]] void LogCall(int version, int event) {
    char folder[MAX_PATH] = {}, name[MAX_PATH] = {}, logPath[MAX_PATH + 20] = {};
    SelfPath(folder, name);
    std::snprintf(logPath, sizeof logPath, "%sprobe_calls.log", folder);
    if (FILE* f = std::fopen(logPath, "ab")) {
        std::fprintf(f, "%s %d %d\n", name, version, event);
        std::fclose(f);
    }
}

[[maybe_unused]] void HoldUntilReleased() {
    char folder[MAX_PATH] = {}, name[MAX_PATH] = {}, release[MAX_PATH + 20] = {};
    SelfPath(folder, name);
    std::snprintf(release, sizeof release, "%sprobe_release", folder);
    for (int waited = 0; waited < 30000 && GetFileAttributesA(release) == INVALID_FILE_ATTRIBUTES; waited += 20)
        Sleep(20);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_self = self;
    return TRUE;
}

#ifndef PROBE_WITHOUT_EXECUTE
extern "C" __declspec(dllexport) void _doExecute(int version, int event) {
    LogCall(version, event);
#ifdef PROBE_HOLDS
    HoldUntilReleased();
#endif
#ifdef PROBE_FAULTS
    volatile int* nowhere = nullptr;
    *nowhere = event;
#endif
}
#endif

extern "C" __declspec(dllexport) const char* _getInfo() { return "probe:ProbeClass:tests:-:-:-:"; }
extern "C" __declspec(dllexport) int _getEvent() { return 1; }
