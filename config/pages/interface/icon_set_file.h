#pragma once
// The tray indicator's seven icons as the settings keep them, and the icon-set file (".qof") in which
// the user saves and reloads such a set: an INI file with [info] type, host, version, support and the
// seven paths in [icons].
#include <array>
#include <string>

#include "engine/program_files.h"
#include "framework/ini_file.h"

namespace quon::config {

// Slot 0 is the offline icon, slots 1..6 the online icons of activity levels 0..5.
inline constexpr int kIconSlotCount = 7;
using IconPaths = std::array<std::string, kIconSlotCount>;

const char* IconSlotKey(int slot);  // "icon_o", "icon_0" .. "icon_5": the same keys in data.qif and in a set
// The default files, with the program's folder in front.
using quon::DefaultIconFiles;
// The title of the open dialog for one slot's icon.
std::string IconDialogTitle(int slot);

enum class IconSetRefusal { None, NotAnIconSet, OtherHost };
// Both [info] type ("iconset") and host ("Quon Tollen") are compared exactly; missing reads "none".
IconSetRefusal CheckIconSet(const fw::IniFile& set);
const char* IconSetRefusalText(IconSetRefusal refusal);
// The seven paths of [icons], empty where a key is missing.
IconPaths ReadIconSetPaths(const fw::IniFile& set);
// Writes the set key by key in the file's order; false at the first write that fails (the keys written
// before it stay).
bool WriteIconSet(const fw::IniFile& set, const IconPaths& paths);

extern const char* const kIconLoadFailedText;
extern const char* const kIconSetLoadFailedText;
extern const char* const kIconSetSaveFailedText;
extern const char* const kIconSetFilter;

}  // namespace quon::config
