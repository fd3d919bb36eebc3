#include "engine/settings_file.h"

#include <algorithm>

#include "engine/byte_format.h"
#include "engine/item_list.h"
#include "engine/program_files.h"
#include "engine/settings_keys.h"
#include "engine/value_forms.h"
#include "framework/program_folder.h"
#include "framework/text.h"

namespace quon {

std::string SettingsPath() { return fw::ProgramFolder() + kSettingsFile; }

double ReadCounter(const fw::IniFile& ini, const keys::TextKey& key) {
    std::string text = keys::Read(ini, key);
    auto value = ParseCounter(text);
    if (!value) throw SettingsError(std::string("[") + key.section + "] " + key.name + " is not a number: " + text);
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
    auto integer = [&](const IntKey& key) { return Read(ini, key); };
    o.ignoreList.clear();
    for (int64_t i = 1; ListHasEntry(ini, kIgnoreSection, i); ++i)
        o.ignoreList.push_back(ini.ReadString(kIgnoreSection, ItemKey(i), kItemMissing));
    o.viewY = integer(kViewY);
    o.viewX = integer(kViewX);
    o.opacity = integer(kOpacity);
    o.positionLocked = integer(kPositionLocked) != 0;
    o.trayClick = integer(kTrayClick);
    o.activityLogOn = integer(kActivityLog) != 0;
    o.eventLogOn = integer(kEventLog) != 0;
    o.protectionOn = integer(kProtection) != 0;
    o.englishSpeedWords = integer(kSpeedLanguage) != 0;
    o.method = integer(kMethod);
    o.units = integer(kUnits);
    o.speedUnit = integer(kSpeedUnit);
    o.bankOn = integer(kBankOn) != 0;
    o.decimals = o.units == 0 ? 0 : std::clamp<int64_t>(integer(kDecimals), 0, kMostDecimals);
    o.fadeStep = FadeStepFor(integer(kFade));

    Counters& c = o.counters;
    c.day = ReadCounter(ini, kDay);
    c.daylim = ReadCounter(ini, kDayLimit);
    c.monthlim = ReadCounter(ini, kMonthLimit);
    c.month = ReadCounter(ini, kMonth);
    c.uplim = ReadCounter(ini, kUpLimit);
    c.up = ReadCounter(ini, kUp);
    c.backup = ReadCounter(ini, kBackup);

    for (int k = 0; k < 5; ++k) o.levels[k] = integer(kLevels[k]);
    o.animationOn = integer(kAnimation) != 0;
    o.fullStopOn = integer(kFullStop) != 0;
    int64_t hint = integer(kTrayHint);
    o.hintMode = hint >= 3 ? 3 : hint <= 0 ? 0 : hint;
    o.balloonsOn = integer(kBalloons) != 0;
    o.hideHangupButton = integer(kHangupButton) == 0;
    o.hangupAtShutdown = integer(kHangupAtShutdown) != 0;
    o.idleMinutes = integer(kIdleMinutes);
    o.hideUnderCursor = integer(kHideUnderCursor) != 0;
    o.pluginsOn = integer(kPluginsOn) != 0;
    o.tickIntervalMs = ClampIntervalMs(integer(kTickInterval) * 1000);
    o.protectIntervalMs = ClampIntervalMs(integer(kProtectInterval) * 999);
    o.skinFile = Read(ini, kSkinFile);
    o.skinVariation = integer(kSkinVariation);
    o.iconSetName = integer(kBuiltInIcons) != 0 ? kBuiltInName : kCustomIconSetName;
    o.trayHidden = fw::ToLower1251(Read(ini, kTrayVisible)) == "off";
}

}  // namespace quon
