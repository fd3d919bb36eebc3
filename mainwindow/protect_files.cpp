// The crash-protection copies of the running connection's byte counts.
#include <windows.h>

#include "engine/protect_copy.h"
#include "engine/stored_connection.h"
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
    if (!WriteProtectCopies(ProtectCopyKeys(PolledConnection(eng), {eng.connIn, eng.connOut, eng.connDuration}))) {
        tmr_protect.SetEnabled(false);
        fw::ShowBox("внимание! возникла ошибка при попытке записать данные на диск\n"
                    "[ защита от сбоев отключена на всё время текущего соединения ]",
                    MB_ICONWARNING);
    }
}

bool Tfrm_quonm::WriteProtectCopies(const KeyValues& keys) {
    // Each copy is written whole in one go: a copy never holds the counts of one moment and the
    // connection of another.
    bool ok = true;
    for (const char* name : {kProtectPrevFile, kProtectNextFile})
        ok = fw::IniFile(fw::ProgramFolder() + name).WriteKeys(kProtectSection, keys) && ok;
    return ok;
}

void Tfrm_quonm::DeleteProtectFiles() {
    DeleteFileA((fw::ProgramFolder() + kProtectPrevFile).c_str());
    DeleteFileA((fw::ProgramFolder() + kProtectNextFile).c_str());
}

}  // namespace quon
