#include "engine/settings_file.h"

#include <algorithm>

#include "engine/byte_format.h"
#include "engine/item_list.h"
#include "engine/settings_keys.h"
#include "engine/value_forms.h"
#include "framework/program_folder.h"
#include "framework/text.h"

namespace quon {

std::string SettingsPath() { return fw::ProgramFolder() + "data.qif"; }

double ReadCounter(const fw::IniFile& ini, const char* key, const char* def) {
    std::string text = ini.ReadString(keys::kBytes, key, def);
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
    using namespace keys;
    auto integer = [&](Key key, int64_t def) { return ini.ReadInteger(key.section, key.name, def); };
    auto text = [&](Key key, const char* def) { return ini.ReadString(key.section, key.name, def); };
    o.ignoreList.clear();
    for (int64_t i = 1; ListHasEntry(ini, kIgnoreSection, i); ++i)
        o.ignoreList.push_back(ini.ReadString(kIgnoreSection, ItemKey(i), "NULL"));
    o.viewY = integer(kViewY, 100);
    o.viewX = integer(kViewX, 200);
    o.opacity = integer(kOpacity, 225);
    o.positionLocked = integer(kPositionLocked, 0) != 0;
    o.trayClick = integer(kTrayClick, 1);
    o.activityLogOn = integer(kActivityLog, 0) != 0;
    o.eventLogOn = integer(kEventLog, 0) != 0;
    o.protectionOn = integer(kProtection, 1) != 0;
    o.englishSpeedWords = integer(kSpeedLanguage, 0) != 0;
    o.method = integer(kMethod, 0);
    o.units = integer(kUnits, 2);
    o.speedUnit = integer(kSpeedUnit, 1);
    o.bankOn = integer(kBankOn, 0) != 0;
    o.decimals = o.units == 0 ? 0 : std::clamp<int64_t>(integer(kDecimals, 3), 0, kMostDecimals);
    o.fadeStep = FadeStepFor(integer(kFade, 2));

    Counters& c = o.counters;
    c.day = ReadCounter(ini, kDay.name, "0");
    c.daylim = ReadCounter(ini, kDayLimit.name, "1048576");
    c.monthlim = ReadCounter(ini, kMonthLimit.name, "31457280");
    c.month = ReadCounter(ini, kMonth.name, "0");
    c.uplim = ReadCounter(ini, kUpLimit.name, "0");
    c.up = ReadCounter(ini, kUp.name, "0");
    c.backup = ReadCounter(ini, kBackup.name, "0");

    static const int64_t kLevelDefaults[5] = {1024, 2048, 3072, 4096, 5120};
    for (int k = 0; k < 5; ++k)
        o.levels[k] = ini.ReadInteger(kBytes, kLevelPrefix + std::to_string(k + 1), kLevelDefaults[k]);
    o.animationOn = integer(kAnimation, 0) != 0;
    o.fullStopOn = integer(kFullStop, 1) != 0;
    int64_t hint = integer(kTrayHint, 0);
    o.hintMode = hint >= 3 ? 3 : hint <= 0 ? 0 : hint;
    o.balloonsOn = integer(kBalloons, 1) != 0;
    o.hideHangupButton = integer(kHangupButton, 1) == 0;
    o.hangupAtShutdown = integer(kHangupAtShutdown, 0) != 0;
    o.idleMinutes = integer(kIdleMinutes, 0);
    o.hideUnderCursor = integer(kHideUnderCursor, 0) != 0;
    o.pluginsOn = integer(kPluginsOn, 0) != 0;
    o.tickIntervalMs = ClampIntervalMs(integer(kTickInterval, 1) * 1000);
    o.protectIntervalMs = ClampIntervalMs(integer(kProtectInterval, 60) * 999);
    o.skinFile = text(kSkinFile, "Default");
    o.skinVariation = integer(kSkinVariation, 0);
    o.iconSetName = integer(kBuiltInIcons, 1) != 0 ? "Default" : "Custom";
    o.trayHidden = fw::ToLower1251(text(kTrayVisible, "ok")) == "off";
}

}  // namespace quon
