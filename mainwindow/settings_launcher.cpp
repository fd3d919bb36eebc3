// The settings library: opened from the menu, the theme's settings button and a double click.
#include <windows.h>

#include "engine/event_log_format.h"
#include "engine/program_files.h"
#include "engine/settings_pages.h"
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "framework/foreign_call.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

// The library's one entry: the page to open, the interface version and the connection state "1"/"0".
using CallSettingsFn = bool(int page, int version, const char* state);

constexpr const char* kSettingsMissingText =
    "внимание! невозможно открыть окно настроек программы.\n\nвозможные причины:\n"
    "   * файл «config.dll» повреждён\n"
    "   * файл «config.dll» не совместим с программой\n"
    "   * файл «config.dll» создан не автором программы\n"
    "   * файл «config.dll» не найден в каталоге программы";

constexpr const char* kSettingsFaultText =
    "внимание! программа выполнила недопустимую операцию.\n\nвозможные причины:\n"
    "   * произведена некорректная переадресация;\n"
    "   * не удалось высвободить память для модулей;\n"
    "  * другое «нарушение доступа» (access violation)\n\n"
    "нажмите «ок» для перезапуска программы...";

}  // namespace

void Tfrm_quonm::OpenSettings(SettingsPageNumber page, bool reportMissing) {
    // One dialog at a time: the dialog runs a message loop of its own, in which clicks and double clicks
    // on this window still arrive.
    if (settingsBusy) return;
    settingsBusy = true;
    SetButtonStates(0, 0, 0);  // the settings button does not stay pressed while the dialog is open

    const std::string state = eng.countedOnline ? "1" : "0";
    const fw::ForeignCall call = fw::CallLibraryExport<CallSettingsFn>(
        fw::ProgramFolder() + kSettingsLibrary, "_callSettings",
        [&](CallSettingsFn* callSettings) { callSettings(page, kInterfaceVersion, state.c_str()); });

    if (call.faulted || call.freeFaulted) {
        WriteEventLog(elPluginFault, "Error: plugin(s) access violation");  // swallows its own faults
        Beep(100, 50);
        Sleep(50);
        Beep(100, 50);
        Sleep(50);
        Beep(100, 50);
        fw::ShowBox(kSettingsFaultText, MB_ICONWARNING);
        settingsBusy = false;
        sub_restartClick();
        return;
    }
    if (!call.found && reportMissing) fw::ShowBox(kSettingsMissingText, MB_ICONWARNING);
    settingsBusy = false;
}

// A double click on the meter opens the data and statistics page; without the library it does nothing.
void Tfrm_quonm::OnDoubleClick() { OpenSettings(pgData, false); }

}  // namespace quon
