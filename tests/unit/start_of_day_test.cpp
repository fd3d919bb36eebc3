#include "engine/start_of_day.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "tests/support/memory_ini.h"

namespace quon {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using test::MemoryIni;

// Records every effect in one ordered list.
class RecordingHost : public StartOfDayHost {
public:
    std::map<std::pair<ProtectCopy, std::string>, std::string> copies;
    std::vector<std::string> events;
    std::vector<ProtectCopy> copiesRead;

    std::string ReadProtectValue(ProtectCopy copy, const char* key) override {
        copiesRead.push_back(copy);
        auto it = copies.find({copy, key});
        return it == copies.end() ? "" : it->second;
    }
    void DeleteProtectFiles() override { events.push_back("delete protection copies"); }
    void WriteEventLog(EventLogCode code, const std::string& value) override {
        events.push_back("log " + std::to_string(code) + " " + value);
    }
    void DeleteLogs() override { events.push_back("delete logs"); }
    void ShowBox(const std::string& text, BoxKind kind) override {
        events.push_back((kind == BoxKind::Error ? "error box: " : "info box: ") + text);
    }
    void Beep(unsigned hz, unsigned ms) override {
        events.push_back("beep " + std::to_string(hz) + " " + std::to_string(ms));
    }
    void Sleep(unsigned ms) override { events.push_back("sleep " + std::to_string(ms)); }

    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const auto& e : events)
            if (e.find(" box: ") != std::string::npos) boxes.push_back(e);
        return boxes;
    }
};

const std::string kNotice =
    "info box: данные прерванного соединения были успешно сохранены\n[ отключить оповещение можно в настройках "
    "программы ]";
const std::string kWriteError =
    "error box: внимание! возникла ошибка при попытке записать данные на диск\n[ сохранённые данные прерванного "
    "соединения не будут учтены ]";

class StartOfDay : public ::testing::Test {
protected:
    MemoryIni store;
    RecordingHost host;
    StartOfDayInput in;

    void SetUp() override {
        in.today = {2007, 4, 20};
        in.decimalSeparator = ',';
        in.counters = Counters{};
        in.counters.day = 5000;
        in.counters.month = 70000;
        in.counters.up = 3000;
        in.counters.monthlim = 100000;
        in.counters.uplim = 0;
    }
    void Copy(ProtectCopy copy, const char* d, const char* u) {
        if (d) host.copies[{copy, "Dbytes"}] = d;
        if (u) host.copies[{copy, "Ubytes"}] = u;
    }
    // The last normal start was on this day and month.
    void LastStart(const char* day, const char* month) {
        store.Set("reset", "date", day);
        store.Set("reset", "month", month);
    }
    void OwnPeriod(const char* next, const char* length) {
        store.Fill({
            {"data", "period", "2"}, {"alt", "next", next}, {"alt", "period", length}
        });
    }
};

TEST_F(StartOfDay, RecoveryReadsTheSecondCopyOnlyWhenTheFirstYieldsNothing) {
    // In memory: day 5000, month 70000, up 3000.
    struct Case {
        const char *prevD, *prevU, *nextD, *nextU;
        bool readsNext;
        const char *up, *day, *month;  // nullptr: nothing is recovered
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, nullptr, true, nullptr, nullptr, nullptr},  // no copies
        {"0", "0", "700", "700", false, nullptr, nullptr, nullptr},  // zeros are a reading: nothing to add
        {"0", "-1", "40", "4", false, nullptr, nullptr, nullptr},
        {nullptr, nullptr, "5000", nullptr, true, "3000", "10000", "75000"},
        {"1000", "200", "9", "9", false, "3200", "6000", "71000"},
        {"-5", "300", "9", "9", false, "3300", "5000", "70000"},  // negative counts as 0
        {"-5", "-1", "40", "4", true, "3004", "5040", "70040"},   // both below 0: the second copy
        {"abc", "", "40", "x", true, "3000", "5040", "70040"},    // not a number counts as below 0
        {"5000000000", "1", nullptr, nullptr, false, "3001", "5000005000", "5000070000"},  // past 32 bits
        {"18446744073709551616", "2", nullptr, nullptr, false, "3002", "5000", "70000"},    // past 64 bits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.prevD ? c.prevD : "-") + "/" + (c.prevU ? c.prevU : "-"));
        MemoryIni s;
        RecordingHost h;
        if (c.prevD) h.copies[{ProtectCopy::Prev, "Dbytes"}] = c.prevD;
        if (c.prevU) h.copies[{ProtectCopy::Prev, "Ubytes"}] = c.prevU;
        if (c.nextD) h.copies[{ProtectCopy::Next, "Dbytes"}] = c.nextD;
        if (c.nextU) h.copies[{ProtectCopy::Next, "Ubytes"}] = c.nextU;
        RecoverInterruptedSession(s, h, in);

        const bool readNext = std::count(h.copiesRead.begin(), h.copiesRead.end(), ProtectCopy::Next) > 0;
        EXPECT_EQ(readNext, c.readsNext);
        if (!c.up) {
            EXPECT_THAT(s.writes, IsEmpty());
            EXPECT_THAT(h.events, IsEmpty());  // the copies stay
            continue;
        }
        EXPECT_EQ(s.Get("bytes", "up"), c.up);
        EXPECT_EQ(s.Get("bytes", "day"), c.day);
        EXPECT_EQ(s.Get("bytes", "month"), c.month);
        EXPECT_THAT(h.events, ElementsAre(kNotice, "delete protection copies"));
    }
}

TEST_F(StartOfDay, RecoveryLogsResetAndBothConnectionEntriesBeforeStoring) {
    in.eventLogOn = true;
    Copy(ProtectCopy::Prev, "1000", "200");
    RecoverInterruptedSession(store, host, in);
    EXPECT_THAT(host.events, ElementsAre("log 2 Reset", "log 5 1000:6000:71000:29000:[reset]", "log 6 200:3200:-3200",
                                         kNotice, "delete protection copies"));

    RecordingHost quiet;
    quiet.copies = host.copies;
    in.eventLogOn = false;
    store.Set("reset", "notify", "0");
    RecoverInterruptedSession(store, quiet, in);
    EXPECT_THAT(quiet.events, ElementsAre("delete protection copies"));
}

TEST_F(StartOfDay, RecoveryThatCannotStoreShowsTheWriteErrorAndNeverTheNotice) {
    for (const char* failing : {"up", "day", "month"}) {
        SCOPED_TRACE(failing);
        MemoryIni s;
        RecordingHost h;
        s.failing.insert(std::string("bytes.") + failing);
        h.copies[{ProtectCopy::Prev, "Dbytes"}] = "1000";
        RecoverInterruptedSession(s, h, in);
        EXPECT_THAT(h.events, ElementsAre(kWriteError, "delete protection copies"));
    }
}

TEST_F(StartOfDay, RecoveryAddsOnlyWhatTheCountersDoNotHoldOfTheCopiesConnection) {
    // The copies name connection 7 "Dial" with 4000 received, 400 sent, 60 s up; counters day 5000, up 3000.
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> record;  // [bytes] session_* keys
        const char *day, *up;  // nullptr: nothing is added, the copies are deleted without a notice
    };
    const Case cases[] = {
        {"no record", {}, "9000", "3400"},
        {"stored whole before", {{"handle", "7"}, {"entry", "Dial"}, {"in", "4000"}, {"out", "400"}, {"time", "60000"}},
         nullptr, nullptr},
        {"stored in part (a record without a beginning)", {{"handle", "7"}, {"entry", "Dial"}, {"in", "1000"}, {"out", "400"}, {"time", "20000"}},
         "8000", "3000"},
        {"another handle", {{"handle", "8"}, {"entry", "Dial"}, {"in", "1000"}, {"out", "100"}, {"time", "0"}},
         "9000", "3400"},
        {"another entry", {{"handle", "7"}, {"entry", "Dial 2"}, {"in", "1000"}, {"out", "100"}, {"time", "0"}},
         "9000", "3400"},
        {"a longer connection on the same handle",
         {{"handle", "7"}, {"entry", "Dial"}, {"in", "1000"}, {"out", "100"}, {"time", "90000"}}, "9000", "3400"},
        // The copies' connection began at 1700000000000 ms.
        {"stored in part, begun at the same instant",
         {{"handle", "7"}, {"entry", "Dial"}, {"in", "1000"}, {"out", "400"}, {"time", "20000"},
          {"start", "1700000004000"}},
         "8000", "3000"},
        {"an earlier connection that got the same handle",
         {{"handle", "7"}, {"entry", "Dial"}, {"in", "1000"}, {"out", "400"}, {"time", "20000"},
          {"start", "1699999990000"}},
         "9000", "3400"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryIni s;
        RecordingHost h;
        for (const auto& [key, value] : c.record) s.Set("bytes", (std::string("session_") + key).c_str(), value);
        h.copies = {{{ProtectCopy::Prev, "Dbytes"}, "4000"}, {{ProtectCopy::Prev, "Ubytes"}, "400"},
                    {{ProtectCopy::Prev, "Handle"}, "7"},     {{ProtectCopy::Prev, "Entry"}, "Dial"},
                    {{ProtectCopy::Prev, "Duration"}, "60000"}, {{ProtectCopy::Prev, "Start"}, "1700000000000"}};
        RecoverInterruptedSession(s, h, in);
        if (!c.day) {
            EXPECT_THAT(s.writes, IsEmpty());
            EXPECT_THAT(h.events, ElementsAre("delete protection copies"));
            continue;
        }
        EXPECT_EQ(s.Get("bytes", "day"), c.day);
        EXPECT_EQ(s.Get("bytes", "up"), c.up);
        // The counters now hold the whole of the copies' connection.
        const StoredConnection held = ReadStoredConnection(s);
        EXPECT_EQ(held.id.handle, 7u);
        EXPECT_EQ(held.id.entry, "Dial");
        EXPECT_EQ(held.id.startMs, 1700000000000);
        EXPECT_EQ(held.totals.in, 4000);
        EXPECT_EQ(held.totals.out, 400);
        EXPECT_EQ(held.totals.duration, 60000);
        EXPECT_THAT(h.events, ElementsAre(kNotice, "delete protection copies"));
    }
}

TEST_F(StartOfDay, RecoveryRepeatedAfterAKillAddsNothing) {
    // Copies of this version and of an older one that named no connection.
    for (bool named : {true, false}) {
        SCOPED_TRACE(named);
        MemoryIni s;
        RecordingHost first;
        host.copies.clear();
        Copy(ProtectCopy::Prev, "1000", "200");
        if (named) host.copies[{ProtectCopy::Prev, "Handle"}] = "7";
        first.copies = host.copies;
        in.eventLogOn = true;
        RecoverInterruptedSession(s, first, in);
        ASSERT_EQ(s.Get("bytes", "day"), "6000");

        // Killed before the copies were deleted: the next start finds them again with the counters written.
        RecordingHost again;
        again.copies = first.copies;
        in.counters.day = 6000;
        in.counters.month = 71000;
        in.counters.up = 3200;
        RecoverInterruptedSession(s, again, in);
        EXPECT_EQ(s.Get("bytes", "day"), "6000");
        EXPECT_EQ(s.Get("bytes", "up"), "3200");
        EXPECT_THAT(again.events, ElementsAre("delete protection copies"));
        in.counters.day = 5000;
        in.counters.month = 70000;
        in.counters.up = 3000;
    }
}

TEST_F(StartOfDay, RecoveryWritesTheCountersAndTheRecordInOneWrite) {
    Copy(ProtectCopy::Prev, "1000", "200");
    // One refused key leaves all of them unwritten.
    store.failing.insert("bytes.session_in");
    RecoverInterruptedSession(store, host, in);
    EXPECT_THAT(store.writes, IsEmpty());
    EXPECT_THAT(host.events, ElementsAre(kWriteError, "delete protection copies"));
}

TEST_F(StartOfDay, NewDayIsADifferentDayTextOnly) {
    struct Case { const char* lastDay; CivilDate today; bool newDay; };
    const Case cases[] = {
        {"20", {2007, 4, 20}, false},
        {"20", {2007, 5, 20}, false},  // the same day number of another month
        {"19", {2007, 4, 20}, true},
        {"-1", {2007, 4, 20}, true},
        {"5", {2007, 4, 5}, true},  // plain text comparison: "5" is not "05"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lastDay);
        MemoryIni s;
        RecordingHost h;
        s.Set("reset", "date", c.lastDay);
        s.Set("bytes", "day", "123");
        in.today = c.today;
        EXPECT_EQ(HandleNewDay(s, h, in), c.newDay);
        EXPECT_EQ(s.Get("bytes", "day"), c.newDay ? "0" : "123");
        EXPECT_THAT(h.events, IsEmpty());
    }
}

TEST_F(StartOfDay, NewMonthInCalendarModeShiftsTheTableBanksAndClears) {
    LastStart("31", "03");
    in.today = {2007, 4, 1};
    store.Fill({
        {"table", "month1", "300"}, {"table", "month2", "200"}, {"table", "month3", "100"},
        {"bytes", "month", "1500,5"}, {"bytes", "day", "10"}, {"bytes", "up", "20"}, {"bytes", "monthlim", "1000"},
        {"bytes", "backup", "2000"}, {"data", "backup", "1"}
    });
    RunStartOfDaySteps(store, host, in);

    EXPECT_EQ(store.Get("table", "month3"), "200");
    EXPECT_EQ(store.Get("table", "month2"), "300");
    EXPECT_EQ(store.Get("table", "month1"), "1500,5");  // copied as it stands
    EXPECT_EQ(store.Get("bytes", "backup"), "1499,5");  // the overrun lowers the bank
    EXPECT_EQ(store.Get("bytes", "month"), "0");
    EXPECT_EQ(store.Get("bytes", "day"), "0");
    EXPECT_EQ(store.Get("bytes", "up"), "0");
    EXPECT_THAT(host.events, ElementsAre("delete logs"));
}

TEST_F(StartOfDay, NewMonthOutsideCalendarModeOnlyDeletesTheLogs) {
    struct Case { const char *unlim, *period, *clear; bool rolls, deletesLogs; };
    const Case cases[] = {
        {"0", "0", "1", true, true},   {"0", "1", "1", true, true},  // period 1 is the calendar month
        {"0", "1", "0", true, false},  {"1", "0", "1", false, true},
        {"0", "30", "1", false, true}, {"1", "30", "0", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.unlim) + "/" + c.period + "/" + c.clear);
        MemoryIni s;
        RecordingHost h;
        s.Fill({
            {"reset", "month", "03"}, {"data", "unlim", c.unlim}, {"data", "period", c.period},
            {"log", "clear", c.clear}, {"bytes", "month", "777"}, {"data", "backup", "1"}
        });
        HandleNewMonth(s, h, in);
        EXPECT_EQ(s.Get("bytes", "month"), c.rolls ? "0" : "777");
        EXPECT_EQ(s.Get("table", "month1"), c.rolls ? "777" : "<missing>");
        EXPECT_EQ(s.Get("bytes", "backup"), c.rolls ? "-777" : "<missing>") << "a missing limit reads 0";
        EXPECT_EQ(h.events, c.deletesLogs ? std::vector<std::string>{"delete logs"} : std::vector<std::string>{});
    }
}

TEST_F(StartOfDay, NewMonthStepsFailOnTheirOwn) {
    store.Fill({
        {"reset", "month", "03"}, {"table", "month2", "not a number"}, {"table", "month1", "5"},
        {"bytes", "month", "800"}, {"bytes", "monthlim", "1000"}, {"bytes", "backup", "0"},
        {"data", "backup", "1"}
    });
    store.failing.insert("bytes.day");
    HandleNewMonth(store, host, in);
    EXPECT_EQ(store.Get("table", "month3"), "<missing>");  // the shift stopped at its first value
    EXPECT_EQ(store.Get("table", "month1"), "5");
    EXPECT_EQ(store.Get("bytes", "backup"), "200");  // the bank still ran
    EXPECT_EQ(store.Get("bytes", "month"), "0");     // zeroing stops where the write failed
    EXPECT_EQ(store.Get("bytes", "up"), "<missing>");
}

std::string Summary(const std::string& used, const std::string& left, const std::string& limit,
                    const std::string& bank) {
    return "info box: Quon Tollen II »»» смена отчётного периода\n\n  байт скачано за период: " + used +
           "\n  байт на балансе на конец периода: " + left + "\n  байт на балансе на начало периода: " + limit +
           "\n  байт сохранено (в банке): " + bank;
}

TEST_F(StartOfDay, PeriodEndMovesTheDatesPastTodayAndCreditsTheBankOnce) {
    // Today is 20.04.07; the period is 30 days, warning 5 days.
    struct Case { const char* next; const char* newNext; const char* newRemind; };
    const Case cases[] = {
        {"20.04.07", "20.05.07", "15.05.07"},  // ends today
        {"15.03.07", "14.05.07", "09.05.07"},  // ended more than one period ago: rolled once, past today
        {"21.03.07", "20.05.07", "15.05.07"},  // exactly one period ago
        {"01.01.06", "26.04.07", "21.04.07"},  // a pause of more than a year
        {"29.02.08", nullptr, nullptr},        // still ahead
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.next);
        MemoryIni s;
        RecordingHost h;
        s.Fill({
            {"reset", "date", "19"}, {"data", "period", "2"}, {"alt", "next", c.next}, {"alt", "period", "30"},
            {"data", "backup", "1"}, {"bytes", "month", "1234567"}, {"bytes", "up", "50"},
            {"bytes", "monthlim", "2000000"}, {"bytes", "backup", "100"}
        });
        HandleNewDay(s, h, in);
        if (!c.newNext) {
            EXPECT_EQ(s.Get("alt", "next"), c.next);
            EXPECT_EQ(s.Get("bytes", "month"), "1234567");
            continue;
        }
        EXPECT_EQ(s.Get("alt", "next"), c.newNext);
        EXPECT_EQ(s.Get("alt", "remind"), c.newRemind);
        EXPECT_EQ(s.Get("bytes", "backup"), "765533");
        EXPECT_THAT(s.writes, ElementsAre("bytes.day=0", "bytes.backup=765533", "bytes.month=0", "bytes.day=0",
                                          "bytes.up=0", std::string("alt.next=") + c.newNext,
                                          std::string("alt.remind=") + c.newRemind));
        EXPECT_THAT(h.events, ElementsAre(Summary("1 234 567", "765 433", "2 000 000", "765 533")));

        // The next day the new period is running: nothing is closed again.
        MemoryIni after = s;
        after.writes.clear();
        after.Set("bytes", "month", "10");
        after.Set("reset", "date", "20");
        RecordingHost h2;
        StartOfDayInput tomorrow = in;
        tomorrow.today = {2007, 4, 21};
        HandleNewDay(after, h2, tomorrow);
        EXPECT_THAT(after.writes, ElementsAre("bytes.day=0"));
        EXPECT_EQ(after.Get("bytes", "month"), "10");
    }
}

TEST_F(StartOfDay, PeriodEndSurvivesAbsurdDayCounts) {
    for (const char* count : {"9223372036854775807", "-9223372036854775808"}) {
        SCOPED_TRACE(count);
        MemoryIni s;
        RecordingHost h;
        s.Fill({
            {"reset", "date", "19"}, {"data", "period", "2"}, {"alt", "next", "20.04.07"},
            {"alt", "period", count}, {"alt", "warn", count}
        });
        HandleNewDay(s, h, in);
        EXPECT_TRUE(ParseDateText(s.Get("alt", "next")).has_value()) << s.Get("alt", "next");
        EXPECT_TRUE(ParseDateText(s.Get("alt", "remind")).has_value()) << s.Get("alt", "remind");
    }
}

TEST_F(StartOfDay, PeriodSummaryShowsAnOverrunAndFollowsTheSwitches) {
    OwnPeriod("20.04.07", "30");
    LastStart("19", "04");
    store.Fill({
        {"bytes", "month", "1500"}, {"bytes", "monthlim", "1000"}, {"data", "backup", "1"}
    });
    RunStartOfDaySteps(store, host, in);
    EXPECT_EQ(store.Get("bytes", "backup"), "-500");
    EXPECT_THAT(host.events, ElementsAre(Summary("1 500", "-500", "1 000", "-500")));

    MemoryIni silent;
    RecordingHost h;
    silent.values = store.values;
    silent.Fill({
        {"reset", "date", "19"}, {"alt", "next", "20.04.07"}, {"alt", "notify", "0"}, {"data", "backup", "0"},
        {"bytes", "backup", "7"}
    });
    RunStartOfDaySteps(silent, h, in);
    EXPECT_EQ(silent.Get("alt", "next"), "20.05.07");
    EXPECT_EQ(silent.Get("bytes", "backup"), "7");  // bank off
    EXPECT_THAT(h.events, IsEmpty());
}

TEST_F(StartOfDay, NextDateThatIsNoRealDayClosesNothing) {
    for (const char* next : {"31.04.07", "29.02.07", "xx.04.07", "", "15.03"}) {
        SCOPED_TRACE(next);
        MemoryIni s;
        RecordingHost h;
        s.Fill({
            {"reset", "date", "19"}, {"data", "period", "2"}, {"alt", "next", next}, {"bytes", "month", "999"},
            {"bytes", "up", "9"}
        });
        HandleNewDay(s, h, in);
        EXPECT_THAT(s.writes, ElementsAre("bytes.day=0"));
        EXPECT_EQ(s.Get("alt", "next"), next);
        EXPECT_THAT(h.events, IsEmpty());
    }
}

TEST_F(StartOfDay, WarnsFromTheRemindDateBeforeThePeriodEnds) {
    const std::string lead = "info box: внимание! до конца текущего отчётного периода осталось менее ";
    struct Case { const char* warn; const char* remind; std::optional<std::string> box; };
    const Case cases[] = {
        {"1", "20.04.07", lead + "дня"},  {"3", "18.04.07", lead + "3 дней"}, {"10", "11.04.07", lead + "10 дней"},
        {"3", "21.04.07", std::nullopt},  {"0", "18.04.07", std::nullopt},     {"3", "bad", std::nullopt},
        {"3", nullptr, std::nullopt},  // no remind date: tomorrow is assumed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.warn) + " " + (c.remind ? c.remind : "-"));
        MemoryIni s;
        RecordingHost h;
        s.Fill({
            {"reset", "date", "19"}, {"data", "period", "30"}, {"alt", "next", "25.04.07"},
            {"alt", "warn", c.warn}
        });
        if (c.remind) s.Set("alt", "remind", c.remind);
        HandleNewDay(s, h, in);
        if (c.box) EXPECT_THAT(h.events, ElementsAre(*c.box));
        else EXPECT_THAT(h.events, IsEmpty());
        EXPECT_EQ(s.Get("alt", "next"), "25.04.07");
    }
}

TEST_F(StartOfDay, FailedStampBeepsFourTimesAt150Hz) {
    StampThisStart(store, host, in);
    EXPECT_EQ(store.Get("reset", "date"), "20");
    EXPECT_EQ(store.Get("reset", "month"), "04");
    EXPECT_THAT(host.events, IsEmpty());

    const std::vector<std::string> beeps = {"beep 150 50", "sleep 50", "beep 150 50", "sleep 50",
                                            "beep 150 50", "sleep 50", "beep 150 50"};
    for (const char* failing : {"date", "month"}) {
        SCOPED_TRACE(failing);
        MemoryIni s;
        RecordingHost h;
        s.failing.insert(std::string("reset.") + failing);
        StampThisStart(s, h, in);
        EXPECT_EQ(h.events, beeps);
    }
}

TEST_F(StartOfDay, SecondStartOnTheSameDayOnlyStampsAgain) {
    OwnPeriod("20.04.07", "30");
    store.Set("alt", "warn", "30");  // a warning would be due on every later day
    store.Set("data", "backup", "1");
    store.Set("bytes", "month", "500");
    Copy(ProtectCopy::Prev, "100", "10");
    EXPECT_TRUE(RunStartOfDaySteps(store, host, in));
    ASSERT_FALSE(host.events.empty());

    // The recovery deleted the copies.
    RecordingHost second;
    MemoryIni before = store;
    store.writes.clear();
    EXPECT_FALSE(RunStartOfDaySteps(store, second, in));
    EXPECT_THAT(store.writes, ElementsAre("reset.date=20", "reset.month=04"));
    EXPECT_EQ(store.values, before.values);
    EXPECT_THAT(second.events, IsEmpty());
}


}  // namespace
}  // namespace quon
