#include <gtest/gtest.h>

#include "config/pages/log/activity_playback.h"
#include "config/pages/log/event_log_view.h"

#include <memory>

namespace quon::config {
namespace {

const std::string kIndent = std::string(38, ' ') + "» ";

TEST(EventLogViewer, EveryCodeWithItsTextAndColour) {
    struct Case { const char* stored; std::vector<ViewerLine> shown; };
    const Case cases[] = {
        {"05.03.26|10:00:01|0=Restart", {{"05.03.26 | 10:00:01 (*0) - Перезапуск...", 0x000000}}},
        {"05.03.26|10:00:02|1=Start", {{"05.03.26 | 10:00:02 (*1) - Запуск программы.", 0x000000}}},
        {"05.03.26|10:00:03|2=Reset", {{"05.03.26 | 10:00:03 (*2) - Внимание! Обнаружено прерванное соединение.", 0x0000FF}}},
        {"05.03.26|10:00:04|3=Connected:Home: work",
         {{"05.03.26 | 10:00:04 (*3) - Обнаружено активное соединение (учётная запись «Home: work»).", 0x008000}}},
        {"05.03.26|10:00:05|4=Disconnected", {{"05.03.26 | 10:00:05 (*4) - Соединение завершено.", 0x800000}}},
        {"05.03.26|10:00:06|5=1000:6000:71000:29000:Home: work",
         {{"05.03.26 | 10:00:06 (*5) - Cтатистика (скачано = получено):", 0x000000},
          {kIndent + "байт получено за соединение: 1000", kViewerGrey},
          {kIndent + "байт получено скачано за день: 6000", kViewerGrey},
          {kIndent + "байт получено скачано за месяц: 71000", kViewerGrey},
          {kIndent + "байт осталось на балансе: 29000", kViewerGrey},
          {kIndent + "учётная запись: Home: work", kViewerGrey}}},
        {"05.03.26|10:00:07|5=500:500:500:-500:[reset]",
         {{"05.03.26 | 10:00:07 (*5) - Cтатистика (скачано = получено):", 0x000000},
          {kIndent + "байт получено за соединение: 500", kViewerGrey},
          {kIndent + "байт получено скачано за день: 500", kViewerGrey},
          {kIndent + "байт получено скачано за месяц: 500", kViewerGrey},
          {kIndent + "байт осталось на балансе: -500", kViewerGrey},
          {kIndent + "учётная запись: (неизвестна)", kViewerGrey}}},
        {"05.03.26|10:00:08|6=200:3200:-3200",
         {{"05.03.26 | 10:00:08 (*6) - Cтатистика (закачано = отправлено):", 0x000000},
          {kIndent + "байт отправлено за соединение: 200", kViewerGrey},
          {kIndent + "байт отправлено за месяц: 3200", kViewerGrey},
          {kIndent + "отсалось на балансе: -3200", kViewerGrey}}},
        {"05.03.26|10:00:09|7=Kill",
         {{"05.03.26 | 10:00:09 (*7) - Внимание! Программа была закрыта до завершения соединения.", 0x000080}}},
        {"05.03.26|10:00:10|7=Quit", {{"05.03.26 | 10:00:10 (*7) - Внимание! Программа закрыта вручную.", 0x000080}}},
        {"05.03.26|10:00:11|8=Error: plugin(s) access violation",
         {{"05.03.26 | 10:00:11 (*8) - Программа сообщает: «Error: plugin(s) access violation».", kViewerGrey}}},
        // short figures: the missing fields are empty
        {"05.03.26|10:00:12|6=7", {{"05.03.26 | 10:00:12 (*6) - Cтатистика (закачано = отправлено):", 0x000000},
                                   {kIndent + "байт отправлено за соединение: 7", kViewerGrey},
                                   {kIndent + "байт отправлено за месяц: ", kViewerGrey},
                                   {kIndent + "отсалось на балансе: ", kViewerGrey}}},
        // code 9 is never shown; no digit where the code stands: a message, read at the same positions
        {"05.03.26|10:00:13|9=Later", {}},
        {"05.03.26|10:00:15|x=odd", {{"05.03.26 | 10:00:15 (*8) - Программа сообщает: «odd».", kViewerGrey}}},
        {"garbage without a key", {{"garbage  | ithout a (*8) - Программа сообщает: «y».", kViewerGrey}}},
        {"05.03.26|10:00:14|", {{"05.03.26 | 10:00:14 (*8) - Программа сообщает: «».", kViewerGrey}}},
        // the section header and empty lines are not lines of the log
        {"[status]", {}}, {"", {}}, {"   ", {}},
    };
    for (const Case& c : cases) {
        const std::vector<ViewerLine> shown = BuildViewerLines({c.stored}, {}, true, true);
        ASSERT_EQ(shown.size(), c.shown.size()) << c.stored;
        for (size_t i = 0; i < shown.size(); ++i) {
            EXPECT_EQ(shown[i].text, c.shown[i].text) << c.stored;
            EXPECT_EQ(shown[i].colour, c.shown[i].colour) << c.stored << " line " << i;
        }
    }
}

TEST(EventLogViewer, EveryLineOfTheFileAndNothingDroppedAtTheEnd) {
    const std::vector<std::string_view> file = {"[status]\r", "05.03.26|10:00:02|1=Start\r", "05.03.26|10:00:05|4=Disconnected\r"};
    const std::vector<ViewerLine> shown = BuildViewerLines(file, {}, true, true);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "05.03.26 | 10:00:02 (*1) - Запуск программы.");
    EXPECT_EQ(shown[1].text, "05.03.26 | 10:00:05 (*4) - Соединение завершено.");
    EXPECT_EQ(BuildViewerLines({"05.03.26|10:00:02|1=Start"}, {}, true, true).size(), 1u);
}

TEST(EventLogViewer, FilterBoxesAndBalances) {
    const std::vector<std::string_view> file = {
        "01.03.26|09:00:09|9=Later",     "01.03.26|09:00:00|0=Restart", "01.03.26|09:00:01|1=Start",  "01.03.26|09:00:02|2=Reset",
        "01.03.26|09:00:03|3=Connected:X", "01.03.26|09:00:04|4=Disconnected", "01.03.26|09:00:05|5=1:2:3:4:X",
        "01.03.26|09:00:06|6=1:2:3", "01.03.26|09:00:07|7=Quit", "01.03.26|09:00:08|8=Error", "odd line",
    };
    auto heads = [&](ViewerFilter f) {  // the codes shown
        std::string codes;
        for (const ViewerLine& l : BuildViewerLines(file, f, true, true))
            if (l.text.compare(0, 1, " ") != 0) codes += l.text[l.text.find("(*") + 2];
        return codes;
    };
    EXPECT_EQ(heads({true, true, true, true}), "0123456788");
    EXPECT_EQ(heads({true, false, false, false}), "34");
    EXPECT_EQ(heads({false, true, false, false}), "56");
    EXPECT_EQ(heads({false, false, true, false}), "017");
    EXPECT_EQ(heads({false, false, false, true}), "288");
    EXPECT_FALSE((ViewerFilter{false, false, false, false}.Any()));

    // without a monthly limit the received balance is left out, the account stays; likewise the upload one
    const std::vector<ViewerLine> noLimits = BuildViewerLines({file[6], file[7]}, {}, false, false);
    ASSERT_EQ(noLimits.size(), 1u + 4 + 1 + 2);
    EXPECT_EQ(noLimits[4].text, kIndent + "учётная запись: X");
    EXPECT_EQ(noLimits[7].text, kIndent + "байт отправлено за месяц: 2");
}

// The viewer makes each line when it is drawn: the same lines, in the same order, as made all at once.
TEST(EventLogViewer, TheLinesMadeOneByOneAreTheLinesMadeAtOnce) {
    const std::string text =
        "[status]\r\n01.03.26|09:00:01|1=Start\r\n01.03.26|09:00:03|3=Connected:X\r\n01.03.26|09:00:04|4=Disconnected\r\n"
        "01.03.26|09:00:04|5=1:2:3:4:X\r\n01.03.26|09:00:04|6=1:2:3\r\n01.03.26|09:00:05|9=Later\r\nodd line\r\n"
        "02.03.26|09:00:06|5=5:6:7:8:[reset]\r\n02.03.26|09:00:07|7=Kill\r\n";
    LogLines log{std::make_shared<const std::string>(text), {}};
    for (size_t from = 0, end; from < log.text->size(); from = end + 2) {
        end = log.text->find("\r\n", from);
        log.lines.push_back(std::string_view(*log.text).substr(from, end - from));
    }
    const ViewerFilter filters[] = {{}, {true, false, false, false}, {false, true, false, false}, {false, false, true, true}};
    for (const ViewerFilter& f : filters)
        for (int balances = 0; balances < 4; ++balances) {
            const bool received = balances & 1, sent = balances & 2;
            const std::vector<ViewerLine> atOnce = BuildViewerLines(log.lines, f, received, sent);
            ViewerModel model;
            model.Build(log, f, received, sent);
            ASSERT_EQ(model.Count(), atOnce.size()) << balances;
            for (size_t i = 0; i < atOnce.size(); ++i) {
                EXPECT_EQ(model.Line(i).text, atOnce[i].text) << i;
                EXPECT_EQ(model.Line(i).colour, atOnce[i].colour) << i;
            }
        }
    ViewerModel model;
    model.Build(log, {}, true, true);
    model.Show({{"hint", kViewerGrey}});  // lines of its own replace the log's
    ASSERT_EQ(model.Count(), 1u);
    EXPECT_EQ(model.Line(0).text, "hint");
}

TEST(EventLogViewer, ClearedLine) {
    SYSTEMTIME t{};
    t.wYear = 2026, t.wMonth = 3, t.wDay = 5, t.wHour = 7, t.wMinute = 8, t.wSecond = 9;
    EXPECT_EQ(LogClearedLine(t), "05.03.26 | 07.08.09 - Журнал очищен.");
}

TEST(ActivityPlayback, StripAfterTicks) {
    auto strip = [](std::initializer_list<int> newestFirst) {
        LevelStrip s{};
        size_t i = 0;
        for (int level : newestFirst) s[i++] = level;
        return s;
    };
    struct Case { const char* text; size_t ticks; LevelStrip after; };
    const Case cases[] = {
        {"012345", 6, strip({5, 4, 3, 2, 1, 0})},
        {"012345", 3, strip({2, 1, 0})},
        {"012345", 100, strip({5, 4, 3, 2, 1, 0})},  // playback ends at the last character
        {"a9", 2, strip({5, 0})},                      // a letter is level 0, 6..9 the highest picture
        {"67", 2, strip({5, 5})},
        {"", 5, strip({})},
        {"555555555555555555553", 21, strip({3, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5})},
    };
    for (const Case& c : cases) EXPECT_EQ(StripAfterTicks(c.text, c.ticks), c.after) << c.text << " x" << c.ticks;

    LevelStrip s = strip({1, 2});
    ShowIndicatorLevel(s, -1);  // moves the strip, keeps the newest picture
    EXPECT_EQ(s, strip({1, 1, 2}));
}

TEST(ActivityPlayback, ProgressEndsAtTheLastCharacter) {
    ActivityPlayback p;
    LevelStrip s{};
    p.Start("0123");
    EXPECT_EQ(p.Length(), 4u);
    EXPECT_EQ(p.Position(), 1u);
    for (size_t i = 0; i < 4; ++i) EXPECT_TRUE(p.Tick(s));
    EXPECT_GE(p.Position(), p.Length());
    EXPECT_TRUE(p.Playing());
    EXPECT_FALSE(p.Tick(s));
    EXPECT_FALSE(p.Playing());
    p.Start("1");  // every start plays from the beginning
    EXPECT_TRUE(p.Tick(s));
    EXPECT_EQ(s[0], 1);

    const unsigned intervals[] = {1000, 500, 200, 100, 50, 20, 10};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(PlaybackInterval(i), intervals[i]);
}

}  // namespace
}  // namespace quon::config
