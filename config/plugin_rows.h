#pragma once
// The plug-ins page's rows: one record per module, how a module found in the plug-in folder is described
// (from plugins.qif or by asking the module), and how the list sorts.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/ini_file.h"

namespace quon::config {

// Everything one row shows and plugins.qif keeps for it.
struct PluginRecord {
    std::string file;  // the module's file name inside the plug-in folder, also its section name
    bool enabled = true;
    int64_t event = 1;
    std::string windowClass = "-", description = "-", author = "-", mail = "-", web = "-";
};

inline constexpr int kPluginColumns = 7;  // МОДУЛЬ, СТАТУС, АКТИВАЦИЯ, НАЗВАНИЕ, АВТОР, MAIL, WEB
using PluginCells = std::array<std::string, kPluginColumns>;

// plugins.qif [<file>] enabled: "0" (any integer 0) is off, anything else on, as the host reads it.
bool PluginEnabledText(const std::string& text);
const char* PluginStatusText(bool enabled);     // "ВКЛЮЧЕН", "ОТКЛЮЧЕН"
const char* PluginActivationText(int64_t code);  // "ВСЕГДА" .. "ПО  ЗАПРОСУ", "-" for any other code
PluginCells CellsOf(const PluginRecord& r);

// A module's self-description ":class:author:mail:web:description:". Fewer than five colons: the whole
// text is the description and the rest "-"; otherwise the pieces between the colons, the description being
// everything after the fifth colon but its last character.
struct PluginInfo {
    std::string windowClass, author, mail, web, description;
};
PluginInfo SplitPluginInfo(const std::string& text);

// What the page asks a module while it scans the folder. Each call loads the module by its full path
// under the plug-in folder, runs the export inside the fault guard and frees the module.
enum class ModuleReply { Answered, Missing, Faulted };  // Missing: no such export, or the file did not load
struct PluginQuestions {
    std::function<ModuleReply(const std::string& file, int64_t& event)> event;    // _getEvent
    std::function<ModuleReply(const std::string& file, std::string& info)> info;  // _getInfo, NULL is ""
};

// The row of one file found in the folder: plugins.qif [<file>] where it has what is needed, the module
// itself otherwise (an unknown module, one that is off, one with an event code from 2 up or -1).
PluginRecord ScanPluginFile(const std::string& file, const fw::IniFile& list, const PluginQuestions& ask);

// The row of list entry i (1-based) of plugins.qif as the dialog opens.
PluginRecord ReadPluginListEntry(const fw::IniFile& list, int64_t i);
// Writes the rows to plugins.qif; false when a write fails.
bool WritePluginList(const fw::IniFile& list, const std::vector<PluginRecord>& rows);

// Column clicks: the same column again flips the direction, another column keeps it.
struct PluginSort {
    int column = 0;
    bool descending = false;
    void Click(int clicked);
};

// Case-insensitive (Latin letters) text order. Column 0 compares the file names; a later column compares
// that column's text and, on a tie, the columns after it. Negative, 0 or positive.
int ComparePluginRows(const PluginRecord& a, const PluginRecord& b, const PluginSort& sort);

}  // namespace quon::config
