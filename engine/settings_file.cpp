#include "engine/settings_file.h"

#include <algorithm>

#include "engine/byte_format.h"
#include "engine/item_list.h"
#include "engine/value_forms.h"
#include "framework/program_folder.h"
#include "framework/text.h"

namespace quon {

std::string SettingsPath() { return fw::ProgramFolder() + "data.qif"; }

double ReadCounter(const fw::IniFile& ini, const char* key, const char* def) {
    std::string text = ini.ReadString("bytes", key, def);
    auto value = ParseCounter(text);
    if (!value) throw SettingsError(std::string("[bytes] ") + key + " is not a number: " + text);
    return *value;
}

int FadeStepFor(int64_t fade) {
    if (fade <= 0) return 1;
    switch (fade) {
        case 1: return 3;
        case 2: return 5;
        case 3: return 10;
        case 4: return 25;
        case 5: return 50;
        default: return 100;
    }
}

unsigned ClampIntervalMs(int64_t ms) {
    uint64_t u = static_cast<uint64_t>(ms);
    if (u < 1000) return 1000;
    if (u > 60000) return 60000;
    return static_cast<unsigned>(u);
}

void ReadOptions(const fw::IniFile& ini, Options& o) {
    o.ignoreList.clear();
    for (int64_t i = 1; ListHasEntry(ini, "ignore", i); ++i)
        o.ignoreList.push_back(ini.ReadString("ignore", ItemKey(i), "NULL"));
    o.viewY = ini.ReadInteger("view", "y", 100);
    o.viewX = ini.ReadInteger("view", "x", 200);
    o.opacity = ini.ReadInteger("view", "o", 225);
    o.positionLocked = ini.ReadInteger("view", "fix", 0) != 0;
    o.trayClick = ini.ReadInteger("visibility", "click", 1);
    o.activityLogOn = ini.ReadInteger("log", "traffic", 0) != 0;
    o.eventLogOn = ini.ReadInteger("log", "data", 0) != 0;
    o.protectionOn = ini.ReadInteger("data", "protection", 1) != 0;
    o.englishSpeedWords = ini.ReadInteger("data", "language", 0) != 0;
    o.method = ini.ReadInteger("data", "method", 0);
    o.units = ini.ReadInteger("data", "units", 2);
    o.speedUnit = ini.ReadInteger("data", "speed", 1);
    o.bankOn = ini.ReadInteger("data", "backup", 0) != 0;
    o.decimals = o.units == 0 ? 0 : std::clamp<int64_t>(ini.ReadInteger("bytes", "float", 3), 0, kMostDecimals);
    o.fadeStep = FadeStepFor(ini.ReadInteger("visibility", "fade", 2));

    Counters& c = o.counters;
    c.day = ReadCounter(ini, "day", "0");
    c.daylim = ReadCounter(ini, "daylim", "1048576");
    c.monthlim = ReadCounter(ini, "monthlim", "31457280");
    c.month = ReadCounter(ini, "month", "0");
    c.uplim = ReadCounter(ini, "uplim", "0");
    c.up = ReadCounter(ini, "up", "0");
    c.backup = ReadCounter(ini, "backup", "0");

    static const int64_t kLevelDefaults[5] = {1024, 2048, 3072, 4096, 5120};
    for (int k = 0; k < 5; ++k)
        o.levels[k] = ini.ReadInteger("bytes", "level_" + std::to_string(k + 1), kLevelDefaults[k]);
    o.animationOn = ini.ReadInteger("skin", "animation", 0) != 0;
    o.fullStopOn = ini.ReadInteger("skin", "fullstop", 1) != 0;
    int64_t hint = ini.ReadInteger("events", "hint", 0);
    o.hintMode = hint >= 3 ? 3 : hint <= 0 ? 0 : hint;
    o.balloonsOn = ini.ReadInteger("events", "balloon", 1) != 0;
    o.hideHangupButton = ini.ReadInteger("skin", "hangup", 1) == 0;
    o.hangupAtShutdown = ini.ReadInteger("events", "shutdown", 0) != 0;
    o.idleMinutes = ini.ReadInteger("events", "hangup", 0);
    o.hideUnderCursor = ini.ReadInteger("visibility", "over", 0) != 0;
    o.pluginsOn = ini.ReadInteger("visibility", "plugins", 0) != 0;
    o.tickIntervalMs = ClampIntervalMs(ini.ReadInteger("events", "interval", 1) * 1000);
    o.protectIntervalMs = ClampIntervalMs(ini.ReadInteger("reset", "interval", 60) * 999);
    o.skinFile = ini.ReadString("skin", "file", "Default");
    o.skinVariation = ini.ReadInteger("skin", "variation", 0);
    o.iconSetName = ini.ReadInteger("skin", "icons", 1) != 0 ? "Default" : "Custom";
    o.trayHidden = fw::ToLower1251(ini.ReadString("visibility", "tray", "ok")) == "off";
}

}  // namespace quon
