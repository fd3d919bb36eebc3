#include "config/settings/conversions.h"

#include "engine/calendar_date.h"
#include "engine/plugin_list.h"
#include "framework/ini_file.h"

namespace quon::config {

int IntervalIndexFor(int64_t seconds) {
    if (seconds <= 1) return 0;
    if (seconds >= 60) return 5;
    switch (seconds) {
        case 5: return 1;
        case 10: return 2;
        case 15: return 3;
        case 30: return 4;
        default: return -1;
    }
}

std::optional<int64_t> IntervalSecondsFor(int index) {
    static const int64_t kSeconds[] = {1, 5, 10, 15, 30};
    if (index < 0) return std::nullopt;
    return index < 5 ? kSeconds[index] : 60;
}

int HintRadioFor(int64_t hint) {
    if (hint >= 3) return 3;
    if (hint <= 0) return 0;
    return static_cast<int>(hint);
}

std::string LevelKilobytesText(int64_t bytes) { return std::to_string(bytes / 1024); }

std::optional<int64_t> LevelBytesFor(const std::string& text) {
    auto kilobytes = fw::ParseInteger(text);
    if (!kilobytes || *kilobytes > INT32_MAX || *kilobytes < INT32_MIN) return std::nullopt;
    return *kilobytes * 1024;
}

int64_t OpacityBarPosition(int64_t opacity) { return 255 - opacity; }
int64_t OpacityFor(int64_t barPosition) { return 255 - barPosition; }

bool SoundBoxChecked(const std::string& path) { return path.size() > 3; }

std::string VersionLabel(int version) {
    const std::string s = std::to_string(version);
    if (s.size() != 4) return "2.0~";
    std::string label = s.substr(0, 1) + "." + std::to_string(std::stoi(s.substr(1, 2)));
    if (s[3] != '0') label += std::string(".") + s[3];
    return label;
}

int StatisticsLock(const char* state) {
    if (!state) return -1;
    const std::string text = state;
    if (text == "0") return 0;
    if (text == "1") return 1;
    return -1;
}

std::optional<std::string> RemindDateFor(const std::string& nextPeriod, const std::string& warnDays) {
    auto next = ParseDateText(nextPeriod);
    auto days = fw::ParseInteger(warnDays);
    if (!next || !days || *days > 100000 || *days < -100000) return std::nullopt;
    return FormatDateText(AddDays(*next, -*days));
}

bool PluginEnabled(const std::string& text) {
    auto value = fw::ParseInteger(text);
    return !value || *value != 0;
}

std::string ActivationText(int64_t code) {
    switch (code) {
        case paAlways: return "ВСЕГДА";
        case paStart: return "ПРИ  ЗАПУСКЕ";
        case paConnect: return "ВХОД  В  СЕТЬ";
        case paDisconnect: return "ВЬIХОД  ИЗ  СЕТИ";
        case paConnectAndDisconnect: return "ВХОД и ВЬIХОД";
        case paOnRequest: return "ПО  ЗАПРОСУ";
        default: return "-";
    }
}

}  // namespace quon::config
