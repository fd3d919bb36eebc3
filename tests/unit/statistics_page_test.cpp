#include <gtest/gtest.h>

#include "config/pages/data/byte_field.h"
#include "config/pages/data/days_left.h"
#include "config/pages/data/limit_status.h"
#include "config/pages/data/statistics_editor.h"
#include "config/pages/data/statistics_refresh.h"
#include "config/pages/data/typed_counter.h"

namespace quon::config {
namespace {

TEST(ByteField, EveryUnitCutToItsDecimals) {
    struct Case { double bytes; int unit, decimals; const char* shown; };
    const Case cases[] = {
        {31457280, 2, 3, "30,000"}, {1500000, 2, 3, "1,430"}, {1500000, 2, 0, "1"},
        {1536, 1, 0, "1"}, {1023, 1, 0, "0"}, {1024, 0, 2, "1024,00"},
        {1610612736, 3, 2, "1,5"}, {0, 2, 3, "0,000"}, {1536, 1, 6, "1,5"},
        // far below the unit: still fixed-point digits, cut
        {1, 2, 6, "0,000000"}, {1, 3, 0, "0"},
        // a count is held in single precision: a nine-digit count shows its nearest single value
        {123456789, 0, 0, "123456792"},
        // an unknown unit shows bytes, an unknown decimal count none
        {1536, 7, 1, "1536,0"}, {1536, -1, 0, "1536"}, {1536, 1, 9, "1"}, {1536, 1, -1, "1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatByteField(static_cast<float>(c.bytes), c.unit, c.decimals, ','), c.shown)
            << c.bytes << " unit " << c.unit << " decimals " << c.decimals;
    EXPECT_EQ(FormatByteField(1536, 1, 2, '.'), "1.5");
    const char* labels[] = {"б", "Кб", "Мб", "Гб"};
    for (int u = 0; u < 4; ++u) EXPECT_STREQ(StatUnitLabel(u), labels[u]);
    EXPECT_STREQ(StatUnitLabel(9), "б");
}

TEST(LimitStatus, RedAboveYellowNearLimeBelow) {
    struct Case { double value, limit; LimitStatus status; };
    const Case cases[] = {
        {11, 10, LimitStatus::Exceeded}, {10, 10, LimitStatus::Near}, {9.6, 10, LimitStatus::Near},
        {9.5, 10, LimitStatus::Ok},      {0, 10, LimitStatus::Ok},    {1, 0, LimitStatus::Exceeded},
        {0, 0, LimitStatus::Ok},         {31457281, 31457280, LimitStatus::Exceeded},
    };
    for (const Case& c : cases) EXPECT_EQ(JudgeLimit(c.value, c.limit), c.status) << c.value << " of " << c.limit;
    EXPECT_EQ(LimitStatusColour(LimitStatus::Exceeded), 0x0000FFu);
    EXPECT_EQ(LimitStatusColour(LimitStatus::Near), 0x00FFFFu);
    EXPECT_EQ(LimitStatusColour(LimitStatus::Ok), 0x00FF00u);
    EXPECT_STREQ(LimitStatusText(LimitStatus::Exceeded), " ЛИМИТ  ПРЕВЬIШЕН");
    EXPECT_STREQ(LimitStatusText(LimitStatus::Near), " ВНИМАНИЕ!  >  95%");
    EXPECT_STREQ(LimitStatusText(LimitStatus::Ok), " OK");
}

// Raw texts in field order: daylim, day, monthlim, month, backup, uplim, up.
TEST(StatisticsRefresh, RowsJudgedOnlyWithTheirLimitSet) {
    using S = std::optional<LimitStatus>;
    struct Case { StatTexts raw; S day, month, up; };
    const Case cases[] = {
        // monthly limit "0": neither incoming row is judged, even with a daily limit
        {{"1048576", "2000000", "0", "5", "0", "0", "0"}, {}, {}, {}},
        // daily limit "0" with a monthly limit: any download exceeds it, none is ok
        {{"0", "5", "100", "5", "0", "0", "0"}, LimitStatus::Exceeded, LimitStatus::Ok, {}},
        {{"0", "0", "100", "96", "0", "10", "10"}, LimitStatus::Ok, LimitStatus::Near, LimitStatus::Near},
        {{"10", "11", "100", "101", "0", "10", "0"}, LimitStatus::Exceeded, LimitStatus::Exceeded, LimitStatus::Ok},
        // full precision of the raw texts, not of the shown ones
        {{"1000", "950,5", "1000", "0", "0", "0", "0"}, LimitStatus::Near, LimitStatus::Ok, {}},
    };
    for (const Case& c : cases) {
        const StatRefresh r = RefreshStatistics(c.raw, 2, 3, ',');
        EXPECT_EQ(r.day, c.day) << c.raw[0] << " " << c.raw[1] << " " << c.raw[2];
        EXPECT_EQ(r.month, c.month) << c.raw[2] << " " << c.raw[3];
        EXPECT_EQ(r.up, c.up) << c.raw[5] << " " << c.raw[6];
    }
}

TEST(StatisticsRefresh, ShowsEveryFieldAndStopsAtATextThatIsNoNumber) {
    const StatRefresh all = RefreshStatistics({"1048576", "524288", "31457280", "0", "1536", "0", "1,5"}, 1, 1, ',');
    const char* shown[] = {"1024,0", "512,0", "30720,0", "0,0", "1,5", "0,0", "0,0"};
    for (int i = 0; i < kStatFieldCount; ++i) EXPECT_EQ(all.shown[i], shown[i]) << StatFieldKey(i + 1);

    // order of rendering: monthlim, daylim, backup, month, day, uplim, up; "abc" in backup stops it there
    const StatRefresh cut = RefreshStatistics({"1024", "1024", "1024", "1024", "abc", "1024", "1024"}, 1, 0, ',');
    EXPECT_EQ(cut.shown[sfMonthLimit - 1], "1");
    EXPECT_EQ(cut.shown[sfDayLimit - 1], "1");
    for (int field : {sfBackup, sfMonth, sfDay, sfUpLimit, sfUp}) EXPECT_FALSE(cut.shown[field - 1]) << field;
    EXPECT_FALSE(cut.day || cut.month || cut.up);

    const char* keys[] = {"daylim", "day", "monthlim", "month", "backup", "uplim", "up"};
    for (int f = 1; f <= kStatFieldCount; ++f) EXPECT_STREQ(StatFieldKey(f), keys[f - 1]);
    EXPECT_EQ(StatFieldKey(0), nullptr);
    EXPECT_EQ(StatFieldKey(8), nullptr);
}

TEST(TypedCounter, PlainNumbersBecomeWholeByteCounts) {
    struct Case { const char* typed; int unit; TypedKind kind; const char* bytes; };
    const Case cases[] = {
        {"1,5", 2, TypedKind::Stored, "1572864"}, {"0,0001", 1, TypedKind::Stored, "0"},
        {"007", 0, TypedKind::Stored, "7"},        {",5", 1, TypedKind::Stored, "512"},
        {"1,", 1, TypedKind::Stored, "1024"},      {"2", 3, TypedKind::Stored, "2147483648"},
        // single precision, as the counter is kept
        {"123456789", 0, TypedKind::Stored, "123456792"},
        {"4294967296", 3, TypedKind::Stored, "4611686018427387904"},
        {"", 2, TypedKind::Ignored, ""},
        // not a plain number
        {"-", 2, TypedKind::Invalid, ""}, {"-5", 0, TypedKind::Invalid, ""}, {"12a", 0, TypedKind::Invalid, ""},
        {"1,2,3", 2, TypedKind::Invalid, ""}, {"1.5", 2, TypedKind::Invalid, ""}, {",", 2, TypedKind::Invalid, ""},
        {" 5", 0, TypedKind::Invalid, ""}, {"1e5", 0, TypedKind::Invalid, ""},
        // beyond 64 bits
        {"8589934592", 3, TypedKind::Invalid, ""}, {"99999999999999999999999", 0, TypedKind::Invalid, ""},
    };
    for (const Case& c : cases) {
        const TypedCommit commit = CommitTypedValue(c.typed, c.unit, ',');
        EXPECT_EQ(commit.kind, c.kind) << c.typed << " unit " << c.unit;
        EXPECT_EQ(commit.bytes, c.bytes) << c.typed << " unit " << c.unit;
    }
    EXPECT_EQ(CommitTypedValue(std::string(400, '9'), 0, ',').kind, TypedKind::Invalid);
    EXPECT_EQ(CommitTypedValue("1.5", 2, '.').bytes, "1572864");
}

TEST(TypedCounter, KeysWhileEditing) {
    for (char c : std::string("0123456789-,\b")) EXPECT_EQ(StatKeyAction(c, ','), StatKey::Pass) << int(c);
    for (char c : std::string("a.+ e"))
        EXPECT_EQ(StatKeyAction(c, ','), StatKey::Refuse) << c;
    EXPECT_EQ(StatKeyAction('.', '.'), StatKey::Pass);
    EXPECT_EQ(StatKeyAction('\r', ','), StatKey::Commit);
    EXPECT_EQ(StatKeyAction(27, ','), StatKey::Swallow);
}

TEST(TypedCounter, DailyLimitIsAThirtiethOfTheMonthly) {
    EXPECT_EQ(DailyFromMonthly(31457280, ','), "1048576");
    EXPECT_EQ(DailyFromMonthly(100, ','), "3,33333333333333");
    EXPECT_EQ(DailyFromMonthly(0, ','), "0");
}

TEST(DaysLeft, LabelFromTheDatesThemselves) {
    const CivilDate today{2026, 12, 10};
    struct Case { const char* next; const char* period; const char* remind; int64_t days; const char* text; bool alarm; };
    const Case cases[] = {
        {"10.12.26", "30", "0", 0, "(СЕГОДНЯ)", true},
        {"11.12.26", "30", "0", 1, "(ЧЕРЕЗ  1  СУТКИ)", false},
        {"21.12.26", "30", "0", 11, "(ЧЕРЕЗ  11  СУТКИ)", false},
        {"22.12.26", "30", "0", 12, "(ЧЕРЕЗ  12  СУТОК)", false},
        {"09.01.27", "30", "0", 30, "(ЧЕРЕЗ  30  СУТОК)", false},
        {"31.01.27", "365", "0", 52, "(ЧЕРЕЗ  52  СУТОК)", false},
        {"15.12.26", "30", "5", 5, "(ЧЕРЕЗ  5  СУТОК)", true},
        {"16.12.26", "30", "5", 6, "(ЧЕРЕЗ  6  СУТОК)", false},
        // more than a period ahead, or past: no text
        {"10.01.27", "30", "0", -1, "", true},
        {"09.12.26", "30", "0", -1, "", true},
        {"10.12.26", "-1", "0", -1, "", true},
        // a period from the file as large as it may be costs nothing
        {"01.01.99", "9223372036854775807", "0", 26320, "(ЧЕРЕЗ  26320  СУТОК)", false},
    };
    for (const Case& c : cases) {
        const std::optional<DaysLeftLabel> label = DaysLeft(c.next, c.period, c.remind, today);
        ASSERT_TRUE(label) << c.next;
        EXPECT_EQ(label->days, c.days) << c.next << " period " << c.period;
        EXPECT_EQ(label->text, c.text) << c.next << " period " << c.period;
        EXPECT_EQ(label->alarm, c.alarm) << c.next << " remind " << c.remind;
    }
    // hidden: a piece that is no integer, a day that does not exist, a period or reminder that is no number
    for (const char* next : {"1x.12.26", "31.02.27", "10.12.", "", "10.13.26"})
        EXPECT_FALSE(DaysLeft(next, "30", "0", today)) << next;
    EXPECT_FALSE(DaysLeft("11.12.26", "abc", "0", today));
    EXPECT_FALSE(DaysLeft("11.12.26", "30", "", today));
}

// Leaving the box keeps a date as typed through the mask, in its "dd.mm.yy" form; only a text that is
// still no date and has a piece that is no integer becomes today.
TEST(DaysLeft, LeavingTheBoxKeepsTypedDatesAndRepairsTheRest) {
    const CivilDate today{2026, 12, 10};
    struct Case { const char* text; const char* left; } cases[] = {
        {"01.03.26", "01.03.26"}, {" 1. 3.25", "01.03.25"}, {"01. 3.26", "01.03.26"}, {"1 .3 .25", "01.03.25"},
        {"05.01.27", "05.01.27"},
        {"31.02.27", "31.02.27"},  // integer pieces: ranges are not checked here
        {"ab.12.26", "10.12.26"}, {"01.03.  ", "10.12.26"}, {"  .  .  ", "10.12.26"}, {"", "10.12.26"},
    };
    for (const Case& c : cases) EXPECT_EQ(RepairedNextDate(c.text, today), c.left) << '"' << c.text << '"';
}

TEST(StatisticsEditor, TypingFollowsAtOnceAndEnterGivesTheButtonsBack) {
    StatisticsEditor e;
    e.unit = 2;  // MB
    EXPECT_EQ(e.ToggleField(sfDay), StatisticsEditor::Toggle::Editing);
    EXPECT_FALSE(e.AutoButtonVisible());
    struct Step { const char* typed; TypedKind kind; const char* raw; bool held; };
    const Step steps[] = {
        {"1", TypedKind::Stored, "1048576", true},
        {"1,", TypedKind::Stored, "1048576", true},
        {"1,5", TypedKind::Stored, "1572864", true},
        {"1,5x", TypedKind::Invalid, "1572864", true},  // the box is told, the last valid value stays
        {"", TypedKind::Ignored, "1572864", true},
        {"-", TypedKind::Invalid, "1572864", true},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(e.TextChanged(sfDay, s.typed), s.kind) << s.typed;
        EXPECT_EQ(e.raw[sfDay - 1], s.raw) << s.typed;
        EXPECT_EQ(e.OkApplyHeld(), s.held) << s.typed;
    }
    e.Commit(sfDay);
    EXPECT_FALSE(e.Editing(sfDay));
    EXPECT_FALSE(e.OkApplyHeld());
    EXPECT_EQ(e.Refresh().shown[sfDay - 1], "1,5");
    // a box that is not being edited takes no typed value
    EXPECT_EQ(e.TextChanged(sfDay, "7"), TypedKind::Ignored);
    EXPECT_EQ(e.raw[sfDay - 1], "1572864");
}

TEST(StatisticsEditor, NothingChangesWhileLocked) {
    for (int lock : {1, -1}) {
        StatisticsEditor e;
        const StatTexts before = e.raw;
        e.lock = lock;
        EXPECT_EQ(e.ToggleField(sfMonth), StatisticsEditor::Toggle::Refused);
        EXPECT_EQ(e.TextChanged(sfMonth, "5"), TypedKind::Ignored);
        EXPECT_FALSE(e.ResetCounters());
        EXPECT_FALSE(e.DeriveDailyLimit());
        EXPECT_EQ(e.raw, before) << lock;
    }
}

TEST(StatisticsEditor, DailyLimitAndReset) {
    StatisticsEditor e;
    e.raw = {"1", "5", "100", "50", "7", "9", "3"};
    EXPECT_EQ(e.ToggleField(sfDayLimit), StatisticsEditor::Toggle::Editing);
    EXPECT_TRUE(e.AutoButtonVisible());
    EXPECT_TRUE(e.DeriveDailyLimit());
    EXPECT_FALSE(e.Editing(sfDayLimit));  // the edited daily limit was committed first
    EXPECT_EQ(e.raw[sfDayLimit - 1], "3,33333333333333");
    EXPECT_TRUE(e.ResetCounters());
    EXPECT_EQ(e.raw, (StatTexts{"3,33333333333333", "0", "100", "0", "7", "9", "0"}));
    EXPECT_EQ(e.ToggleField(sfMonthLimit), StatisticsEditor::Toggle::Editing);
    EXPECT_EQ(e.ToggleField(sfMonthLimit), StatisticsEditor::Toggle::Committed);
}

}  // namespace
}  // namespace quon::config
