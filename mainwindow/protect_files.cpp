// The crash-protection copies of the running connection's byte counts.
#include <windows.h>

#include "engine/protect_copy.h"
#include "framework/ini_file.h"
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "mainwindow/main_form.h"

namespace quon {

void Tfrm_quonm::tmr_protectTimer() {
    // The copies stand for a counted connection with protection on, nothing else.
    if (!eng.countedOnline || !opt.protectionOn) {
        tmr_protect.SetEnabled(false);
        return;
    }
    const std::string received = ProtectCountText(eng.connIn);
    const std::string sent = ProtectCountText(eng.connOut);
    bool ok = true;
    for (const char* name : {kProtectPrevFile, kProtectNextFile}) {
        fw::IniFile copy(fw::ProgramFolder() + name);
        ok = ok && copy.WriteString(kProtectSection, kProtectReceivedKey, received) &&
             copy.WriteString(kProtectSection, kProtectSentKey, sent);
    }
    if (!ok) {
        tmr_protect.SetEnabled(false);
        fw::ShowBox("внимание! возникла ошибка при попытке записать данные на диск\n"
                    "[ защита от сбоев отключена на всё время текущего соединения ]",
                    MB_ICONWARNING);
    }
}

void Tfrm_quonm::DeleteProtectFiles() {
    DeleteFileA((fw::ProgramFolder() + kProtectPrevFile).c_str());
    DeleteFileA((fw::ProgramFolder() + kProtectNextFile).c_str());
}

}  // namespace quon
