#include "controls/calendar_model.h"

#include <cmath>

namespace controls {

int DayOfWeekOf(DateValue date) {
    long long n = static_cast<long long>(std::floor(date));
    return static_cast<int>((((n - 1) % 7) + 7) % 7);
}

MonthGrid MonthGrid::Of(DateValue date, int startOfWeek) {
    MonthGrid g;
    int d;
    if (!DecodeDate(ClampDate(date), g.year, g.month, d)) return g;
    DateValue first;
    EncodeDate(g.year, g.month, 1, first);
    // a counts from 1 for a month beginning on the first day of the week, 0 for one beginning on the last.
    int a = (DayOfWeekOf(first) + 1 - startOfWeek + 7) % 7;
    g.offset = a == 0 ? -5 : 2 - a;
    g.days = MonthLength(g.year, g.month);
    return g;
}

int MonthGrid::DayAt(int column, int row) const {
    if (row < 1 || column < 0 || column > 6) return 0;
    int n = column + offset + 7 * (row - 1);
    return (n >= 1 && n <= days) ? n : 0;
}

void MonthGrid::CellOf(int day, int& column, int& row) const {
    int k = day - offset;
    column = ((k % 7) + 7) % 7;
    row = (k - column) / 7 + 1;
}

bool IsWeekendColumn(int column, int startOfWeek, uint8_t weekends) {
    return (weekends >> ((column + startOfWeek) % 7)) & 1;
}

DateValue ClampDate(DateValue date) {
    if (!(date >= FirstDate())) return FirstDate();
    if (date > LastDate()) return LastDate();
    return std::floor(date);
}

DateValue ShiftMonth(DateValue date, int step) {
    int y, m, d;
    if (!DecodeDate(ClampDate(date), y, m, d)) return date;
    m += step;
    while (m < 1) { m += 12; --y; }
    while (m > 12) { m -= 12; ++y; }
    if (y < 1 || y > 9999) return ClampDate(date);
    if (d > MonthLength(y, m)) d = MonthLength(y, m);
    DateValue out = date;
    EncodeDate(y, m, d, out);
    return out;
}

DateValue ShiftYear(DateValue date, int step) { return ShiftMonth(date, 12 * step); }

DateValue WithDay(DateValue date, int day) {
    int y, m, d;
    DateValue out = date;
    if (DecodeDate(date, y, m, d)) EncodeDate(y, m, day, out);
    return out;
}

DateValue MoveByKey(DateValue date, CalendarKey key) {
    switch (key) {
        case CalendarKey::Left: return ClampDate(date - 1);
        case CalendarKey::Right: return ClampDate(date + 1);
        case CalendarKey::Up: return ClampDate(date - 7);
        case CalendarKey::Down: return ClampDate(date + 7);
        case CalendarKey::PageUp: return ShiftMonth(date, -1);
        case CalendarKey::PageDown: return ShiftMonth(date, 1);
        case CalendarKey::CtrlPageUp: return ShiftYear(date, -1);
        case CalendarKey::CtrlPageDown: return ShiftYear(date, 1);
        default: return date;
    }
}

}  // namespace controls
