#include "config/settings/read_settings.h"

#include <windows.h>

#include "config/settings/conversions.h"
#include "engine/calendar_date.h"
#include "engine/ini_file_store.h"
#include "engine/item_list.h"
#include "engine/program_files.h"
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

std::vector<PluginRow> ReadPluginRows(const SettingsStore& list) {
    std::vector<PluginRow> rows;
    // The count is read again before every row, as the main program reads the list.
    for (int64_t i = 1; ListGoesOn(i, Read(list, kPluginCount), list.KeyExists(kPluginListSection, ItemKey(i))); ++i) {
        PluginRow row;
        row.file = list.ReadString(kPluginListSection, ItemKey(i), "-");
        const std::string& section = row.file;
        row.enabled = std::string(PluginEnabled(list.ReadString(section, kPluginEnabled, "1")) ? "1" : "0");
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
    v.box_reinit = Read(ini, kAutoRestart) != 0;
    v.edt_x = std::to_string(Read(ini, kViewX));
    v.edt_y = std::to_string(Read(ini, kViewY));
    v.box_freeze = Read(ini, kPositionLocked) != 0;
    v.box_protection = Read(ini, kProtection) != 0;
    v.box_notify = Read(ini, kRecoveryNotice) != 0;
    v.box_interval = IntervalIndexFor(Read(ini, kProtectInterval));
    v.box_method = static_cast<int>(Read(ini, kMethod));
    v.box_fade = static_cast<int>(Read(ini, kFade));
    v.box_start = Read(ini, kShowAtStart) != 0;
    v.box_connect = Read(ini, kShowOnConnect) != 0;
    const int64_t hide = Read(ini, kHideAfterDisconnect);
    v.box_disconnect = hide > 0;
    v.edt_hide = std::to_string(hide);
    v.box_units = static_cast<int>(Read(ini, kUnits));
    v.box_speed = static_cast<int>(Read(ini, kSpeedUnit));
    v.img_language = static_cast<int>(Read(ini, kSpeedLanguage));
    v.edt_float = std::to_string(Read(ini, kDecimals));
    v.hint = HintRadioFor(Read(ini, kTrayHint));
    const int64_t idle = Read(ini, kIdleMinutes);
    v.box_hangup_idle = idle > 0;
    v.edt_idle = std::to_string(idle);
    for (int n = 5; n >= 1; --n) v.levels[n - 1] = LevelKilobytesText(Read(ini, kLevels[n - 1]));
    v.box_showhide = Read(ini, kTrayClick) != 0;
    v.box_ontop = Read(ini, kNotOnTop) == 0;
    v.skinName = Read(ini, kSkinName);
    v.skinNameSelected.clear();
    // A missing opacity shows as opaque here, while the meter draws it at its own default.
    v.bar_opacity = static_cast<int>(OpacityBarPosition(Read(ini, kOpacity, 255)));
    v.box_hover = Read(ini, kHideUnderCursor) != 0;
    // The main window draws its hang-up button unless the value is 0; the box reads as hiding it.
    v.box_hangup = Read(ini, kHangupButton) == 0;
    v.grp_icons = static_cast<int>(Read(ini, kBuiltInIcons));
    const auto defaultIcons = DefaultIconFiles(folder);
    for (size_t i = 0; i < v.iconPaths.size(); ++i) v.iconPaths[i] = ReadText(ini, kIconFiles[i], defaultIcons[i]);
    v.box_animation = Read(ini, kAnimation) != 0;
    v.box_reset = Read(ini, kFullStop) != 0;
    v.edt_skin = Read(ini, kSkinFile);
    v.rad_default = v.edt_skin == kBuiltInName;
    v.box_variations = static_cast<int>(Read(ini, kSkinVariation));
    v.box_shutdown = Read(ini, kHangupAtShutdown) != 0;
    v.box_baloon = Read(ini, kBalloons) != 0;
    v.box_hangup_m = Read(ini, kHangupMonth) != 0;
    v.box_beep_m = Read(ini, kBeepMonth) != 0;
    v.edt_wav_m = Read(ini, kSoundMonth);
    v.box_wav_m = SoundBoxChecked(v.edt_wav_m);
    v.box_hangup_d = Read(ini, kHangupDay) != 0;
    v.box_beep_d = Read(ini, kBeepDay) != 0;
    v.edt_wav_d = Read(ini, kSoundDay);
    v.box_wav_d = SoundBoxChecked(v.edt_wav_d);
    v.edt_wav_o = Read(ini, kSoundConnect);
    v.box_wav_o = SoundBoxChecked(v.edt_wav_o);
    v.edt_wav_x = Read(ini, kSoundDisconnect);
    v.box_wav_x = SoundBoxChecked(v.edt_wav_x);
    v.edt_ignore.clear();
    // The count comes from the file: read as the main program reads it, a damaged one ends the list.
    for (int64_t n = 1; ListGoesOn(n, Read(ini, kIgnoreCount), ini.KeyExists(kIgnoreSection, ItemKey(n))); ++n)
        v.edt_ignore.push_back(ini.ReadString(kIgnoreSection, ItemKey(n), kItemMissing));
    v.box_alt = Read(ini, kOwnPeriod) > 1;
    v.box_control = Read(ini, kPluginsOn) != 0;
    v.box_unlim = Read(ini, kUnlimited) != 0;
    v.box_backup = Read(ini, kBankOn) != 0;
    v.box_remind = Read(ini, kPeriodNotice) != 0;
    v.edt_remind = std::to_string(Read(ini, kWarnDays));
    v.edt_period = std::to_string(Read(ini, kPeriodDays));
    v.edt_next = ReadText(ini, kNextPeriod, today);
    for (int i = 0; i < kCounterFields; ++i) v.counters[i] = Read(ini, kCounterKeys[i]);
    v.countersAtOpening = v.counters;
    v.plugins = ReadPluginRows(plugins);
    v.lst_units = static_cast<int>(Read(ini, kStatisticsUnits));
    v.lst_float = static_cast<int>(Read(ini, kStatisticsDecimals));
    v.box_log_data = Read(ini, kEventLog) != 0;
    // Read with the main program's default, so that a first save on an old file keeps monthly clearing on.
    v.box_log_clear = Read(ini, kClearLogs) != 0;
    v.box_log_traffic = Read(ini, kActivityLog) != 0;
    return v;
}

SettingsValues ReadProgramFolderSettings() {
    const std::string folder = fw::ProgramFolder();
    const IniFileStore data(folder + kSettingsFile), plugins(folder + kPluginListFile);
    return ReadSettingsValues(data, plugins, folder, Today());
}

}  // namespace quon::config
