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
    o.ignoreList.clear();
    for (int64_t i = 1; ListHasEntry(ini, kIgnoreSection, i); ++i)
        o.ignoreList.push_back(ini.ReadString(kIgnoreSection, ItemKey(i), kItemMissing));
    o.viewY = Read(ini, kViewY);
    o.viewX = Read(ini, kViewX);
    o.opacity = Read(ini, kOpacity);
    o.positionLocked = Read(ini, kPositionLocked) != 0;
    o.trayClick = Read(ini, kTrayClick);
    o.activityLogOn = Read(ini, kActivityLog) != 0;
    o.eventLogOn = Read(ini, kEventLog) != 0;
    o.protectionOn = Read(ini, kProtection) != 0;
    o.englishSpeedWords = Read(ini, kSpeedLanguage) != 0;
    o.method = Read(ini, kMethod);
    o.units = Read(ini, kUnits);
    o.speedUnit = Read(ini, kSpeedUnit);
    o.bankOn = Read(ini, kBankOn) != 0;
    o.decimals = o.units == 0 ? 0 : std::clamp<int64_t>(Read(ini, kDecimals), 0, kMostDecimals);
    o.fadeStep = FadeStepFor(Read(ini, kFade));

    Counters& c = o.counters;
    c.day = ReadCounter(ini, kDay);
    c.daylim = ReadCounter(ini, kDayLimit);
    c.monthlim = ReadCounter(ini, kMonthLimit);
    c.month = ReadCounter(ini, kMonth);
    c.uplim = ReadCounter(ini, kUpLimit);
    c.up = ReadCounter(ini, kUp);
    c.backup = ReadCounter(ini, kBackup);

    for (int k = 0; k < 5; ++k) o.levels[k] = Read(ini, kLevels[k]);
    o.animationOn = Read(ini, kAnimation) != 0;
    o.fullStopOn = Read(ini, kFullStop) != 0;
    int64_t hint = Read(ini, kTrayHint);
    o.hintMode = hint >= 3 ? 3 : hint <= 0 ? 0 : hint;
    o.balloonsOn = Read(ini, kBalloons) != 0;
    o.hideHangupButton = Read(ini, kHangupButton) == 0;
    o.hangupAtShutdown = Read(ini, kHangupAtShutdown) != 0;
    o.idleMinutes = Read(ini, kIdleMinutes);
    o.hideUnderCursor = Read(ini, kHideUnderCursor) != 0;
    o.pluginsOn = Read(ini, kPluginsOn) != 0;
    o.tickIntervalMs = ClampIntervalMs(Read(ini, kTickInterval) * 1000);
    o.protectIntervalMs = ClampIntervalMs(Read(ini, kProtectInterval) * 999);
    o.skinFile = Read(ini, kSkinFile);
    o.skinVariation = Read(ini, kSkinVariation);
    o.iconSetName = Read(ini, kBuiltInIcons) != 0 ? kBuiltInName : kCustomIconSetName;
    o.trayHidden = fw::ToLower1251(Read(ini, kTrayVisible)) == "off";
}

}  // namespace quon
