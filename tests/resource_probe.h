#pragma once
// Growth probes that work under Wine, where GetProcessHandleCount, GetGuiResources and the private bytes
// read 0. A new kernel handle, GDI object or USER object takes a free slot of its table when there is one
// and a fresh slot past the highest only when none is left; so after taking many more objects than can be
// free, the highest slot taken, less the number taken, is the number of slots in use. The heaps are walked
// for the bytes in use. USER slots are shared by every process of the session, so while other programs run
// only the windows of this process tell its own growth.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace probe {

struct Resources {
    long long handlesInUse = 0, gdiInUse = 0, userInUse = 0;  // slots in use, see above
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

// Takes `count` objects by `make`, gives them back by `free`, and returns the slots in use before.
template <typename Make, typename Index, typename Free>
long long SlotsInUse(int count, Make make, Index index, Free free) {
    std::vector<decltype(make())> taken;
    taken.reserve(count);
    long long highest = -1;
    for (int i = 0; i < count; ++i) {
        auto object = make();
        if (!object) break;
        highest = std::max<long long>(highest, index(object));
        taken.push_back(object);
    }
    for (auto object : taken) free(object);
    return highest + 1 - static_cast<long long>(taken.size());
}

inline Resources Measure() {
    constexpr int kTaken = 1500;  // more than the free slots of any table here
    Resources r;
    r.handlesInUse = SlotsInUse(
        kTaken, [] { return CreateEventW(nullptr, FALSE, FALSE, nullptr); },
        [](HANDLE h) { return static_cast<long long>(reinterpret_cast<uintptr_t>(h) / 4); }, &CloseHandle);
    r.gdiInUse = SlotsInUse(
        kTaken, [] { return CreateSolidBrush(0); },
        [](HBRUSH b) { return static_cast<long long>(reinterpret_cast<uintptr_t>(b) & 0xFFFF); },
        [](HBRUSH b) { DeleteObject(b); });
    r.userInUse = SlotsInUse(
        kTaken, [] { return CreateMenu(); },
        [](HMENU m) { return static_cast<long long>(reinterpret_cast<uintptr_t>(m) & 0xFFFF); }, &DestroyMenu);
    r.heapBytes = HeapBytesInUse();
    EnumWindows(&CountOwnWindow, reinterpret_cast<LPARAM>(&r.windows));
    return r;
}

// Wine's static control of the common controls version 6 keeps a small block of every static that was
// given a font, after the control is gone (it frees the block of icons only). Measured in the calling
// process, so that a probe can tell its own growth from the system's; 0 where the system keeps nothing.
inline long long BytesKeptPerLabel() {
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    auto makeAndDestroy = [&](int count) {
        HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < count; ++i) {
            HWND label = CreateWindowExW(0, L"Static", L"label", WS_CHILD | SS_LEFT, 0, 0, 50, 10, parent, nullptr,
                                         nullptr, nullptr);
            SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        DestroyWindow(parent);
    };
    constexpr int kLabels = 500;
    makeAndDestroy(kLabels);  // the heap's own first growth
    const long long before = HeapBytesInUse();
    makeAndDestroy(kLabels);
    return std::max(0LL, (HeapBytesInUse() - before) / kLabels);
}

inline BOOL CALLBACK CountLabel(HWND w, LPARAM count) {
    wchar_t cls[16] = {};
    GetClassNameW(w, cls, 16);
    const LONG_PTR type = GetWindowLongPtrW(w, GWL_STYLE) & SS_TYPEMASK;
    if (lstrcmpiW(cls, L"Static") == 0 && type != SS_ICON && SendMessageW(w, WM_GETFONT, 0, 0))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The statics with a font inside `window`: the labels whose blocks the system may keep.
inline int LabelsIn(HWND window) {
    int count = 0;
    EnumChildWindows(window, &CountLabel, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace probe
