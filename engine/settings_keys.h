#pragma once
// Sections and key names of data.qif and plugins.qif, written once for the main program and the
// settings library, which both read and write these files.
namespace quon::keys {

struct Key {
    const char* section;
    const char* name;
};

// data.qif
inline constexpr Key kShowAtStart{"visibility", "start"};
inline constexpr Key kShowOnConnect{"visibility", "show"};
inline constexpr Key kHideAfterDisconnect{"visibility", "hide"};
inline constexpr Key kNotOnTop{"visibility", "desktop"};
inline constexpr Key kAutoRestart{"visibility", "reaload"};  // spelt so in the file
inline constexpr Key kTrayClick{"visibility", "click"};
inline constexpr Key kFade{"visibility", "fade"};
inline constexpr Key kHideUnderCursor{"visibility", "over"};
inline constexpr Key kPluginsOn{"visibility", "plugins"};
inline constexpr Key kTrayVisible{"visibility", "tray"};

inline constexpr Key kViewX{"view", "x"};
inline constexpr Key kViewY{"view", "y"};
inline constexpr Key kOpacity{"view", "o"};
inline constexpr Key kPositionLocked{"view", "fix"};

inline constexpr Key kActivityLog{"log", "traffic"};
inline constexpr Key kEventLog{"log", "data"};
inline constexpr Key kClearLogs{"log", "clear"};

inline constexpr Key kProtection{"data", "protection"};
inline constexpr Key kSpeedLanguage{"data", "language"};
inline constexpr Key kMethod{"data", "method"};
inline constexpr Key kUnits{"data", "units"};
inline constexpr Key kSpeedUnit{"data", "speed"};
inline constexpr Key kBankOn{"data", "backup"};
inline constexpr Key kOwnPeriod{"data", "period"};
inline constexpr Key kUnlimited{"data", "unlim"};

inline constexpr Key kRecoveryNotice{"reset", "notify"};
inline constexpr Key kProtectInterval{"reset", "interval"};
inline constexpr Key kLastStartDay{"reset", "date"};
inline constexpr Key kLastStartMonth{"reset", "month"};

inline constexpr Key kNextPeriod{"alt", "next"};
inline constexpr Key kRemindDate{"alt", "remind"};
inline constexpr Key kWarnDays{"alt", "warn"};
inline constexpr Key kPeriodDays{"alt", "period"};
inline constexpr Key kPeriodNotice{"alt", "notify"};

inline constexpr const char* kBytes = "bytes";
inline constexpr Key kDecimals{"bytes", "float"};
inline constexpr Key kDay{"bytes", "day"};
inline constexpr Key kDayLimit{"bytes", "daylim"};
inline constexpr Key kMonth{"bytes", "month"};
inline constexpr Key kMonthLimit{"bytes", "monthlim"};
inline constexpr Key kUp{"bytes", "up"};
inline constexpr Key kUpLimit{"bytes", "uplim"};
inline constexpr Key kBackup{"bytes", "backup"};
inline constexpr const char* kLevelPrefix = "level_";  // level_1 .. level_5

inline constexpr Key kSkinFile{"skin", "file"};
inline constexpr Key kSkinVariation{"skin", "variation"};
inline constexpr Key kSkinName{"skin", "name"};
inline constexpr Key kAnimation{"skin", "animation"};
inline constexpr Key kFullStop{"skin", "fullstop"};
inline constexpr Key kHangupButton{"skin", "hangup"};
inline constexpr Key kBuiltInIcons{"skin", "icons"};
// The custom tray icons of the slots offline, level 0, levels 1 to 4 and level 5.
inline constexpr Key kIconFiles[7] = {{"skin", "icon_o"}, {"skin", "icon_0"}, {"skin", "icon_1"}, {"skin", "icon_2"},
                                      {"skin", "icon_3"}, {"skin", "icon_4"}, {"skin", "icon_5"}};

inline constexpr Key kTrayHint{"events", "hint"};
inline constexpr Key kBalloons{"events", "balloon"};
inline constexpr Key kHangupAtShutdown{"events", "shutdown"};
inline constexpr Key kIdleMinutes{"events", "hangup"};
inline constexpr Key kTickInterval{"events", "interval"};
inline constexpr Key kBeepDay{"events", "beep_d"};
inline constexpr Key kHangupDay{"events", "hangup_d"};
inline constexpr Key kSoundDay{"events", "wav_d"};
inline constexpr Key kBeepMonth{"events", "beep_m"};
inline constexpr Key kHangupMonth{"events", "hangup_m"};
inline constexpr Key kSoundMonth{"events", "wav_m"};
inline constexpr Key kSoundConnect{"events", "wav_o"};
inline constexpr Key kSoundDisconnect{"events", "wav_x"};

inline constexpr Key kIgnoreCount{"ignore", "items"};
inline constexpr const char* kIgnoreSection = "ignore";
inline constexpr const char* kIgnoreItemPrefix = "item_";  // item_1 .. item_n

inline constexpr Key kStatisticsUnits{"memory", "units"};
inline constexpr Key kStatisticsDecimals{"memory", "float"};

// plugins.qif: [plugins] items and item_<n>; each module's own section holds the rest.
inline constexpr Key kPluginCount{"plugins", "items"};
inline constexpr const char* kPluginListSection = "plugins";
inline constexpr const char* kPluginItemPrefix = "item_";
inline constexpr const char* kPluginEnabled = "enabled";
inline constexpr const char* kPluginEvents = "events";
inline constexpr const char* kPluginClass = "class";
inline constexpr const char* kPluginInfo = "info";
inline constexpr const char* kPluginAuthor = "author";
inline constexpr const char* kPluginMail = "mail";
inline constexpr const char* kPluginWeb = "web";

}  // namespace quon::keys
