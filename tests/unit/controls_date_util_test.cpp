#include "controls/date_util.h"

#include <gtest/gtest.h>

#include "controls/edit_mask.h"

namespace controls {
namespace {

DateValue Date(int y, int m, int d) {
    DateValue v = kNullDate;
    EXPECT_TRUE(EncodeDate(y, m, d, v)) << y << "-" << m << "-" << d;
    return v;
}

TEST(ControlDates, EncodesTheDayCountAndDecodesItBackOverTheWholeRange) {
    struct Case { int y, m, d; double value; };
    const Case cases[] = {{1899, 12, 30, 0}, {1900, 1, 1, 2}, {2000, 1, 1, 36526}, {1899, 12, 29, -1}};
    for (const Case& c : cases) EXPECT_EQ(Date(c.y, c.m, c.d), c.value);
    for (DateValue v : {FirstDate(), LastDate(), Date(2004, 2, 29), Date(1600, 3, 1), Date(2100, 3, 1)}) {
        int y, m, d;
        ASSERT_TRUE(DecodeDate(v, y, m, d));
        EXPECT_EQ(Date(y, m, d), v);
    }
    int y, m, d;
    ASSERT_TRUE(DecodeDate(FirstDate(), y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 10101);
    ASSERT_TRUE(DecodeDate(LastDate(), y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 99991231);
    EXPECT_FALSE(ValidDateValue(FirstDate() - 1));
    EXPECT_FALSE(ValidDateValue(LastDate() + 1));
}

TEST(ControlDates, ValidityLeapYearsAndMonthLengthsStayInsideTheTable) {
    struct Case { int y, m, d; bool valid; };
    const Case cases[] = {
        {2004, 2, 29, true}, {2005, 2, 29, false}, {1900, 2, 29, false}, {2000, 2, 29, true},
        {2005, 2, 31, false}, {2005, 12, 31, true}, {2005, 13, 1, false}, {2005, 0, 1, false},
        {0, 1, 1, false}, {-1, 1, 1, false}, {10000, 1, 1, false}, {9999, 12, 31, true}, {2005, 1, 0, false},
    };
    for (const Case& c : cases) EXPECT_EQ(ValidDateParts(c.y, c.m, c.d), c.valid) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(MonthLength(2005, 0), 0);
    EXPECT_EQ(MonthLength(2005, 13), 0);
    EXPECT_EQ(MonthLength(2005, -7), 0);
    EXPECT_EQ(MonthLength(2004, 2), 29);
}

TEST(ControlDates, DateOrderCanonicalFormatsAndMasks) {
    struct Order { const char* format; DateOrder order; };
    const Order orders[] = {{"dd.MM.yyyy", kDayMonthYear}, {"M/d/yy", kMonthDayYear}, {"yyyy-MM-dd", kYearMonthDay},
                            {"--", kDayMonthYear}, {"", kDayMonthYear}, {"'x'Y.M.D", kYearMonthDay}};
    for (const Order& c : orders) EXPECT_EQ(DateOrderOfFormat(c.format), c.order) << c.format;

    struct Canon { DateOrder order; bool four; const char* format; const char* mask; };
    const Canon canon[] = {
        {kMonthDayYear, true, "MM/DD/YYYY", "!99/99/9999;1;_"}, {kDayMonthYear, true, "DD/MM/YYYY", "!99/99/9999;1;_"},
        {kYearMonthDay, true, "YYYY/MM/DD", "!9999/99/99;1;_"}, {kMonthDayYear, false, "MM/DD/YY", "!99/99/99;1;_"},
        {kDayMonthYear, false, "DD/MM/YY", "!99/99/99;1;_"},     {kYearMonthDay, false, "YY/MM/DD", "!99/99/99;1;_"},
    };
    for (const Canon& c : canon) {
        EXPECT_EQ(DefaultDateFormatText(c.order, c.four), c.format);
        EXPECT_EQ(DefaultDateMask('_', c.order, c.four), c.mask);
    }
}

TEST(ControlDates, TwoDigitYearsExpandIntoTheWindowOfTheCurrentYear) {
    struct Case { int current, typed, expected; };
    const Case cases[] = {
        {2005, 5, 2005},  {2005, 99, 2099}, {2005, 0, 2000},   {2080, 0, 2100},   {2080, 10, 2110},
        {2080, 11, 2011}, {2080, 99, 2099}, {1999, 29, 2029},  {1999, 30, 1930},  {1999, 0, 2000},
        {2026, 100, 100}, {2026, 1999, 1999}, {2026, -1, -1},  {2026, -50, -50},
    };
    for (const Case& c : cases) EXPECT_EQ(ExpandYear(c.typed, c.current), c.expected) << c.current << ": " << c.typed;
}

struct ParseCase {
    const char* text;
    bool ok;
    int y = 0, m = 0, d = 0;  // all 0: the null date
};

void ExpectParses(const char* format, const DateLocale& locale, const std::vector<ParseCase>& cases) {
    for (const ParseCase& c : cases) {
        DateValue v = -1;
        bool ok = TryTextToDate(format, c.text, locale, 2005, v);
        EXPECT_EQ(ok, c.ok) << format << " '" << c.text << "'";
        if (!ok || !c.ok) continue;
        EXPECT_EQ(v, c.y ? Date(c.y, c.m, c.d) : kNullDate) << format << " '" << c.text << "'";
    }
}

TEST(ControlDates, ReadsTextByPositionThenBySeparatorsInADayMonthLocale) {
    DateLocale dmy;
    dmy.separator = '.';
    ExpectParses("DD/MM/YYYY", dmy, {
        {"", true, 0, 0, 0},                 {"  .  .    ", false},            {"7.3", true, 2005, 3, 7},
        {"7.3.", false},                     {"7.3.5", true, 2005, 3, 7},      {"7.3.2005.", true, 2005, 3, 7},
        {"31.02.2005", false},               {"29.02.2004", true, 2004, 2, 29}, {"01.02.2005 extra", false},
        {"1.1.100", true, 100, 1, 1},        {"04.08.2005", true, 2005, 8, 4},   {" 4. 8.2005", true, 2005, 8, 4},
        {"12345.1.1", false},
    });
    ExpectParses("DD/MM/YY", dmy, {
        {"01.02.2005", true, 2005, 2, 1},    {"04.08.05", true, 2005, 8, 4},   {"01.02.", false},
        {"01.02.-1", false},                 {"+1.02.05", false},              {"$A.02.05", false},
        {"01.02.  ", false},                 {"1.2.3", true, 2003, 2, 1},
    });
}

TEST(ControlDates, ReadsMonthDayAndYearMonthLocales) {
    DateLocale mdy;
    mdy.separator = '/';
    ExpectParses("MM/DD/YYYY", mdy, {
        {"03/07/2005", true, 2005, 3, 7}, {"3/7", true, 2005, 3, 7}, {"13/07/2005", false}, {"3.7.2005", false},
        {"02/29/2004", true, 2004, 2, 29},
    });
    DateLocale ymd;
    ymd.separator = '-';
    ExpectParses("YYYY/MM/DD", ymd, {
        {"2005-03-07", true, 2005, 3, 7}, {"3-7", true, 2005, 3, 7}, {"05-3-7", true, 2005, 3, 7},
        {"2005-02-30", false},
    });
}

TEST(ControlDates, ReadsMonthNamesByCaseInsensitivePrefix) {
    DateLocale ru;
    const char* names[12] = {"январь", "февраль", "март", "апрель", "май", "июнь",
                             "июль", "август", "сентябрь", "октябрь", "ноябрь", "декабрь"};
    for (int i = 0; i < 12; ++i) ru.longMonthNames[i] = names[i];
    EXPECT_EQ(MonthNumberOfName("ма", ru), 3);
    EXPECT_EQ(MonthNumberOfName("МАЙ", ru), 5);
    EXPECT_EQ(MonthNumberOfName("Дек", ru), 12);
    EXPECT_EQ(MonthNumberOfName("", ru), 0);
    EXPECT_EQ(MonthNumberOfName("xyz", ru), 0);
    DateValue v;
    ASSERT_TRUE(TryTextToDate("DD MMM YYYY", "07 МАР 2005", ru, 2005, v));
    EXPECT_EQ(v, Date(2005, 3, 7));
}

TEST(ControlDates, DefaultsAndErrorText) {
    DateLocale dmy;
    DateValue fallback = Date(2005, 8, 4) + 0.75;
    EXPECT_EQ(TextToDateOrDefault("DD/MM/YY", "", dmy, 2005, fallback), Date(2005, 8, 4));
    EXPECT_EQ(TextToDateOrDefault("DD/MM/YY", "xx", dmy, 2005, fallback), Date(2005, 8, 4));
    EXPECT_EQ(TextToDateOrDefault("DD/MM/YY", "01.01.06", dmy, 2005, fallback), Date(2006, 1, 1));
    EXPECT_EQ(InvalidDateMessage("50%s%n"), "''50%s%n'' is not a valid date");
}

TEST(ControlDates, WritesCanonicalFormatsWithTheSeparator) {
    EXPECT_EQ(FormatDateText(Date(2005, 8, 4), "DD/MM/YY", '.'), "04.08.05");
    EXPECT_EQ(FormatDateText(Date(2005, 8, 4), "MM/DD/YYYY", '/'), "08/04/2005");
    EXPECT_EQ(FormatDateText(Date(5, 8, 4), "YYYY/MM/DD", '-'), "0005-08-04");
    EXPECT_EQ(FormatDateText(kNullDate, "DD/MM/YY", '.'), "");
}

// Each of the date masks lays text out at its fixed places with the locale's separator, whatever
// text it is given.
TEST(ControlDates, EveryMaskKeepsItsSeparatorsInPlace) {
    struct Case {
        DateOrder order;
        bool four;
        char separator;
        const char* given;
        const char* text;
    } cases[] = {
        {kDayMonthYear, false, '.', "", "  .  .  "},
        {kDayMonthYear, false, '.', "15.03.05", "15.03.05"},
        {kDayMonthYear, false, '.', "1.3.25", " 1. 3.25"},
        {kDayMonthYear, true, '/', "1/3/2026", " 1/ 3/2026"},
        {kMonthDayYear, true, '-', "03012026", "03-01-2026"},
        {kYearMonthDay, true, '-', "2026-3-1", "2026- 3-1 "},
        {kYearMonthDay, false, '.', "260301", "26.03.01"},
    };
    for (const Case& c : cases) {
        const EditMask mask(DefaultDateMask(' ', c.order, c.four), c.separator);
        EXPECT_EQ(mask.Conform(c.given), c.text) << c.given;
        EXPECT_TRUE(mask.Fits(mask.Conform(c.given))) << c.given;
    }
}

}  // namespace
}  // namespace controls
