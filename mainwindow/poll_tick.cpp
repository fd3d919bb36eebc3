// The poll timer: one tick of the engine, then a redraw. The close from outside runs here beside the
// tick, as the two are ordered around each other: a close waits for a running tick, and its hang-up ends
// with a tick of its own that stores the connection.
#include <windows.h>

#include "engine/plugin_list.h"
#include "framework/application.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

// How long the close waits for RAS to drop the connection it hung up.
constexpr DWORD kHangUpWaitMs = 3000;
constexpr DWORD kHangUpPollMs = 100;

}  // namespace

void Tfrm_quonm::UpdateTraffic() {
    RunEngineTick();
    if (closeAfterTick && !eng.tickRunning) {
        closeAfterTick = false;
        FormCloseQuery();
    }
}

void Tfrm_quonm::tmr_getTimer() {
    // Nothing is measured before the start-up delay enables the poll timer: a window shown during the
    // start would otherwise tick on counters that the start-up is still changing.
    if (tmr_get.Enabled()) eng.pollingStarted = true;
    if (eng.pollingStarted) UpdateTraffic();
    DrawSkin(false);
    fw::Application::HideWindow();
}

void Tfrm_quonm::HangUpBeforeClose() {
    GetRasStatistics(true);
    bool gone = false;
    for (DWORD waited = 0; waited <= kHangUpWaitMs; waited += kHangUpPollMs) {
        if (GetRasStatistics(false) < 0) {
            gone = true;
            break;
        }
        Sleep(kHangUpPollMs);
    }
    if (gone || !eng.countedOnline) {
        UpdateTraffic();
        return;
    }
    // RAS still lists the connection: the tick stores it as ended, with the figures it last counted.
    const int64_t method = opt.method;
    opt.method = 1;
    UpdateTraffic();
    opt.method = method;
}

void Tfrm_quonm::FormCloseQuery() {
    // A tick that sends to the shell handles incoming messages meanwhile; the close steps (plug-in exit,
    // the hang-up and its storing tick) then run as soon as that tick has finished.
    if (eng.tickRunning) {
        closeAfterTick = true;
        return;
    }
    // After a restart request the modules already had their exit event.
    if (!restarting && !closeQueried) {
        closeQueried = true;
        RunPlugins(peExit);
        if (!quitMark && opt.hangupAtShutdown) HangUpBeforeClose();
    }
    fw::Application::Terminate();
}

}  // namespace quon
