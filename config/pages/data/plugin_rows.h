#pragma once
// The plug-ins page's rows: one record per module, how a module found in the plug-in folder is described
// (from plugins.qif or by asking the module), and how the list sorts.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "config/settings/settings_values.h"
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

const char* PluginStatusText(bool enabled);  // "ВКЛЮЧЕН", "ОТКЛЮЧЕН"
PluginCells CellsOf(const PluginRecord& r);

// A row as the dialog reads and writes plugins.qif, and back.
PluginRecord RecordOf(const PluginRow& row);
PluginRow RowOf(const PluginRecord& record);

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
