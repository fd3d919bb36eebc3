#include "engine/tray_texts.h"

#include <cmath>

#include "engine/byte_format.h"
#include "engine/product.h"

namespace quon {
namespace {

constexpr double kMegabyte = 1048576;
constexpr const char* kTitle = kProductName;

std::string WholeText(double value) { return std::to_string(static_cast<int64_t>(std::trunc(value))); }

std::string Megabytes(double bytes) { return WholeText(bytes / kMegabyte); }
std::string GroupedMegabytes(double bytes) { return FormatGrouped(std::trunc(bytes / kMegabyte)); }

// The bytes of this tick in the speed unit of the settings.
std::string TickSpeedText(const EngineState& eng, int64_t speedUnit) {
    const int64_t v = static_cast<int64_t>(std::trunc(eng.connIn - eng.prevIn));
    struct Unit { int64_t multiplier, divisor; const char* word; };
    static const Unit kUnits[] = {
        {1, 1, " б/сек"}, {1, 1024, " Кб/сек"}, {1, 1048576, " Мб/сек"},
        {8, 1, " бит/сек"}, {8, 1024, " Кбит/сек"}, {8, 1048576, " Мбит/сек"},
    };
    if (speedUnit < 0 || speedUnit > 5) return "";
    const Unit& u = kUnits[speedUnit];
    return std::to_string(v * u.multiplier / u.divisor) + u.word;
}

std::string DetailedTooltip(const EngineState& eng, const Options& opt) {
    const Counters& c = opt.counters;
    const double r = eng.polledOnline ? NotYetStored(eng).in : 0;  // offline the connection is in the counters already
    std::string t = std::string(kTitle) + "\n(статистика)\n\n";
    t += "Сеанс: " + Megabytes(eng.connIn) + " Мб\n";
    t += "День: " + Megabytes(r + c.day) + " Мб\n";
    t += "Месяц: " + Megabytes(r + c.month) + " Мб\n";
    if (c.monthlim > 1) t += "Осталось: " + Megabytes(c.monthlim - (r + c.month)) + " Мб\n";
    t += "Скорость: " + TickSpeedText(eng, opt.speedUnit);
    return t;
}

}  // namespace

std::string TrayTooltipText(int64_t hintMode, const EngineState& eng, const Options& opt) {
    switch (hintMode) {
        case 0:
            return kTitle;
        case 1:
            return eng.polledOnline ? std::string(kTitle) + "\nонлайн (" + eng.entryName + ")"
                                    : std::string(kTitle) + "\nоффлайн";
        case 2:
            return DetailedTooltip(eng, opt);
        default:
            return "";
    }
}

std::string ExtendedBalloonText(const EngineState& eng, const Options& opt, const DisplayTexts& texts) {
    const Counters& c = opt.counters;
    const bool online = eng.countedOnline;
    const ConnectionTotals open = NotYetStored(eng);
    const double day = online ? c.day + open.in : c.day;
    const double period = online ? c.month + open.in : c.month;
    const double up = online ? c.up + open.out : c.up;

    std::string t = "входящий:\n за сеанс: " + GroupedMegabytes(eng.connIn) + " Мб\n за день: " +
                    GroupedMegabytes(day) + " Мб\n за месяц: " + GroupedMegabytes(period);
    if (c.monthlim > 1) t += " Мб\n осталось: " + GroupedMegabytes(c.monthlim - period);
    t += " Мб\n";
    if (online) t += " скорость: " + texts.speed + "\n";
    t += "\nисходящий:\n за сеанс: " + GroupedMegabytes(eng.connOut) + " Мб\n за месяц: " + GroupedMegabytes(up);
    if (c.uplim > 1) t += " Мб\n осталось: " + GroupedMegabytes(c.uplim - up);
    t += " Мб\n";
    if (online) t += " скорость: " + texts.upload + "\n";
    t += online ? "\nонлайн:\n " + eng.entryName : std::string("\nоффлайн");
    return t;
}

std::string BalloonLengthText(const std::string& text) {
    if (text.size() < 256) return text;
    return text.substr(0, 254) + "…";
}

}  // namespace quon
