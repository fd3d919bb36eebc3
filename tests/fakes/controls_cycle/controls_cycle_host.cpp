// controls_cycle_host.exe <rounds> <figures file>: loads controls_cycle.dll, runs one cycle of the
// controls and frees it, rounds times after three rounds that settle what the process keeps once; writes
// the resource figures before and after (kernel handles, GDI objects, windows, heap bytes). Exit code 0, or 2
// when the library or a field could not be made.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "tests/resource_probe.h"

namespace {
using CycleFn = int();

bool CycleOnce() {
    HMODULE library = LoadLibraryW(L"controls_cycle.dll");
    auto* cycle = library ? reinterpret_cast<CycleFn*>(reinterpret_cast<void*>(GetProcAddress(library, "CycleControls")))
                          : nullptr;
    const bool ok = cycle && cycle() == 1;
    if (library) FreeLibrary(library);
    return ok;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3) return 2;
    const int rounds = std::atoi(__argv[1]);
    for (int i = 0; i < 3; ++i)
        if (!CycleOnce()) return 2;
    const probe::Resources before = probe::Measure();
    for (int i = 0; i < rounds; ++i)
        if (!CycleOnce()) return 2;
    const probe::Resources after = probe::Measure();
    FILE* f = std::fopen(__argv[2], "wb");
    if (!f) return 2;
    std::fprintf(f, "%lld %lld %d %lld %lld %lld %d %lld\n", before.handlesInUse,
                 before.gdiInUse, before.windows, before.heapBytes,
                 after.handlesInUse, after.gdiInUse, after.windows,
                 after.heapBytes);
    std::fclose(f);
    return 0;
}
