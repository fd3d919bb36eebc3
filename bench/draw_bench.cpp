// One redraw of the main window with the built-in theme against the bare present of a bitmap of the same
// size, and what 10,000 redraws leave behind in GDI objects and memory. Run under a display.
// The window keeps its decoded pictures between redraws; the cost of decoding them all anew is shown too.
#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/box_guard.h"
#include "framework/application.h"
#include "framework/program_folder.h"
#include "mainwindow/main_form.h"
#include "mainwindow/skin_frame.h"

namespace {

template <class F>
double MicrosPerCall(int count, F&& call) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) call(i);
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / count;
}

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX m{};
    m.cb = sizeof m;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m), sizeof m);
    return m.PrivateUsage ? m.PrivateUsage : m.PagefileUsage;  // Wine fills only the latter
}

// GetGuiResources reports 0 under Wine; the slot of a fresh GDI object shows growth there as well:
// without leaks it is the same slot before and after.
DWORD GdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted) return counted;
    HBRUSH probe = CreateSolidBrush(0);
    const DWORD slot = static_cast<DWORD>(reinterpret_cast<uintptr_t>(probe) & 0xFFFF);
    DeleteObject(probe);
    return slot;
}

}  // namespace

int main(int argc, char** argv) {
    const int redraws = argc > 1 ? std::atoi(argv[1]) : 10000;  // a smaller count for a quick look
    using namespace quon;
    bench::EndOnAnyBox();
    std::string folder = fw::ProgramFolder();  // build\bin\ -> build\program\ beside it
    folder = folder.substr(0, folder.find_last_of("\\/", folder.size() - 2) + 1) + "program\\";
    fw::OverrideProgramFolderForTests(folder);
    fw::Application::Initialize();

    Tfrm_quonm form("");
    if (!form.Create(kMainWindowClassW, WS_EX_LAYERED | WS_EX_TOOLWINDOW, WS_POPUP, 100, 100, 1, 1, nullptr)) return 1;
    if (!form.LoadSkin("default", 0, false)) {
        std::printf("built-in theme missing under %s\n", folder.c_str());
        return 1;
    }
    form.texts.d_day = "12,345";
    form.texts.d_month = "678,901";
    form.eng.countedOnline = true;
    for (int i = 0; i < kHistorySize; ++i) form.eng.levelHistory[i] = i % 6;
    ShowWindow(form.Handle(), SW_SHOWNA);

    std::unique_ptr<Frame> probe = ComposeFrame(FrameInput{&form.skin, &form.skinLayout, 0, 0, 0, true, true,
                                                           &form.texts, form.eng.levelHistory.data(), 30});
    if (!probe) return 1;
    Frame bare(probe->Width(), probe->Height());
    const int rounds = 100;
    form.DrawSkin(false);
    const double draw = MicrosPerCall(rounds, [&](int i) {
        form.hideState = i % 3;
        form.DrawSkin(false);
    });
    const double present = MicrosPerCall(rounds, [&](int) { PresentFrame(form.Handle(), bare, 225); });
    std::printf("frame %dx%d\n", probe->Width(), probe->Height());
    std::printf("DrawSkin of the built-in theme: %.1f us\n", draw);
    std::printf("bare UpdateLayeredWindow:       %.1f us\n", present);
    std::printf("ratio: %.2f (target within 5)\n", draw / present);
    // For comparison: the same picture composed with every picture file decoded anew.
    const FrameInput fresh{&form.skin, &form.skinLayout, 0, 0, 0, true, true, &form.texts, form.eng.levelHistory.data(), 30};
    std::printf("compose decoding every picture anew: %.1f us\n", MicrosPerCall(rounds / 10, [&](int) { ComposeFrame(fresh); }));
    std::fflush(stdout);

    const DWORD gdiBefore = GdiObjects();
    const SIZE_T memBefore = PrivateBytes();
    for (int i = 0; i < redraws; ++i) {
        form.hideState = i % 3;
        form.DrawSkin(false);
    }
    const DWORD gdiAfter = GdiObjects();
    const SIZE_T memAfter = PrivateBytes();
    std::printf("%d redraws: GDI objects (or free slot) %lu -> %lu, private bytes %zu KB -> %zu KB\n", redraws,
                static_cast<unsigned long>(gdiBefore), static_cast<unsigned long>(gdiAfter), static_cast<size_t>(memBefore / 1024),
                static_cast<size_t>(memAfter / 1024));
    return 0;
}
