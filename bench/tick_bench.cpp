// Cost of one poll tick against the RAS test double, next to the platform calls a tick cannot avoid
// (load rasapi32, look up two functions, enumerate, read statistics, free), measured in the same run;
// then 10,000 ticks with the handle, GDI, USER and memory figures before and after.
//
// Run: build/wine-run.sh build/bin/tick_bench.exe   (it restarts itself with the double chosen)
#include <windows.h>

#include <psapi.h>
#include <ras.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "bench/box_guard.h"
#include "bench/child_process.h"
#include "engine/program_files.h"
#include "framework/application.h"
#include "framework/text.h"
#include "framework/program_folder.h"
#include "mainwindow/main_form.h"
#include "tests/resource_probe.h"

namespace {

std::wstring ExeFolder() {
    wchar_t buf[MAX_PATH];
    std::wstring path(buf, GetModuleFileNameW(nullptr, buf, MAX_PATH));
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

bool WriteText(const std::wstring& path, const std::string& text) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(f);
    return ok;
}

// Copies a folder tree (the built-in theme and icons of the program folder).
void CopyFolder(const std::wstring& from, const std::wstring& to) {
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW f;
    HANDLE h = FindFirstFileW((from + L"\\*").c_str(), &f);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = f.cFileName;
        if (name == L"." || name == L"..") continue;
        if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyFolder(from + L"\\" + name, to + L"\\" + name);
        else
            CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
    } while (FindNextFileW(h, &f));
    FindClose(h);
}

bool DoubleIsChosen() {
    HMODULE ras = LoadLibraryA("rasapi32");
    bool fake = ras && GetProcAddress(ras, "FakeRas_IsFake");
    if (ras) FreeLibrary(ras);
    return fake;
}

// Wine takes a process's load order from its Unix environment or from the per-program registry key;
// the key is set, and the benchmark starts again so that its loader reads it.
void PreferNativeRas() {
    HKEY k = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\tick_bench.exe\\DllOverrides", 0, nullptr,
                        0, KEY_SET_VALUE, nullptr, &k, nullptr) != 0)
        return;
    static const wchar_t value[] = L"native,builtin";
    RegSetValueExW(k, L"rasapi32", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
    RegCloseKey(k);
}

int RestartWithDouble() {
    PreferNativeRas();
    SetEnvironmentVariableW(L"QUON_TICK_BENCH_CHILD", L"1");
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring cmd = GetCommandLineW();
    return RunAndWait(self, cmd.data(), TRUE);
}

double ThreadCpuSeconds() {
    FILETIME c, e, k, u;
    GetThreadTimes(GetCurrentThread(), &c, &e, &k, &u);
    auto s = [](FILETIME t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7; };
    return s(k) + s(u);
}

// The platform work of one poll and nothing else.
void PlatformCalls() {
    HMODULE ras = LoadLibraryA("rasapi32");
    auto getStatistics = reinterpret_cast<decltype(RasGetConnectionStatistics)*>(
        reinterpret_cast<void*>(GetProcAddress(ras, "RasGetConnectionStatistics")));
    auto enumConnections = reinterpret_cast<decltype(RasEnumConnectionsA)*>(
        reinterpret_cast<void*>(GetProcAddress(ras, "RasEnumConnectionsA")));
    RASCONNA conn{};
    conn.dwSize = sizeof conn;
    DWORD bytes = sizeof conn, count = 0;
    if (enumConnections(&conn, &bytes, &count) == 0 && conn.hrasconn) {
        RAS_STATS stats{};
        stats.dwSize = sizeof stats;
        getStatistics(conn.hrasconn, &stats);
    }
    FreeLibrary(ras);
}

// Growth is probed as tests/resource_probe.h does (Wine reports no handle, GDI or memory counts), and
// every C++ allocation of this process is counted besides.
std::atomic<long long> g_liveBytes{0};

struct Resources : probe::Resources {
    long long cppBytes = 0;
};

Resources Measure() {
    Resources r;
    static_cast<probe::Resources&>(r) = probe::Measure();
    r.cppBytes = g_liveBytes.load();
    return r;
}

double WallSeconds() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

struct Cost {
    double cpu = 0, wall = 0;  // seconds per call
};

template <class F>
Cost PerCall(F&& f, int calls) {
    const double cpu = ThreadCpuSeconds(), wall = WallSeconds();
    for (int i = 0; i < calls; ++i) f();
    return {(ThreadCpuSeconds() - cpu) / calls, (WallSeconds() - wall) / calls};
}

void Add(Cost& sum, Cost c) {
    sum.cpu += c.cpu;
    sum.wall += c.wall;
}

void Print(const char* what, Cost c, Cost platform) {
    std::printf("%-28s %8.1f us CPU (%8.1f us wall)", what, c.cpu * 1e6, c.wall * 1e6);
    if (platform.cpu > 0)
        std::printf("  ratio %.2f CPU, %.2f wall", c.cpu / platform.cpu, c.wall / platform.wall);
    std::printf("\n");
}

}  // namespace

// Every C++ allocation of the process, counted with its size kept in front of the block.
void* operator new(size_t n) {
    void* p = std::malloc(n + 16);
    if (!p) throw std::bad_alloc();
    *static_cast<size_t*>(p) = n;
    g_liveBytes += static_cast<long long>(n);
    return static_cast<char*>(p) + 16;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    char* block = static_cast<char*>(p) - 16;
    g_liveBytes -= static_cast<long long>(*reinterpret_cast<size_t*>(block));
    std::free(block);
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }

int main() {
    if (!DoubleIsChosen()) {
        wchar_t child[4] = {};
        if (GetEnvironmentVariableW(L"QUON_TICK_BENCH_CHILD", child, 4)) {
            std::printf("the RAS test double rasapi32.dll is not beside the benchmark\n");
            return 2;
        }
        return RestartWithDouble();
    }
    bench::EndOnAnyBox();
    const std::wstring bin = ExeFolder();
    const std::wstring folder = bin + L"tick-bench\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    // The program's folder as built: the built-in theme and icons (build\bin\ -> build\program\ beside it).
    const std::wstring program = bin.substr(0, bin.find_last_of(L"\\/", bin.size() - 2) + 1) + L"program";
    for (const wchar_t* sub : {L"skins", L"icons"}) CopyFolder(program + L"\\" + sub, folder + sub);
    for (const char* f : {quon::kSettingsFile, quon::kEventLogFile, quon::kActivityLogFile, quon::kProtectPrevFile,
                          quon::kProtectNextFile})
        DeleteFileW((folder + fw::Widen(f)).c_str());
    DeleteFileW((bin + L"fakeras.log").c_str());
    DeleteFileW((bin + L"fakeras.state").c_str());
    WriteText(folder + fw::Widen(quon::kSettingsFile),
              "[visibility]\r\nstart=0\r\nshow=0\r\nhide=0\r\n[events]\r\nballoon=0\r\n[data]\r\nprotection=0\r\n");
    // A connection that keeps receiving, so that the levels and figures change from tick to tick.
    WriteText(bin + L"fakeras.ini",
              "[connection]\r\ncount=1\r\nentry=Bench\r\nin=1000\r\nout=100\r\nrate_in=300000\r\nrate_out=20000\r\n");
    char folderA[MAX_PATH];
    WideCharToMultiByte(CP_ACP, 0, folder.c_str(), -1, folderA, MAX_PATH, nullptr, nullptr);
    fw::OverrideProgramFolderForTests(folderA);

    fw::Application::Initialize();
    quon::Tfrm_quonm form("");
    if (!form.CreateForm()) {
        std::printf("the main window could not be created\n");
        return 2;
    }
    for (int i = 0; i < 20; ++i) form.UpdateTraffic();  // connect and settle
    if (!form.eng.countedOnline) {
        std::printf("the tick did not see the double's connection\n");
        return 2;
    }

    // Interleaved rounds, so that drift hits both sides alike. First as the program runs, with the
    // library loaded and freed on every poll; then with the double held loaded by the benchmark, so that
    // its own start-up (a statically linked DLL initialised on every load) does not hide the tick's work.
    for (bool pinned : {false, true}) {
        HMODULE pin = pinned ? LoadLibraryA("rasapi32") : nullptr;
        const int kRounds = 3, kCalls = pinned ? 1000 : 200;
        Cost platform, tickOff, tickOn;
        for (int round = 0; round < kRounds; ++round) {
            Add(platform, PerCall(PlatformCalls, kCalls));
            form.opt.eventLogOn = form.opt.activityLogOn = false;
            Add(tickOff, PerCall([&] { form.UpdateTraffic(); }, kCalls));
            form.opt.eventLogOn = form.opt.activityLogOn = true;
            Add(tickOn, PerCall([&] { form.UpdateTraffic(); }, kCalls));
        }
        for (Cost* c : {&platform, &tickOff, &tickOn}) c->cpu /= kRounds, c->wall /= kRounds;
        std::printf(pinned ? "-- double held loaded:\n" : "-- rasapi32 loaded and freed on every poll:\n");
        Print("platform calls of one poll:", platform, {});
        Print("tick, logs off:", tickOff, platform);
        Print("tick, logs on:", tickOn, platform);
        std::printf("target tick <= 2x platform calls: %s\n",
                    tickOn.cpu <= 2 * platform.cpu && tickOff.cpu <= 2 * platform.cpu ? "met" : "NOT met");
        if (pin) FreeLibrary(pin);
    }

    // Growth: 10,000 ticks with the logs on. The double is held loaded here: each fresh load of it keeps
    // some heap of its own runtime, which says nothing about the tick.
    HMODULE pin = LoadLibraryA("rasapi32");
    form.opt.eventLogOn = form.opt.activityLogOn = true;
    for (int i = 0; i < 100; ++i) form.UpdateTraffic();
    const Resources before = Measure();
    for (int i = 0; i < 10000; ++i) form.UpdateTraffic();
    const Resources after = Measure();
    FreeLibrary(pin);
    const Resources unpinnedBefore = Measure();
    for (int i = 0; i < 100; ++i) PlatformCalls();
    const Resources unpinnedAfter = Measure();
    std::printf("10000 ticks: kernel handles %lld -> %lld, GDI objects %lld -> %lld, heap in use %lld -> %lld, "
                "C++ bytes live %lld -> %lld\n",
                before.handlesInUse, after.handlesInUse, before.gdiInUse, after.gdiInUse, before.heapBytes,
                after.heapBytes, before.cppBytes, after.cppBytes);
    std::printf("(for comparison, one fresh load of the double keeps %lld heap bytes)\n",
                (unpinnedAfter.heapBytes - unpinnedBefore.heapBytes) / 100);
    const bool grew = after.handlesInUse > before.handlesInUse || after.gdiInUse > before.gdiInUse ||
                      after.cppBytes > before.cppBytes || after.heapBytes > before.heapBytes + 64 * 1024;
    std::printf("growth over 10000 ticks: %s\n", grew ? "FOUND" : "none");
    // The double's script, log and state stay out of build\bin\, where the tests load the same double.
    for (const wchar_t* f : {L"fakeras.ini", L"fakeras.log", L"fakeras.state"}) DeleteFileW((bin + f).c_str());
    return 0;
}
