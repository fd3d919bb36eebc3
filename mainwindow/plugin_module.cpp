#include "mainwindow/plugin_module.h"

#include <windows.h>

#include "framework/fault_guard.h"
#include "framework/library.h"
#include "framework/text.h"
#include "mainwindow/main_form.h"

namespace quon {

ModuleCall RunPluginModule(const std::string& folder, const std::string& file, int event, bool freeAfter) {
    const std::wstring path = fw::Widen(folder + kPluginFolder + file);
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) return ModuleCall::NoEntry;
    using DoExecute = void __cdecl(int version, int event);
    DoExecute* doExecute = fw::Library::ProcOf<DoExecute>(module, "_doExecute");
    ModuleCall result = ModuleCall::NoEntry;
    if (doExecute) {
        fw::FaultResult run = fw::RunGuarded([&] { doExecute(kInterfaceVersion, event); });
        result = run.faulted ? ModuleCall::Faulted : ModuleCall::Called;
    }
    if (freeAfter) FreeLibrary(module);
    return result;
}

}  // namespace quon
