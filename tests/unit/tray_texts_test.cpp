// The tray icon's tooltip texts and the extended statistics balloon.
#include <gtest/gtest.h>

#include "engine/tray_texts.h"

namespace {

using quon::EngineState;
using quon::Options;

constexpr double kMb = 1048576;

EngineState Connection(bool online) {
    EngineState e;
    e.connIn = 5.5 * kMb;
    e.prevIn = e.connIn - 3000;  // 3000 bytes in this tick
    e.connOut = 1.25 * kMb;
    e.entryName = "Мой провайдер";
    e.polledOnline = online;
    e.countedOnline = online;
    return e;
}

Options Settings(double monthlim, int64_t speedUnit) {
    Options o;
    o.counters.day = 10 * kMb;
    o.counters.month = 100 * kMb;
    o.counters.monthlim = monthlim;
    o.speedUnit = speedUnit;
    return o;
}

struct TooltipCase {
    const char* name;
    int64_t mode;
    bool online;
    double monthlim;
    int64_t speedUnit;
    const char* text;
};
void PrintTo(const TooltipCase& c, std::ostream* os) { *os << c.name; }

class TrayTooltip : public ::testing::TestWithParam<TooltipCase> {};

TEST_P(TrayTooltip, ReadsAsTheModeSays) {
    const TooltipCase& c = GetParam();
    EXPECT_EQ(quon::TrayTooltipText(c.mode, Connection(c.online), Settings(c.monthlim, c.speedUnit)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TrayTooltip,
    ::testing::Values(
        TooltipCase{"NoneOnline", 0, true, 300 * kMb, 1, "Quon Tollen II"},
        TooltipCase{"ShortOnline", 1, true, 300 * kMb, 1, "Quon Tollen II\nонлайн (Мой провайдер)"},
        TooltipCase{"ShortOffline", 1, false, 300 * kMb, 1, "Quon Tollen II\nоффлайн"},
        // Online the running connection is added to the counters; the rest is cut towards zero.
        TooltipCase{"DetailedOnline", 2, true, 300 * kMb, 1,
                    "Quon Tollen II\n(статистика)\n\nСеанс: 5 Мб\nДень: 15 Мб\nМесяц: 105 Мб\n"
                    "Осталось: 194 Мб\nСкорость: 2 Кб/сек"},
        // Offline the finished connection is already in the counters.
        TooltipCase{"DetailedOffline", 2, false, 300 * kMb, 1,
                    "Quon Tollen II\n(статистика)\n\nСеанс: 5 Мб\nДень: 10 Мб\nМесяц: 100 Мб\n"
                    "Осталось: 200 Мб\nСкорость: 2 Кб/сек"},
        TooltipCase{"DetailedWithoutLimit", 2, true, 1, 1,
                    "Quon Tollen II\n(статистика)\n\nСеанс: 5 Мб\nДень: 15 Мб\nМесяц: 105 Мб\nСкорость: 2 Кб/сек"},
        TooltipCase{"DetailedPastTheLimit", 2, true, 50 * kMb, 0,
                    "Quon Tollen II\n(статистика)\n\nСеанс: 5 Мб\nДень: 15 Мб\nМесяц: 105 Мб\n"
                    "Осталось: -55 Мб\nСкорость: 3000 б/сек"},
        TooltipCase{"ExtendedIsEmpty", 3, true, 300 * kMb, 1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrayTooltip, SpeedLineInEveryUnit) {
    const char* const expected[] = {"3000 б/сек", "2 Кб/сек", "0 Мб/сек", "24000 бит/сек", "23 Кбит/сек",
                                    "0 Мбит/сек"};
    for (int64_t unit = 0; unit < 6; ++unit) {
        const std::string text = quon::TrayTooltipText(2, Connection(true), Settings(1, unit));
        EXPECT_EQ(text.substr(text.rfind("Скорость: ")), std::string("Скорость: ") + expected[unit]) << unit;
    }
}

TEST(TrayTooltip, FirstTickOfAConnectionShowsANegativeSpeedAsItIs) {
    EngineState e = Connection(true);
    e.prevIn = e.connIn + 2048;
    const std::string text = quon::TrayTooltipText(2, e, Settings(1, 1));
    EXPECT_EQ(text.substr(text.rfind("Скорость: ")), "Скорость: -2 Кб/сек");
}

struct BalloonCase {
    const char* name;
    bool online;
    double monthlim, uplim, month;
    const char* text;
};
void PrintTo(const BalloonCase& c, std::ostream* os) { *os << c.name; }

class ExtendedBalloon : public ::testing::TestWithParam<BalloonCase> {};

TEST_P(ExtendedBalloon, ShowsTheStatistics) {
    const BalloonCase& c = GetParam();
    EngineState e = Connection(c.online);
    e.entryName = "Dial";
    Options o;
    o.counters.day = 10 * kMb;
    o.counters.month = c.month;
    o.counters.up = 3000 * kMb;
    o.counters.monthlim = c.monthlim;
    o.counters.uplim = c.uplim;
    quon::DisplayTexts t;
    t.speed = "2 кб/с";
    t.upload = "1 кб/с";
    EXPECT_EQ(quon::ExtendedBalloonText(e, o, t), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    States, ExtendedBalloon,
    ::testing::Values(
        BalloonCase{"OnlineWithLimits", true, 3000 * kMb, 5000 * kMb, 2000 * kMb,
                    "входящий:\n за сеанс: 5 Мб\n за день: 15 Мб\n за месяц: 2 005 Мб\n осталось: 994 Мб\n"
                    " скорость: 2 кб/с\n\nисходящий:\n за сеанс: 1 Мб\n за месяц: 3 001 Мб\n осталось: 1 998 Мб\n"
                    " скорость: 1 кб/с\n\nонлайн:\n Dial"},
        BalloonCase{"OnlineWithoutLimits", true, 0, 1, 2000 * kMb,
                    "входящий:\n за сеанс: 5 Мб\n за день: 15 Мб\n за месяц: 2 005 Мб\n скорость: 2 кб/с\n\n"
                    "исходящий:\n за сеанс: 1 Мб\n за месяц: 3 001 Мб\n скорость: 1 кб/с\n\nонлайн:\n Dial"},
        BalloonCase{"OfflineWithLimitsPassed", false, 1000 * kMb, 2000 * kMb, 1234567 * kMb,
                    "входящий:\n за сеанс: 5 Мб\n за день: 10 Мб\n за месяц: 1 234 567 Мб\n осталось: -1 233 567 Мб\n"
                    "\nисходящий:\n за сеанс: 1 Мб\n за месяц: 3 000 Мб\n осталось: -1 000 Мб\n\nоффлайн"},
        BalloonCase{"OfflineWithoutLimits", false, 1, 0, 2000 * kMb,
                    "входящий:\n за сеанс: 5 Мб\n за день: 10 Мб\n за месяц: 2 000 Мб\n\nисходящий:\n"
                    " за сеанс: 1 Мб\n за месяц: 3 000 Мб\n\nоффлайн"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExtendedBalloon, LongTextIsCutTo254CharactersAndAnEllipsis) {
    const std::string ellipsis = "…";
    ASSERT_EQ(ellipsis, "\x85");  // one character of code page 1251
    const std::string fits(255, 'a');
    EXPECT_EQ(quon::BalloonLengthText(fits), fits);
    EXPECT_EQ(quon::BalloonLengthText(std::string(256, 'b')), std::string(254, 'b') + ellipsis);
    EXPECT_EQ(quon::BalloonLengthText(std::string(300, 'c')), std::string(254, 'c') + ellipsis);
}

}  // namespace
