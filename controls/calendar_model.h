#pragma once
// The month grid of the calendar: seven columns from the first day of the week, a row of weekday names
// and six week rows, and the moves between days, months and years (never past 1.1.0001..31.12.9999).
#include <cstdint>

#include "controls/date_util.h"

namespace controls {

int DayOfWeekOf(DateValue date);  // 0 = Sunday .. 6 = Saturday

struct MonthGrid {
    int year = 0, month = 0;
    int offset = 0;  // the day in a cell is column + offset + 7 * (row - 1); row 0 holds the weekday names
    int days = 0;

    static MonthGrid Of(DateValue date, int startOfWeek);
    int DayAt(int column, int row) const;  // 0 for the weekday row and cells outside the month
    void CellOf(int day, int& column, int& row) const;
};

bool IsWeekendColumn(int column, int startOfWeek, uint8_t weekends);  // weekends: bit n for day n (Sunday 0)

DateValue ClampDate(DateValue date);
DateValue ShiftMonth(DateValue date, int step);  // the same day, or the last one of a shorter month
DateValue ShiftYear(DateValue date, int step);   // 29 February becomes the 28th first
DateValue WithDay(DateValue date, int day);      // unchanged when the month has no such day

enum class CalendarKey { None, Left, Right, Up, Down, PageUp, PageDown, CtrlPageUp, CtrlPageDown };
// The date after a key: Left and Right a day (across months), Up and Down a week, PageUp and PageDown a
// month, with Ctrl a year.
DateValue MoveByKey(DateValue date, CalendarKey key);

}  // namespace controls
