#pragma once
// The files and folders of the program folder, by the names the program gives them.
#include <array>
#include <string>

namespace quon {

inline constexpr const char* kSettingsFile = "data.qif";
inline constexpr const char* kPluginListFile = "plugins.qif";
inline constexpr const char* kEventLogFile = "data.log";
inline constexpr const char* kActivityLogFile = "traffic.log";
// The two crash-protection copies of the running connection's counts.
inline constexpr const char* kProtectPrevFile = "protect_prev.tmp";
inline constexpr const char* kProtectNextFile = "protect_next.tmp";
inline constexpr const char* kSettingsLibrary = "config.dll";
inline constexpr const char* kHelpFile = "help.hlp";
inline constexpr const char* kTroubleshooterFile = "troubleshooter.exe";

// The plug-in modules, and the module of the external indicator among them.
inline constexpr const char* kPluginFolder = "PLUGINS\\";
inline constexpr const char* kExternalIndicatorModule = "Brastel.dll";

// The name [skin] file gives the built-in theme, and the meter the built-in icon set (both found in any
// letter case), and the meter's name of a set of the user's own icon files.
inline constexpr const char* kBuiltInName = "Default";
inline constexpr const char* kCustomIconSetName = "Custom";

// The built-in theme: its folder, its face picture (without which the meter does not draw) and its
// description.
inline constexpr const char* kDefaultSkinFolder = "skins\\default\\";
inline constexpr const char* kDefaultSkinFace = "face.png";
inline constexpr const char* kDefaultSkinDescription = "skin.qsf";

// The built-in tray icons of the slots offline, level 0, levels 1 to 4 and level 5.
inline constexpr const char* kDefaultIconFolder = "icons\\default\\";
inline constexpr const char* kDefaultIconNames[7] = {"offline.ico", "idle.ico",   "online.ico", "online.ico",
                                                     "online.ico",  "online.ico", "lime.ico"};

// The built-in icon files of the seven slots under a program folder.
inline std::array<std::string, 7> DefaultIconFiles(const std::string& programFolder) {
    std::array<std::string, 7> files;
    for (size_t i = 0; i < files.size(); ++i) files[i] = programFolder + kDefaultIconFolder + kDefaultIconNames[i];
    return files;
}

}  // namespace quon
