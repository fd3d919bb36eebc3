#pragma once
// One call of a plug-in module's _doExecute, loaded by its full path under the plug-in folder.
#include <string>

#include "engine/plugin_list.h"
#include "engine/program_files.h"

namespace quon {

// folder is the program folder (with its trailing backslash); file a plain name (IsPlainPluginName).
// A fault inside the module is caught; freeAfter frees the module after the call, also after a fault.
ModuleCall RunPluginModule(const std::string& folder, const std::string& file, int event, bool freeAfter);

}  // namespace quon
