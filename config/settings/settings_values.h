#pragma once
// What the dialog's controls hold, one field per control (named after it), as ReadSettings takes it from
// data.qif and plugins.qif and SaveSettings writes it back. The dialog keeps no copy between the two:
// the pages fill their controls from it and collect it from them again.
#include <array>
#include <string>
#include <vector>

#include "engine/program_files.h"

namespace quon::config {

// One row of the plug-in list with the lines of the hidden lists beside it.
struct PluginRow {
    std::string file;           // the row caption: the module's file name, also its section
    std::string enabled = "1";  // buf_enabled: "1" or "0"
    std::string event = "1";    // buf_event: the activation code as decimal text
    std::string windowClass;    // buf_class
    std::string desc = "-", author = "-", mail = "-", web = "-";  // buf_desc, buf_author, buf_mail, buf_web
    friend bool operator==(const PluginRow&, const PluginRow&) = default;
};

// The seven statistics fields, in the order they are written.
enum CounterField { kFieldMonthLimit, kFieldDayLimit, kFieldBackup, kFieldMonth, kFieldDay, kFieldUpLimit, kFieldUp, kCounterFields };

struct SettingsValues {
    // General options (page 0).
    bool box_reinit = false;
    std::string edt_x = "200", edt_y = "100";
    bool box_freeze = false;
    bool box_protection = true;
    bool box_notify = true;
    int box_interval = 5;  // item index, -1 without a selection
    int box_method = 0;
    int box_fade = 2;
    bool box_start = true, box_connect = true;
    bool box_disconnect = true;
    std::string edt_hide = "1";
    int box_units = 2, box_speed = 1;
    int img_language = 0;  // its Tag: 0 Russian speed words, else English
    std::string edt_float = "3";
    int hint = 0;          // the checked one of rad_none (0), rad_min, rad_mid, rad_max (3)
    bool box_hangup_idle = false;
    std::string edt_idle = "0";
    std::array<std::string, 5> levels{"1", "2", "3", "4", "5"};  // edt_a .. edt_e, kilobytes
    bool box_showhide = true;
    bool box_ontop = true;

    // Appearance (page 1).
    std::string skinName = "Default, версия 1.0";  // shown in name_used
    std::string skinNameSelected;                  // name_selected without its blank; empty for " -"
    int bar_opacity = 30;                          // the track bar position: 255 - opacity
    bool box_hover = false;
    bool box_hangup = false;                       // hide the hang-up button
    int grp_icons = 1;                             // its Tag: 1 built-in icons, 0 the files
    std::array<std::string, 7> iconPaths;          // Hints of btn_load_o, btn_load_0 .. btn_load_5
    bool box_animation = false, box_reset = true;
    bool rad_default = true;
    std::string edt_skin = kBuiltInName;
    int box_variations = 0;

    // Events (page 2).
    bool box_shutdown = false, box_baloon = true;
    bool box_hangup_m = false, box_beep_m = true, box_wav_m = false;
    std::string edt_wav_m;
    bool box_hangup_d = false, box_beep_d = true, box_wav_d = false;
    std::string edt_wav_d;
    bool box_wav_o = false, box_wav_x = false;
    std::string edt_wav_o, edt_wav_x;
    std::vector<std::string> edt_ignore;

    // Data and statistics (page 3).
    bool box_alt = false;
    bool box_control = false;
    bool box_unlim = false, box_backup = false;
    bool box_remind = true;
    std::string edt_remind = "0", edt_period = "30", edt_next;
    std::array<std::string, kCounterFields> counters;          // the raw texts in the fields' Hints
    std::array<std::string, kCounterFields> countersAtOpening;  // the texts as the dialog read them
    std::vector<PluginRow> plugins;
    int lst_units = 2, lst_float = 3;

    // Logs (page 4).
    bool box_log_data = false, box_log_clear = true, box_log_traffic = false;
};

}  // namespace quon::config
