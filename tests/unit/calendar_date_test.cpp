#include "engine/calendar_date.h"

#include <gtest/gtest.h>

namespace quon {
namespace {

TEST(CompareDates, OrdersByYearThenMonthThenDayAndRejectsNonNumbers) {
    struct Case { const char* first; const char* second; int expected; };
    const Case cases[] = {
        {"20.04.07", "20.04.07", 0},  {"21.04.07", "20.04.07", 1},   {"19.04.07", "20.04.07", -1},
        {"01.05.07", "31.04.07", 1},  {"31.12.07", "01.01.08", -1},  {"01.01.08", "31.12.07", 1},
        {"15.03.07", "14.04.07", -1}, {"31.04.07", "30.04.07", 1},   // the key needs no real day
        {"aa.04.07", "20.04.07", -2}, {"20.04.07", "20.0x.07", -2},  {"20.04.07", "20.04", -2},
        {"", "20.04.07", -2},         {"20.04.07", "-1", -2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompareDates(c.first, c.second), c.expected) << c.first << " vs " << c.second;
}

TEST(CalendarDate, AddsDaysAcrossMonthsYearsAndLeapDays) {
    struct Case { CivilDate from; int64_t days; const char* expected; };
    const Case cases[] = {
        {{2007, 3, 15}, 30, "14.04.07"}, {{2007, 2, 28}, 1, "01.03.07"},  {{2008, 2, 28}, 1, "29.02.08"},
        {{2008, 2, 29}, 1, "01.03.08"},  {{2000, 3, 1}, -1, "29.02.00"},   {{2007, 12, 31}, 1, "01.01.08"},
        {{2008, 1, 1}, -1, "31.12.07"},  {{2007, 4, 20}, 30, "20.05.07"},  {{2008, 1, 1}, 366, "01.01.09"},
        {{2007, 1, 1}, 365, "01.01.08"}, {{2099, 12, 31}, 1, "01.01.00"},  // the two-digit year wraps
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDateText(AddDays(c.from, c.days)), c.expected) << c.expected;
    EXPECT_EQ(AddDays({2100, 2, 28}, 1), (CivilDate{2100, 3, 1}));  // a century that is not a leap year
    for (int64_t n = DayNumber({1999, 1, 1}); n < DayNumber({2101, 1, 1}); ++n)
        ASSERT_EQ(DayNumber(FromDayNumber(n)), n);
    EXPECT_EQ(DayNumber({1970, 1, 1}), 0);
}

TEST(CalendarDate, ParsesOnlyRealCalendarDays) {
    struct Case { const char* text; std::optional<CivilDate> expected; };
    const Case cases[] = {
        {"15.03.07", CivilDate{2007, 3, 15}}, {"29.02.08", CivilDate{2008, 2, 29}},
        {"29.02.00", CivilDate{2000, 2, 29}}, {"31.12.99", CivilDate{2099, 12, 31}},
        {"01.01.00", CivilDate{2000, 1, 1}},  {"30.04.07", CivilDate{2007, 4, 30}},
        {"31.04.07", std::nullopt}, {"29.02.07", std::nullopt}, {"00.01.07", std::nullopt},
        {"10.13.07", std::nullopt}, {"10.00.07", std::nullopt}, {"ab.cd.ef", std::nullopt},
        {"15.03", std::nullopt},    {"", std::nullopt},         {"-1.03.07", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseDateText(c.text), c.expected) << "'" << c.text << "'";
}

}  // namespace
}  // namespace quon
