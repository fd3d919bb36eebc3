#include "config/settings/read_settings.h"

#include <windows.h>

#include "config/settings/conversions.h"
#include "engine/calendar_date.h"
#include "engine/ini_file_store.h"
#include "engine/item_list.h"
#include "framework/program_folder.h"

namespace quon::config {

using namespace keys;

namespace {

std::string Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return FormatDateText(CivilDate{now.wYear, now.wMonth, now.wDay});
}

}  // namespace

std::array<std::string, 7> DefaultIconPaths(const std::string& folder) {
    const std::string icons = folder + "icons\\default\\";
    const std::string online = icons + "online.ico";
    return {icons + "offline.ico", icons + "idle.ico", online, online, online, online, icons + "lime.ico"};
}

std::vector<PluginRow> ReadPluginRows(const SettingsStore& list) {
    std::vector<PluginRow> rows;
    // The count is read again before every row, as the main program reads the list.
    for (int64_t i = 1; ListGoesOn(i, list.ReadInteger(kPluginCount, 0), list.KeyExists(kPluginListSection, ItemKey(i))); ++i) {
        PluginRow row;
        row.file = list.ReadString(kPluginListSection, ItemKey(i), "-");
        const std::string& section = row.file;
        row.enabled = PluginEnabled(list.ReadString(section, kPluginEnabled, "1")) ? "1" : "0";
        row.event = std::to_string(list.ReadInteger(section, kPluginEvents, 1));
        row.windowClass = list.ReadString(section, kPluginClass, "");
        row.desc = list.ReadString(section, kPluginInfo, "-");
        row.author = list.ReadString(section, kPluginAuthor, "-");
        row.mail = list.ReadString(section, kPluginMail, "-");
        row.web = list.ReadString(section, kPluginWeb, "-");
        rows.push_back(std::move(row));
    }
    return rows;
}

SettingsValues ReadSettingsValues(const SettingsStore& ini, const SettingsStore& plugins, const std::string& folder,
                                  const std::string& today) {
    SettingsValues v;
    v.box_reinit = ini.ReadInteger(kAutoRestart, 0) != 0;
    v.edt_x = std::to_string(ini.ReadInteger(kViewX, 200));
    v.edt_y = std::to_string(ini.ReadInteger(kViewY, 100));
    v.box_freeze = ini.ReadInteger(kPositionLocked, 0) != 0;
    v.box_protection = ini.ReadInteger(kProtection, 1) != 0;
    v.box_notify = ini.ReadInteger(kRecoveryNotice, 1) != 0;
    v.box_interval = IntervalIndexFor(ini.ReadInteger(kProtectInterval, 60));
    v.box_method = static_cast<int>(ini.ReadInteger(kMethod, 0));
    v.box_fade = static_cast<int>(ini.ReadInteger(kFade, 2));
    v.box_start = ini.ReadInteger(kShowAtStart, 1) != 0;
    v.box_connect = ini.ReadInteger(kShowOnConnect, 1) != 0;
    const int64_t hide = ini.ReadInteger(kHideAfterDisconnect, 1);
    v.box_disconnect = hide > 0;
    v.edt_hide = std::to_string(hide);
    v.box_units = static_cast<int>(ini.ReadInteger(kUnits, 2));
    v.box_speed = static_cast<int>(ini.ReadInteger(kSpeedUnit, 1));
    v.img_language = static_cast<int>(ini.ReadInteger(kSpeedLanguage, 0));
    v.edt_float = std::to_string(ini.ReadInteger(kDecimals, 3));
    v.hint = HintRadioFor(ini.ReadInteger(kTrayHint, 0));
    const int64_t idle = ini.ReadInteger(kIdleMinutes, 0);
    v.box_hangup_idle = idle > 0;
    v.edt_idle = std::to_string(idle);
    static const int64_t kLevelDefaults[5] = {1024, 2048, 3072, 4096, 5120};
    for (int n = 5; n >= 1; --n)
        v.levels[n - 1] = LevelKilobytesText(ini.ReadInteger(kBytes, kLevelPrefix + std::to_string(n), kLevelDefaults[n - 1]));
    v.box_showhide = ini.ReadInteger(kTrayClick, 1) != 0;
    v.box_ontop = ini.ReadInteger(kNotOnTop, 0) == 0;
    v.skinName = ini.ReadString(kSkinName, "Default, версия 1.0");
    v.skinNameSelected.clear();
    v.bar_opacity = static_cast<int>(OpacityBarPosition(ini.ReadInteger(kOpacity, 255)));
    v.box_hover = ini.ReadInteger(kHideUnderCursor, 0) != 0;
    // The main window draws its hang-up button unless the value is 0; the box reads as hiding it.
    v.box_hangup = ini.ReadInteger(kHangupButton, 1) == 0;
    v.grp_icons = static_cast<int>(ini.ReadInteger(kBuiltInIcons, 1));
    const auto defaultIcons = DefaultIconPaths(folder);
    for (size_t i = 0; i < v.iconPaths.size(); ++i) v.iconPaths[i] = ini.ReadString(kIconFiles[i], defaultIcons[i]);
    v.box_animation = ini.ReadInteger(kAnimation, 0) != 0;
    v.box_reset = ini.ReadInteger(kFullStop, 1) != 0;
    v.edt_skin = ini.ReadString(kSkinFile, "Default");
    v.rad_default = v.edt_skin == "Default";
    v.box_variations = static_cast<int>(ini.ReadInteger(kSkinVariation, 0));
    v.box_shutdown = ini.ReadInteger(kHangupAtShutdown, 0) != 0;
    v.box_baloon = ini.ReadInteger(kBalloons, 1) != 0;
    v.box_hangup_m = ini.ReadInteger(kHangupMonth, 0) != 0;
    v.box_beep_m = ini.ReadInteger(kBeepMonth, 1) != 0;
    v.edt_wav_m = ini.ReadString(kSoundMonth, "");
    v.box_wav_m = SoundBoxChecked(v.edt_wav_m);
    v.box_hangup_d = ini.ReadInteger(kHangupDay, 0) != 0;
    v.box_beep_d = ini.ReadInteger(kBeepDay, 1) != 0;
    v.edt_wav_d = ini.ReadString(kSoundDay, "");
    v.box_wav_d = SoundBoxChecked(v.edt_wav_d);
    v.edt_wav_o = ini.ReadString(kSoundConnect, "");
    v.box_wav_o = SoundBoxChecked(v.edt_wav_o);
    v.edt_wav_x = ini.ReadString(kSoundDisconnect, "");
    v.box_wav_x = SoundBoxChecked(v.edt_wav_x);
    v.edt_ignore.clear();
    // The count comes from the file: read as the main program reads it, a damaged one ends the list.
    for (int64_t n = 1; ListGoesOn(n, ini.ReadInteger(kIgnoreCount, 0), ini.KeyExists(kIgnoreSection, ItemKey(n))); ++n)
        v.edt_ignore.push_back(ini.ReadString(kIgnoreSection, ItemKey(n), "NULL"));
    v.box_alt = ini.ReadInteger(kOwnPeriod, 0) > 1;
    v.box_control = ini.ReadInteger(kPluginsOn, 0) != 0;
    v.box_unlim = ini.ReadInteger(kUnlimited, 0) != 0;
    v.box_backup = ini.ReadInteger(kBankOn, 0) != 0;
    v.box_remind = ini.ReadInteger(kPeriodNotice, 1) != 0;
    v.edt_remind = std::to_string(ini.ReadInteger(kWarnDays, 0));
    v.edt_period = std::to_string(ini.ReadInteger(kPeriodDays, 30));
    v.edt_next = ini.ReadString(kNextPeriod, today);
    static const char* const kCounterDefaults[kCounterFields] = {"31457280", "1048576", "0", "0", "0", "0", "0"};
    for (int i = 0; i < kCounterFields; ++i) v.counters[i] = ini.ReadString(kCounterKeys[i], kCounterDefaults[i]);
    v.countersAtOpening = v.counters;
    v.plugins = ReadPluginRows(plugins);
    v.lst_units = static_cast<int>(ini.ReadInteger(kStatisticsUnits, 2));
    v.lst_float = static_cast<int>(ini.ReadInteger(kStatisticsDecimals, 3));
    v.box_log_data = ini.ReadInteger(kEventLog, 0) != 0;
    // Read with the main program's default, so that a first save on an old file keeps monthly clearing on.
    v.box_log_clear = ini.ReadInteger(kClearLogs, 1) != 0;
    v.box_log_traffic = ini.ReadInteger(kActivityLog, 0) != 0;
    return v;
}

SettingsValues ReadProgramFolderSettings() {
    const std::string folder = fw::ProgramFolder();
    const IniFileStore data(folder + "data.qif"), plugins(folder + "plugins.qif");
    return ReadSettingsValues(data, plugins, folder, Today());
}

}  // namespace quon::config
