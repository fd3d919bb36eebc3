#pragma once
// Sections and key names of data.qif and plugins.qif, written once for the main program and the
// settings library, which both read and write these files. An IntKey or TextKey carries the value the
// meter takes when the key is missing; a reader that takes another passes it at its call. A plain Key has
// no single default (the missing value depends on the day or on the reader).
#include <cstdint>
#include <string>

#include "engine/program_files.h"

namespace quon::keys {

struct Key {
    const char* section;
    const char* name;
};
struct IntKey : Key {
    int64_t def;
};
struct TextKey : Key {
    const char* def;
};

// A key read with its own default or with the one the caller gives, from any INI reader with
// ReadInteger / ReadString (section, name, default).
template <class Ini>
int64_t Read(Ini&& ini, const IntKey& k) {
    return ini.ReadInteger(k.section, k.name, k.def);
}
template <class Ini>
int64_t Read(Ini&& ini, const Key& k, int64_t def) {
    return ini.ReadInteger(k.section, k.name, def);
}
template <class Ini>
std::string Read(Ini&& ini, const TextKey& k) {
    return ini.ReadString(k.section, k.name, k.def);
}
template <class Ini>
std::string ReadText(Ini&& ini, const Key& k, const std::string& def) {
    return ini.ReadString(k.section, k.name, def);
}
// False when the value did not reach the file.
template <class Ini>
bool Write(Ini&& ini, const Key& k, const std::string& value) {
    return ini.WriteString(k.section, k.name, value);
}

// data.qif
inline constexpr IntKey kShowAtStart{"visibility", "start", 1};
inline constexpr IntKey kShowOnConnect{"visibility", "show", 1};
inline constexpr IntKey kHideAfterDisconnect{"visibility", "hide", 1};
inline constexpr IntKey kNotOnTop{"visibility", "desktop", 0};
inline constexpr IntKey kAutoRestart{"visibility", "reaload", 0};  // spelt so in the file
inline constexpr IntKey kTrayClick{"visibility", "click", 1};
inline constexpr IntKey kFade{"visibility", "fade", 2};
inline constexpr IntKey kHideUnderCursor{"visibility", "over", 0};
inline constexpr IntKey kPluginsOn{"visibility", "plugins", 0};
inline constexpr TextKey kTrayVisible{"visibility", "tray", "ok"};

inline constexpr IntKey kViewX{"view", "x", 200};
inline constexpr IntKey kViewY{"view", "y", 100};
inline constexpr IntKey kOpacity{"view", "o", 225};
inline constexpr IntKey kPositionLocked{"view", "fix", 0};

inline constexpr IntKey kActivityLog{"log", "traffic", 0};
inline constexpr IntKey kEventLog{"log", "data", 0};
inline constexpr IntKey kClearLogs{"log", "clear", 1};

inline constexpr IntKey kProtection{"data", "protection", 1};
inline constexpr IntKey kSpeedLanguage{"data", "language", 0};
inline constexpr IntKey kMethod{"data", "method", 0};
inline constexpr IntKey kUnits{"data", "units", 2};
inline constexpr IntKey kSpeedUnit{"data", "speed", 1};
inline constexpr IntKey kBankOn{"data", "backup", 0};
inline constexpr IntKey kOwnPeriod{"data", "period", 0};  // above 1: the own accounting period is on
inline constexpr IntKey kUnlimited{"data", "unlim", 0};

inline constexpr IntKey kRecoveryNotice{"reset", "notify", 1};
inline constexpr IntKey kProtectInterval{"reset", "interval", 60};
inline constexpr TextKey kLastStartDay{"reset", "date", "-1"};
inline constexpr TextKey kLastStartMonth{"reset", "month", "-1"};

inline constexpr Key kNextPeriod{"alt", "next"};    // missing: the start of day takes tomorrow, the dialog today
inline constexpr Key kRemindDate{"alt", "remind"};  // missing: tomorrow
inline constexpr IntKey kWarnDays{"alt", "warn", 0};
inline constexpr IntKey kPeriodDays{"alt", "period", 30};
inline constexpr IntKey kPeriodNotice{"alt", "notify", 1};

// [bytes]: the counters as text, the level thresholds and the record of the connection they hold.
inline constexpr const char* kBytes = "bytes";
inline constexpr IntKey kDecimals{"bytes", "float", 3};
inline constexpr TextKey kDay{"bytes", "day", "0"};
inline constexpr TextKey kDayLimit{"bytes", "daylim", "1048576"};
inline constexpr TextKey kMonth{"bytes", "month", "0"};
inline constexpr TextKey kMonthLimit{"bytes", "monthlim", "31457280"};
inline constexpr TextKey kUp{"bytes", "up", "0"};
inline constexpr TextKey kUpLimit{"bytes", "uplim", "0"};
inline constexpr TextKey kBackup{"bytes", "backup", "0"};
inline constexpr IntKey kLevels[5] = {{"bytes", "level_1", 1024}, {"bytes", "level_2", 2048}, {"bytes", "level_3", 3072},
                                      {"bytes", "level_4", 4096}, {"bytes", "level_5", 5120}};
inline constexpr Key kSessionHandle{"bytes", "session_handle"};
inline constexpr Key kSessionEntry{"bytes", "session_entry"};
inline constexpr Key kSessionIn{"bytes", "session_in"};
inline constexpr Key kSessionOut{"bytes", "session_out"};
inline constexpr Key kSessionTime{"bytes", "session_time"};
inline constexpr Key kSessionStart{"bytes", "session_start"};

// The three months before this one, newest first.
inline constexpr Key kPastMonths[3] = {{"table", "month1"}, {"table", "month2"}, {"table", "month3"}};

inline constexpr TextKey kSkinFile{"skin", "file", kBuiltInName};
inline constexpr IntKey kSkinVariation{"skin", "variation", 0};
inline constexpr TextKey kSkinName{"skin", "name", "Default, версия 1.0"};
inline constexpr IntKey kAnimation{"skin", "animation", 0};
inline constexpr IntKey kFullStop{"skin", "fullstop", 1};
inline constexpr IntKey kHangupButton{"skin", "hangup", 1};
inline constexpr IntKey kBuiltInIcons{"skin", "icons", 1};
// The custom tray icons of the slots offline, level 0, levels 1 to 4 and level 5; missing: the
// program's default icon of the slot.
inline constexpr Key kIconFiles[7] = {{"skin", "icon_o"}, {"skin", "icon_0"}, {"skin", "icon_1"}, {"skin", "icon_2"},
                                      {"skin", "icon_3"}, {"skin", "icon_4"}, {"skin", "icon_5"}};

inline constexpr IntKey kTrayHint{"events", "hint", 0};
inline constexpr IntKey kBalloons{"events", "balloon", 1};
inline constexpr IntKey kHangupAtShutdown{"events", "shutdown", 0};
inline constexpr IntKey kIdleMinutes{"events", "hangup", 0};
inline constexpr IntKey kTickInterval{"events", "interval", 1};
inline constexpr IntKey kBeepDay{"events", "beep_d", 1};
inline constexpr IntKey kHangupDay{"events", "hangup_d", 0};
inline constexpr TextKey kSoundDay{"events", "wav_d", ""};
inline constexpr IntKey kBeepMonth{"events", "beep_m", 1};
inline constexpr IntKey kHangupMonth{"events", "hangup_m", 0};
inline constexpr TextKey kSoundMonth{"events", "wav_m", ""};
inline constexpr TextKey kSoundConnect{"events", "wav_o", ""};
inline constexpr TextKey kSoundDisconnect{"events", "wav_x", ""};

// The two numbered lists, [ignore] of data.qif and [plugins] of plugins.qif: items=<n>, item_1 .. item_n.
inline constexpr const char* kItemCountName = "items";
inline constexpr const char* kItemPrefix = "item_";
inline constexpr const char* kItemMissing = "NULL";  // what the meter reads for a missing item
inline constexpr const char* kIgnoreSection = "ignore";
inline constexpr IntKey kIgnoreCount{kIgnoreSection, kItemCountName, 0};

inline constexpr IntKey kStatisticsUnits{"memory", "units", 2};
inline constexpr IntKey kStatisticsDecimals{"memory", "float", 3};

// plugins.qif: [plugins] items and item_<n>; each module's own section holds the rest.
inline constexpr const char* kPluginListSection = "plugins";
inline constexpr IntKey kPluginCount{kPluginListSection, kItemCountName, 0};
inline constexpr const char* kPluginEnabled = "enabled";
inline constexpr const char* kPluginEvents = "events";
inline constexpr const char* kPluginClass = "class";
inline constexpr const char* kPluginInfo = "info";
inline constexpr const char* kPluginAuthor = "author";
inline constexpr const char* kPluginMail = "mail";
inline constexpr const char* kPluginWeb = "web";

}  // namespace quon::keys
