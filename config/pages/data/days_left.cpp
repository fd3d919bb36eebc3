#include "config/pages/data/days_left.h"

#include "controls/date_util.h"
#include "framework/ini_file.h"

namespace quon::config {
namespace {

bool PiecesAreIntegers(const std::string& text) {
    for (size_t at : {0u, 3u, 6u})
        if (at >= text.size() || !fw::ParseInteger(text.substr(at, 2))) return false;
    return true;
}

// The date the field's text reads as ("01. 3.26", " 1. 3.25" as typed through the mask), if any.
std::optional<CivilDate> TypedDate(const std::string& text, int currentYear) {
    controls::DateLocale locale;
    locale.separator = '.';
    locale.shortFormat = "dd.MM.yy";
    controls::DateValue value = controls::kNullDate;
    int year = 0, month = 0, day = 0;
    if (!controls::TryTextToDate("DD/MM/YY", text, locale, currentYear, value) || value == controls::kNullDate ||
        !controls::DecodeDate(value, year, month, day) || year < 2000 || year > 2099)
        return std::nullopt;
    return CivilDate{year, month, day};
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
    if (const std::optional<CivilDate> typed = TypedDate(text, today.year)) return FormatDateText(*typed);
    return PiecesAreIntegers(text) ? text : FormatDateText(today);
}

}  // namespace quon::config
