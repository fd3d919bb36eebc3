#pragma once
// plugins.qif and the host events: which listed module runs for an event, which stays loaded, which
// gets "Clear()" at exit. The list is read afresh at every event; loading and calling a module is the
// caller's part (RunPluginList's sides).
#include <cstdint>
#include <functional>
#include <string>

#include "framework/ini_file.h"

namespace quon {

// peRequest: the external indicator called from the menu.
enum PluginEvent : int { peStart = 1, peOnline = 2, peOffline = 3, peRequest = 5, peExit = -1 };

// What a module asked for in plugins.qif [<file>] events.
enum PluginActivation : int64_t { paAlways = 0, paStart = 1, paConnect = 2, paDisconnect = 3,
                                  paConnectAndDisconnect = 4, paOnRequest = 5 };

bool PluginRunsFor(int64_t activation, int event);
// Modules run at connect or disconnect are freed after the call; those run at start or exit stay.
bool FreeAfterRun(int event);
// A list entry must name a plain file inside the plug-in folder.
bool IsPlainPluginName(const std::string& file);

enum class ModuleCall {
    Called,    // _doExecute ran and returned
    Faulted,   // _doExecute ran and faulted; the host lives on
    NoEntry,   // the module did not load or has no _doExecute
};

struct PluginHostSides {
    // Loads PLUGINS\<file>, calls _doExecute(2010, event), frees the module when freeAfter.
    std::function<ModuleCall(const std::string& file, int event, bool freeAfter)> run;
    std::function<void()> beep;                                  // a module that could not be run
    std::function<void()> showIndicatorItem;                     // a module run on request exists
    std::function<void(const std::string& windowClass)> clear;   // its window is told the program ends
};

// One host event through the list (only when plug-ins are on; the caller tests that).
void RunPluginList(const fw::IniFile& list, int event, const PluginHostSides& sides);

}  // namespace quon
