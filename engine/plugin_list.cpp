#include "engine/plugin_list.h"

#include "engine/item_list.h"
#include "engine/settings_keys.h"

namespace quon {

bool PluginRunsFor(int64_t act, int event) {
    if (act == paAlways) return true;
    bool transition = event == peOnline || event == peOffline;
    if (act == event && (event == peStart || transition)) return true;
    return act == paConnectAndDisconnect && transition;
}

bool FreeAfterRun(int event) { return event > peStart; }

bool IsPlainPluginName(const std::string& file) {
    if (file.empty() || file == "." || file == "..") return false;
    return file.find_first_of("\\/:") == std::string::npos;
}

void RunPluginList(const fw::IniFile& list, int event, const PluginHostSides& sides) {
    // The count is read again before every entry: the list may change while a module runs.
    for (int64_t i = 1; ListHasEntry(list, keys::kPluginListSection, i); ++i) {
        const std::string file = list.ReadString(keys::kPluginListSection, ItemKey(i), keys::kItemMissing);
        const char* section = file.c_str();
        if (list.ReadInteger(section, keys::kPluginEnabled, 1) == 0) continue;
        const int64_t act = list.ReadInteger(section, keys::kPluginEvents, paStart);
        if (PluginRunsFor(act, event)) {
            ModuleCall call = IsPlainPluginName(file) ? sides.run(file, event, FreeAfterRun(event))
                                                      : ModuleCall::NoEntry;
            if (call == ModuleCall::NoEntry) sides.beep();
        }
        if (event == peStart && act == paOnRequest) sides.showIndicatorItem();
        if (event == peExit && (act == paStart || act == paOnRequest)) {
            const std::string windowClass = list.ReadString(section, keys::kPluginClass, "");
            if (!windowClass.empty()) sides.clear(windowClass);
        }
    }
}

}  // namespace quon
