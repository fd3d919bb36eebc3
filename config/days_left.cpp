#include "config/days_left.h"

#include "framework/ini_file.h"

namespace quon::config {
namespace {

bool PiecesAreIntegers(const std::string& text) {
    for (size_t at : {0u, 3u, 6u})
        if (at >= text.size() || !fw::ParseInteger(text.substr(at, 2))) return false;
    return true;
}

}  // namespace

std::optional<DaysLeftLabel> DaysLeft(const std::string& next, const std::string& period, const std::string& remind,
                                      const CivilDate& today) {
    const std::optional<CivilDate> start = ParseDateText(next);
    const std::optional<int64_t> periodDays = fw::ParseInteger(period);
    const std::optional<int64_t> remindDays = fw::ParseInteger(remind);
    if (!start || !periodDays || !remindDays) return std::nullopt;

    DaysLeftLabel label;
    const int64_t ahead = DayNumber(*start) - DayNumber(today);
    if (ahead >= 0 && ahead <= *periodDays) label.days = ahead;
    if (label.days == 0) {
        label.text = "(СЕГОДНЯ)";
    } else if (label.days > 0) {
        const std::string n = std::to_string(label.days);
        label.text = "(ЧЕРЕЗ  " + n + (n.back() == '1' ? "  СУТКИ)" : "  СУТОК)");
    }
    label.alarm = *remindDays >= label.days;
    return label;
}

std::string RepairedNextDate(const std::string& text, const CivilDate& today) {
    return PiecesAreIntegers(text) ? text : FormatDateText(today);
}

}  // namespace quon::config
