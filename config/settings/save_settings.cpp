#include "config/settings/save_settings.h"

#include "config/settings/conversions.h"
#include "config/settings/read_settings.h"
#include "engine/item_list.h"

namespace quon::config {

using namespace keys;

namespace {

class Writer {
public:
    explicit Writer(SettingsStore& ini) : ini_(ini) {}
    void Text(const std::string& section, const std::string& key, const std::string& value) {
        if (!ini_.WriteString(section, key, value)) throw SaveError("[" + section + "] " + key + " was not written");
    }
    void Text(Key key, const std::string& value) { Text(key.section, key.name, value); }
    void Integer(Key key, int64_t value) { Text(key, std::to_string(value)); }
    void Flag(Key key, bool on) { Integer(key, on ? 1 : 0); }

private:
    SettingsStore& ini_;
};

void SavePluginRows(const std::vector<PluginRow>& rows, Writer& w) {
    w.Integer(kPluginCount, static_cast<int64_t>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const PluginRow& row = rows[i];
        w.Text(kPluginListSection, ItemKey(static_cast<int64_t>(i + 1)), row.file);
        w.Text(row.file, kPluginEnabled, row.enabled);
        w.Text(row.file, kPluginEvents, row.event);
        w.Text(row.file, kPluginClass, row.windowClass);
        w.Text(row.file, kPluginInfo, row.desc);
        w.Text(row.file, kPluginAuthor, row.author);
        w.Text(row.file, kPluginMail, row.mail);
        w.Text(row.file, kPluginWeb, row.web);
    }
}

}  // namespace

SaveOutcome SaveSettingsValues(const SettingsValues& v, int statisticsLock, SettingsStore& data, SettingsStore& plugins) {
    Writer w(data);
    w.Flag(kAutoRestart, v.box_reinit);
    w.Text(kViewX, v.edt_x);
    w.Text(kViewY, v.edt_y);
    w.Flag(kPositionLocked, v.box_freeze);
    w.Flag(kProtection, v.box_protection);
    w.Flag(kRecoveryNotice, v.box_notify);
    if (auto seconds = IntervalSecondsFor(v.box_interval)) w.Integer(kProtectInterval, *seconds);
    w.Integer(kMethod, v.box_method);
    w.Integer(kFade, v.box_fade);
    w.Flag(kShowAtStart, v.box_start);
    w.Flag(kShowOnConnect, v.box_connect);
    w.Text(kHideAfterDisconnect, v.edt_hide);
    w.Integer(kUnits, v.box_units);
    w.Integer(kSpeedUnit, v.box_speed);
    w.Integer(kSpeedLanguage, v.img_language);
    w.Text(kDecimals, v.edt_float);
    w.Integer(kTrayHint, v.hint);
    w.Flag(kTrayClick, v.box_showhide);
    w.Integer(kNotOnTop, v.box_ontop ? 0 : 1);
    w.Text(kIdleMinutes, v.box_hangup_idle ? v.edt_idle : "0");
    for (int n = 1; n <= 5; ++n) {
        // A level that is not a whole number keeps its stored value; the others are written.
        if (auto bytes = LevelBytesFor(v.levels[n - 1]))
            w.Text(kLevels[n - 1], std::to_string(*bytes));
    }
    w.Text(kSkinName, v.skinNameSelected.empty() ? v.skinName : v.skinNameSelected);
    w.Integer(kOpacity, OpacityFor(v.bar_opacity));
    w.Flag(kHideUnderCursor, v.box_hover);
    w.Integer(kHangupButton, v.box_hangup ? 0 : 1);
    w.Integer(kBuiltInIcons, v.grp_icons);
    for (size_t i = 0; i < v.iconPaths.size(); ++i) w.Text(kIconFiles[i], v.iconPaths[i]);
    w.Flag(kAnimation, v.box_animation);
    w.Flag(kFullStop, v.box_reset);
    w.Text(kSkinFile, v.rad_default ? kBuiltInName : v.edt_skin);
    w.Integer(kSkinVariation, v.box_variations);
    w.Flag(kHangupMonth, v.box_hangup_m);
    w.Flag(kBeepMonth, v.box_beep_m);
    w.Text(kSoundMonth, v.edt_wav_m);
    w.Flag(kHangupDay, v.box_hangup_d);
    w.Flag(kBeepDay, v.box_beep_d);
    w.Text(kSoundDay, v.edt_wav_d);
    w.Text(kSoundConnect, v.edt_wav_o);
    w.Text(kSoundDisconnect, v.edt_wav_x);
    w.Flag(kHangupAtShutdown, v.box_shutdown);
    w.Flag(kBalloons, v.box_baloon);
    for (size_t n = 1; n <= v.edt_ignore.size(); ++n)
        w.Text(kIgnoreSection, ItemKey(static_cast<int64_t>(n)), v.edt_ignore[n - 1]);
    w.Integer(kIgnoreCount, static_cast<int64_t>(v.edt_ignore.size()));
    w.Integer(kOwnPeriod, v.box_alt ? 88 : 0);
    w.Flag(kPluginsOn, v.box_control);
    w.Flag(kUnlimited, v.box_unlim);
    w.Flag(kBankOn, v.box_backup);
    w.Flag(kPeriodNotice, v.box_remind);
    w.Text(kWarnDays, v.edt_remind);
    w.Text(kPeriodDays, v.edt_period);
    w.Text(kNextPeriod, v.edt_next);
    if (v.box_alt) {
        if (auto remind = RemindDateFor(v.edt_next, v.edt_remind)) w.Text(kRemindDate, *remind);
    }
    if (statisticsLock == 0) {
        for (int i = 0; i < kCounterFields; ++i)
            if (v.counters[i] != v.countersAtOpening[i]) w.Text(kCounterKeys[i], v.counters[i]);
    }
    w.Integer(kStatisticsUnits, v.lst_units);
    w.Integer(kStatisticsDecimals, v.lst_float);

    // The plug-in list has a guard of its own: a list that cannot be written skips only its own writes.
    SaveOutcome outcome;
    try {
        Writer list(plugins);
        SavePluginRows(v.plugins, list);
    } catch (...) {
        outcome.pluginListSaved = false;
    }

    w.Flag(kEventLog, v.box_log_data);
    w.Flag(kClearLogs, v.box_log_clear);
    w.Flag(kActivityLog, v.box_log_traffic);
    return outcome;
}

}  // namespace quon::config
