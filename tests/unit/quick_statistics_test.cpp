#include "engine/quick_statistics.h"

#include <gtest/gtest.h>

namespace quon {
namespace {

QuickStatisticsInput Figures(bool online, double monthlim, double uplim) {
    QuickStatisticsInput in;
    in.online = online;
    in.connIn = 1234567;
    in.connOut = 2500;
    in.connDuration = 3725000;  // 1 h 2 min 5 s
    in.entryName = "Мой провайдер";
    in.counters.day = 1000;
    in.counters.month = 5000000;
    in.counters.up = 999;
    in.counters.monthlim = monthlim;
    in.counters.uplim = uplim;
    return in;
}

TEST(QuickStatistics, WholeTextOfflineAndOnline) {
    struct Case {
        const char* what;
        QuickStatisticsInput in;
        std::string expected;
    } cases[] = {
        {"offline, no limits: stored counters alone, no connection section",
         Figures(false, 0, 1),
         "Quon Tollen II »»» мгновенная статистика\n\n"
         "  байт скачано (получено):\n\n    за соединение: 1 234 567"
         "\n    за день: 1 000\n    за месяц: 5 000 000"
         "\n\n  байт закачано (отправлено):\n\n    за соединение: 2 500"
         "\n    за месяц: 999"},
        {"online with both limits: session added, balances and the connection",
         Figures(true, 10000000, 5000),
         "Quon Tollen II »»» мгновенная статистика\n\n"
         "  байт скачано (получено):\n\n    за соединение: 1 234 567"
         "\n    за день: 1 235 567\n    за месяц: 6 234 567\n    на балансе: 3 765 433"
         "\n\n  байт закачано (отправлено):\n\n    за соединение: 2 500"
         "\n    за месяц: 3 499\n    на балансе: 1 501"
         "\n\n  информация осоединении:\n    учётная запись: Мой провайдер\n    длительность: 01:02:05"},
        {"offline with limits: balances from the stored counters",
         Figures(false, 2, 1000),
         "Quon Tollen II »»» мгновенная статистика\n\n"
         "  байт скачано (получено):\n\n    за соединение: 1 234 567"
         "\n    за день: 1 000\n    за месяц: 5 000 000\n    на балансе: -4 999 998"
         "\n\n  байт закачано (отправлено):\n\n    за соединение: 2 500"
         "\n    за месяц: 999\n    на балансе: 1"},
        {"online, limits of 1 and 0 show no balance",
         Figures(true, 1, 0),
         "Quon Tollen II »»» мгновенная статистика\n\n"
         "  байт скачано (получено):\n\n    за соединение: 1 234 567"
         "\n    за день: 1 235 567\n    за месяц: 6 234 567"
         "\n\n  байт закачано (отправлено):\n\n    за соединение: 2 500"
         "\n    за месяц: 3 499"
         "\n\n  информация осоединении:\n    учётная запись: Мой провайдер\n    длительность: 01:02:05"},
    };
    for (const Case& c : cases) EXPECT_EQ(QuickStatisticsText(c.in), c.expected) << c.what;
}

TEST(QuickStatistics, DurationForms) {
    struct Case {
        double ms;
        const char* expected;
    } cases[] = {
        {0, ": 00:00:00"},
        {3725000, ": 01:02:05"},           // one digit of hours
        {36000000, ": 10:00:00"},          // two digits
        {359999999, ": 99:59:59"},
        {360000000 + 61000, ": 100:01:01"},  // three digits, written plainly
        {59999, ": 00:00:59"},             // fractions of a second are dropped
        {-1, " неизвестна"},
    };
    for (const Case& c : cases) EXPECT_EQ(DurationSuffix(c.ms), c.expected) << c.ms;

    QuickStatisticsInput unknown = Figures(true, 0, 0);
    unknown.connDuration = -1;
    const std::string text = QuickStatisticsText(unknown);
    EXPECT_EQ(text.substr(text.rfind('\n')), "\n    длительность неизвестна");
}

TEST(QuickStatistics, CaptionShowsTheTime) {
    EXPECT_EQ(QuickStatisticsCaption(9, 5, 3), "статистика на 09 ч. 05 м. 03 с.");
    EXPECT_EQ(QuickStatisticsCaption(23, 59, 10), "статистика на 23 ч. 59 м. 10 с.");
}

}  // namespace
}  // namespace quon
