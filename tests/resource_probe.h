#pragma once
// Growth probes that work under Wine, where GetProcessHandleCount, GetGuiResources and the private bytes
// read 0: a new kernel handle, GDI object or USER object takes the lowest free slot, so a leak shows as a
// rising slot number; the heaps are walked for the bytes in use. USER slots are shared by every process
// of the session, so while other programs run only the windows of this process tell its own growth.
#include <windows.h>

#include <cstdint>

namespace probe {

struct Resources {
    uintptr_t nextHandle = 0, nextGdi = 0, nextUser = 0;
    long long heapBytes = 0;
    int windows = 0;  // of this process, top-level and child
};

inline BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

inline BOOL CALLBACK CountOwnWindow(HWND w, LPARAM count) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(w, &CountChild, count);
    return TRUE;
}

inline long long HeapBytesInUse() {
    long long total = 0;
    HANDLE heaps[64];
    const DWORD n = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < n && i < 64; ++i) {
        PROCESS_HEAP_ENTRY e{};
        if (!HeapLock(heaps[i])) continue;
        while (HeapWalk(heaps[i], &e))
            if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += static_cast<long long>(e.cbData);
        HeapUnlock(heaps[i]);
    }
    return total;
}

inline Resources Measure() {
    Resources r;
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    r.nextHandle = reinterpret_cast<uintptr_t>(event);
    CloseHandle(event);
    HBRUSH brush = CreateSolidBrush(0);
    r.nextGdi = reinterpret_cast<uintptr_t>(brush) & 0xFFFF;
    DeleteObject(brush);
    HMENU menu = CreateMenu();
    r.nextUser = reinterpret_cast<uintptr_t>(menu) & 0xFFFF;
    DestroyMenu(menu);
    r.heapBytes = HeapBytesInUse();
    EnumWindows(&CountOwnWindow, reinterpret_cast<LPARAM>(&r.windows));
    return r;
}

}  // namespace probe
