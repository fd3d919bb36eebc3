// The ways out of the program from the menu (quit, restart) and the hang-ups.
#include <windows.h>

#include "engine/event_log_format.h"
#include "engine/idle_hangup.h"
#include "engine/plugin_list.h"
#include "framework/application.h"
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

// The new instance of a restart, made before this one takes any step of its exit and held until they
// are done: when it cannot be made, nothing has changed yet.
class HeldInstance {
public:
    bool Create() {
        std::wstring commandLine = L"\"" + fw::ProgramPathW() + L"\" /reboot";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_SHOWNORMAL;
        return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                              nullptr, &si, &pi_) != FALSE;
    }
    void Release() {
        if (!pi_.hThread) return;
        ResumeThread(pi_.hThread);
        Close();
    }
    ~HeldInstance() {
        // Never released: the restart did not get through its steps, so no second instance runs.
        if (pi_.hProcess) TerminateProcess(pi_.hProcess, 1);
        Close();
    }

private:
    void Close() {
        if (pi_.hThread) CloseHandle(pi_.hThread);
        if (pi_.hProcess) CloseHandle(pi_.hProcess);
        pi_ = {};
    }
    PROCESS_INFORMATION pi_{};
};

}  // namespace

void Tfrm_quonm::sub_quitClick() {
    if (eng.countedOnline) {
        int answer = fw::ShowBox("внимание! вы уверены, что хотите выйти из программы?\nобнаружено активное "
                                 "соединение с интернетом, и\nесли сейчас выйти, его данные не будут учтены\n",
                                 MB_DEFBUTTON2 | MB_ICONQUESTION | MB_YESNO);
        if (answer != IDYES) return;
        // The running connection is given up: the next start must not recover it.
        DeleteProtectFiles();
        WriteEventLog(elQuit, "Kill");
    } else {
        WriteEventLog(elQuit, "Quit");
    }
    quitMark = true;
    fw::Application::Terminate();
}

void Tfrm_quonm::sub_hangupClick() { GetRasStatistics(true); }

void Tfrm_quonm::sub_restartClick() {
    // A restart that cannot start the new instance leaves this one as it was: no exit event for the
    // modules, the copies and the close steps kept.
    HeldInstance held;
    if (!(startNewInstance ? startNewInstance() : held.Create())) {
        fw::ShowBox("внимание! не удалось перезапустить программу\n[ программа продолжит работу ]", MB_ICONWARNING);
        return;
    }
    restarting = true;
    // A restart of the auto-restart mode keeps the copies: that start skipped the recovery, and the
    // instance started now recovers them.
    if (!autoRestartMode) DeleteProtectFiles();
    RunPlugins(peExit);
    WriteEventLog(elRestart, "Restart");
    held.Release();
    fw::Application::Terminate();
}

void Tfrm_quonm::tmr_idleTimer() {
    const IdleStep step = NextIdleSecond(tmr_idle.tag, opt.idleMinutes);
    tmr_idle.tag = step.count;
    if (step.hangUp) {
        tmr_idle.SetEnabled(false);
        sub_hangupClick();
    }
}

}  // namespace quon
