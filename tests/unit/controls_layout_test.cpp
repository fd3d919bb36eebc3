#include <gtest/gtest.h>

#include "controls/button_layout.h"
#include "controls/calendar_model.h"
#include "controls/popup_placement.h"

namespace controls {
namespace {

DateValue Date(int y, int m, int d) {
    DateValue v = kNullDate;
    EXPECT_TRUE(EncodeDate(y, m, d, v));
    return v;
}

std::string Ymd(DateValue v) {
    int y, m, d;
    if (!DecodeDate(v, y, m, d)) return "invalid";
    return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
}

TEST(CalendarGrid, PlacesTheFirstOfTheMonthInTheFirstWeekRow) {
    EXPECT_EQ(DayOfWeekOf(Date(2026, 12, 10)), 4);  // a Thursday
    EXPECT_EQ(DayOfWeekOf(Date(1899, 12, 30)), 6);
    EXPECT_EQ(DayOfWeekOf(Date(1, 1, 1)), 1);
    struct Case { int y, m, startOfWeek, column; int rows; };
    const Case cases[] = {
        {2026, 6, 1, 0, 5},   // 1 June 2026 is a Monday: first column with weeks from Monday
        {2026, 6, 0, 1, 5},   // second column with weeks from Sunday
        {2026, 12, 1, 1, 5},  // a Tuesday
        {2025, 8, 1, 4, 5},   // a Friday
        {2026, 3, 1, 6, 6},   // a Sunday in the last column: 31 days fill six week rows
        {2015, 2, 0, 0, 4},   // 28 days from Sunday fill four rows exactly
    };
    for (const Case& c : cases) {
        MonthGrid g = MonthGrid::Of(Date(c.y, c.m, 15), c.startOfWeek);
        int column, row;
        g.CellOf(1, column, row);
        EXPECT_EQ(row, 1) << c.y << "-" << c.m;
        EXPECT_EQ(column, c.column) << c.y << "-" << c.m;
        EXPECT_EQ(g.DayAt(column, 1), 1);
        g.CellOf(g.days, column, row);
        EXPECT_EQ(row, c.rows) << c.y << "-" << c.m;
        EXPECT_EQ(g.DayAt(column, row), g.days);
        EXPECT_EQ(g.DayAt(0, 0), 0);  // the weekday row has no days
    }
    MonthGrid march = MonthGrid::Of(Date(2026, 3, 1), 1);
    EXPECT_EQ(march.DayAt(5, 1), 0);  // before the 1st
    EXPECT_EQ(march.DayAt(3, 6), 0);  // after the 31st
}

TEST(CalendarGrid, WeekendColumnsFollowTheFirstDayOfTheWeek) {
    const uint8_t satSun = 1 | (1 << 6);
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(IsWeekendColumn(column, 1, satSun), column >= 5) << column;
        EXPECT_EQ(IsWeekendColumn(column, 0, 1), column == 0) << column;
    }
}

TEST(CalendarGrid, MovesByDaysMonthsAndYearsInsideTheCalendarsRange) {
    struct Case { DateValue from; CalendarKey key; const char* expected; };
    const Case cases[] = {
        {Date(2005, 1, 31), CalendarKey::PageDown, "2005-2-28"},
        {Date(2004, 1, 31), CalendarKey::PageDown, "2004-2-29"},
        {Date(2005, 3, 31), CalendarKey::PageUp, "2005-2-28"},
        {Date(2005, 12, 15), CalendarKey::PageDown, "2006-1-15"},
        {Date(2004, 2, 29), CalendarKey::CtrlPageDown, "2005-2-28"},
        {Date(2004, 2, 29), CalendarKey::CtrlPageUp, "2003-2-28"},
        {Date(2005, 3, 1), CalendarKey::Left, "2005-2-28"},
        {Date(2005, 3, 31), CalendarKey::Right, "2005-4-1"},
        {Date(2005, 3, 3), CalendarKey::Up, "2005-2-24"},
        {Date(2005, 3, 30), CalendarKey::Down, "2005-4-6"},
        {FirstDate(), CalendarKey::Left, "1-1-1"},
        {FirstDate(), CalendarKey::PageUp, "1-1-1"},
        {FirstDate(), CalendarKey::CtrlPageUp, "1-1-1"},
        {Date(1, 1, 5), CalendarKey::Up, "1-1-1"},
        {LastDate(), CalendarKey::Right, "9999-12-31"},
        {LastDate(), CalendarKey::PageDown, "9999-12-31"},
        {Date(9999, 6, 30), CalendarKey::CtrlPageDown, "9999-6-30"},
        {Date(9999, 12, 28), CalendarKey::Down, "9999-12-31"},
    };
    for (const Case& c : cases) EXPECT_EQ(Ymd(MoveByKey(c.from, c.key)), c.expected) << Ymd(c.from);
    EXPECT_EQ(Ymd(WithDay(Date(2005, 2, 10), 31)), "2005-2-10");
    EXPECT_EQ(Ymd(ClampDate(-1e9)), "1-1-1");
    EXPECT_EQ(Ymd(ClampDate(1e9)), "9999-12-31");
}

TEST(PopupPlacement, OpensBelowOrAboveAndStaysOnTheScreenAtEveryEdge) {
    const SIZE screen{800, 600}, popup{187, 124};
    struct Case { RECT edit; PopupAlign align; POINT expected; };
    const Case cases[] = {
        {{300, 100, 400, 121}, PopupAlign::Right, {213, 121}},  // right edges lined up, below
        {{300, 100, 400, 121}, PopupAlign::Left, {300, 121}},
        {{300, 500, 400, 521}, PopupAlign::Right, {213, 376}},  // bottom edge: above the edit
        {{10, 100, 110, 121}, PopupAlign::Right, {10, 121}},    // left edge: back to the edit's left
        {{-50, 100, 50, 121}, PopupAlign::Right, {0, 121}},     // edit partly off the left: pushed inside
        {{700, 100, 790, 121}, PopupAlign::Left, {603, 121}},   // right edge: right edges lined up
        {{750, 100, 900, 121}, PopupAlign::Left, {613, 121}},   // still too far right: pushed inside
        {{750, 580, 900, 601}, PopupAlign::Right, {613, 456}},  // bottom-right corner
        {{0, 0, 100, 21}, PopupAlign::Right, {0, 21}},          // top-left corner
    };
    for (const Case& c : cases) {
        POINT p = PlacePopup(c.edit, popup, screen, c.align);
        EXPECT_EQ(p.x, c.expected.x) << c.edit.left << "," << c.edit.top;
        EXPECT_EQ(p.y, c.expected.y) << c.edit.left << "," << c.edit.top;
    }
}

TEST(ButtonGeometry, SideButtonInsideTheEditBorder) {
    struct Case { bool sunken, single; RECT expected; };
    const Case cases[] = {{true, true, {79, 0, 18, 17}}, {false, true, {81, 2, 18, 17}}, {false, false, {83, 0, 18, 21}}};
    for (const Case& c : cases) {
        RECT r = EditButtonBounds(SIZE{101, 21}, 18, c.sunken, c.single);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
}

TEST(ButtonGeometry, GlyphAndCaptionPlaces) {
    struct Case { GlyphLayout layout; int margin, spacing; SIZE glyph, caption; POINT glyphAt, captionAt; };
    const Case cases[] = {
        {GlyphLayout::Left, -1, 1, {16, 16}, {30, 13}, {17, 7}, {34, 9}},   // centred together
        {GlyphLayout::Left, 2, 4, {16, 16}, {30, 13}, {2, 7}, {22, 9}},
        {GlyphLayout::Right, 2, 4, {16, 16}, {30, 13}, {62, 7}, {28, 9}},
        {GlyphLayout::Top, -1, -1, {16, 16}, {30, 13}, {32, 0}, {25, 16}},  // equal thirds
        {GlyphLayout::Bottom, 3, -1, {16, 16}, {30, 13}, {32, 11}, {25, -1}},
        {GlyphLayout::Top, -1, 1, {8, 6}, {0, 0}, {36, 12}, {40, 18}},      // glyph alone: no spacing
    };
    for (const Case& c : cases) {
        ButtonContent content{SIZE{80, 30}, POINT{0, 0}, c.glyph, c.caption, c.layout, c.margin, c.spacing};
        ButtonPlaces p = PlaceButtonContent(content);
        EXPECT_EQ(p.glyph.x, c.glyphAt.x) << static_cast<int>(c.layout) << " " << c.margin << " " << c.spacing;
        EXPECT_EQ(p.glyph.y, c.glyphAt.y) << static_cast<int>(c.layout) << " " << c.margin << " " << c.spacing;
        EXPECT_EQ(p.caption.x, c.captionAt.x) << static_cast<int>(c.layout) << " " << c.margin << " " << c.spacing;
        EXPECT_EQ(p.caption.y, c.captionAt.y) << static_cast<int>(c.layout) << " " << c.margin << " " << c.spacing;
    }
    SIZE room = CaptionRoom(SIZE{20, 20}, SIZE{30, 16}, GlyphLayout::Left, 2, 4, true);
    EXPECT_EQ(room.cx, 0);  // never negative
}

TEST(ButtonGeometry, ImagesInAGlyphStripNeverDivideByZero) {
    struct Case { int w, h, current, expected; };
    const Case cases[] = {{64, 16, 1, 4}, {96, 16, 1, 1}, {16, 16, 3, 1}, {28, 12, 2, 2}, {20, 16, 2, 2},
                          {16, 0, 2, 2},  {0, 0, 1, 1},   {0, 16, 1, 1}, {80, 16, 1, 5}};
    for (const Case& c : cases) EXPECT_EQ(NumGlyphsOfStrip(c.w, c.h, c.current), c.expected) << c.w << "x" << c.h;
}

}  // namespace
}  // namespace controls
