#pragma once
// The plug-ins page's calls into modules of the plug-in folder. Each call loads one module by its full
// path, runs one export inside the fault guard and frees the module again; only plain file names inside
// the folder are ever loaded.
#include <functional>
#include <string>
#include <vector>

#include "config/pages/data/plugin_rows.h"

namespace quon::config {

// _getEvent and _getInfo of the modules in programFolder + "PLUGINS\".
PluginQuestions ModuleQuestions(const std::string& programFolder);

// The "*.dll" files of the plug-in folder (no folders), in the order of a sorted list box.
std::vector<std::string> PluginFolderFiles(const std::string& programFolder);

// One row per file of the folder; a row whose scan failed gets the scan's defaults and onFailedRow runs.
std::vector<PluginRecord> ScanPluginFolder(const std::string& programFolder,
                                           const std::function<void()>& onFailedRow = [] {});

enum class SettingsCall { Shown, Missing, Faulted };
// _getSettings(version, "fromSettings"); returns when the module's window is closed.
SettingsCall OpenPluginSettings(const std::string& programFolder, const std::string& file, int version);

}  // namespace quon::config
