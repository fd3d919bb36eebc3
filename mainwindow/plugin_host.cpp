// Host events reach the plug-in modules listed in plugins.qif.
#include <windows.h>

#include "engine/copydata_commands.h"
#include "engine/plugin_list.h"
#include "engine/program_files.h"
#include "framework/ini_file.h"
#include "framework/program_folder.h"
#include "mainwindow/main_form.h"
#include "mainwindow/plugin_module.h"

namespace quon {

void Tfrm_quonm::RunPlugins(PluginEvent event) {
    if (!opt.pluginsOn) return;
    const std::string folder = fw::ProgramFolder();
    PluginHostSides sides;
    sides.run = [&](const std::string& file, int ev, bool freeAfter) {
        return RunPluginModule(folder, file, ev, freeAfter);
    };
    sides.beep = [] { Beep(100, 100); };
    sides.showIndicatorItem = [this] { sub_floating->visible = true; };
    sides.clear = [this](const std::string& windowClass) { SendCopyData(windowClass, cdClear, true, kClearText); };
    try {
        RunPluginList(fw::IniFile(folder + kPluginListFile), event, sides);
    } catch (...) {
    }
}

}  // namespace quon
