// A plug-in's own settings window, from the "настройки модулей" submenu.
#include "engine/program_files.h"
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "framework/foreign_call.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

using GetSettingsFn = void(int version, const char* caller);

constexpr const char* kPluginSettingsMissingText =
    "внимание! невозможно вызвать окно настроек модуля.\n\nвозможные причины:\n"
    "   * файл не найден\n"
    "   * файл повреждён\n"
    "   * файл не не имеет настроек\n"
    "   * файл не совместим с программой\n"
    "   * файл не содержит процедуру «getSettings»";

}  // namespace

void Tfrm_quonm::sub_pluginsClick(fw::MenuItem& item) {
    // The item carries the module's file name; its caption is only what the menu shows.
    if (item.data.empty()) return;
    const fw::ForeignCall call = fw::CallLibraryExport<GetSettingsFn>(
        fw::ProgramFolder() + kPluginFolder + item.data, "_getSettings",
        [](GetSettingsFn* getSettings) { getSettings(kInterfaceVersion, "fromMainframe"); });
    if (call.faulted || call.freeFaulted) {
        fw::Beep100();
        return;
    }
    if (!call.found) fw::ShowBox(kPluginSettingsMissingText, MB_ICONWARNING);
}

}  // namespace quon
