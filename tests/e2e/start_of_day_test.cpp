// The start of a normal run as the user meets it: recovery of an interrupted session, the new month and
// a second start on the same day, all against today's real date.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/e2e/harness.h"
#include "tests/support/message_box.h"

namespace {

const char kRecovered[] =
    "данные прерванного соединения были успешно сохранены\n[ отключить оповещение можно в настройках программы ]";

std::string TwoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v % 100);
    return buf;
}

struct Today {
    std::string day, month, text;  // "dd", "mm", "dd.mm.yy"
    std::string otherMonth;        // a month text that is not this one
};

Today LocalToday() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    Today t;
    t.day = TwoDigits(now.wDay);
    t.month = TwoDigits(now.wMonth);
    t.text = t.day + "." + t.month + "." + TwoDigits(now.wYear);
    t.otherMonth = TwoDigits(now.wMonth % 12 + 1);
    return t;
}

std::string Value(const rig::TestFolder& dir, const char* file, const char* section, const char* key) {
    char buf[512] = {};
    GetPrivateProfileStringA(section, key, "<missing>", buf, sizeof buf, (dir.PathA() + file).c_str());
    return buf;
}

// FormCreate builds the dial-up submenu after the start-of-day steps: its phone-book call marks their end.
bool StartUpFinished(const rig::TestFolder& dir, int64_t sinceMs = 0) {
    return dir.WaitForRasCall("RasEnumEntriesA", 10000, [&](const rig::RasCall& c) { return c.ms >= sinceMs; })
        .has_value();
}

TEST(StartOfDayRun, RebootStartRecoversTheInterruptedSessionWithLogAndNotice) {
    const Today today = LocalToday();
    rig::TestFolder dir;
    dir.WriteData("[log]\r\ndata=1\r\n[reset]\r\ndate=" + today.day + "\r\nmonth=" + today.month +
                  "\r\n[bytes]\r\nday=5000\r\nmonth=70000\r\nup=3000\r\nmonthlim=100000\r\nuplim=0\r\n");
    const std::string copy = "[save]\r\nDbytes=1000\r\nUbytes=200\r\n";
    dir.Write("protect_prev.tmp", copy);
    dir.Write("protect_next.tmp", copy);

    rig::Program app(dir, L"/reboot");  // a restarted instance recovers like any normal start
    auto box = app.WaitForBox(10000, "данные прерванного");
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, kRecovered);
    EXPECT_EQ(box->caption, "");
    EXPECT_EQ(Value(dir, "data.qif", "bytes", "up"), "3200");
    EXPECT_EQ(Value(dir, "data.qif", "bytes", "day"), "6000");
    EXPECT_EQ(Value(dir, "data.qif", "bytes", "month"), "71000");
    ASSERT_TRUE(quon::test::AnswerMessageBox(*box));
    ASSERT_TRUE(StartUpFinished(dir));

    EXPECT_FALSE(dir.Exists("protect_prev.tmp"));
    EXPECT_FALSE(dir.Exists("protect_next.tmp"));
    auto log = dir.Read("data.log");
    ASSERT_TRUE(log.has_value());
    const size_t reset = log->find("|2=Reset");
    const size_t received = log->find("|5=1000:6000:71000:29000:[reset]");
    const size_t sent = log->find("|6=200:3200:-3200");
    EXPECT_NE(reset, std::string::npos) << *log;
    EXPECT_NE(received, std::string::npos) << *log;
    EXPECT_NE(sent, std::string::npos) << *log;
    EXPECT_LT(reset, received);
    EXPECT_LT(received, sent);
}

TEST(StartOfDayRun, NewMonthDeletesBothLogsAndRollsTheCalendarMonth) {
    const Today today = LocalToday();
    rig::TestFolder dir;
    dir.WriteData("[reset]\r\ndate=" + today.day + "\r\nmonth=" + today.otherMonth +
                  "\r\n[bytes]\r\nmonth=777\r\nday=7\r\nup=70\r\n[table]\r\nmonth1=5\r\n");
    dir.Write("data.log", "[status]\r\nold=Start\r\n");
    dir.Write("traffic.log", "0123450");

    rig::Program app(dir);
    ASSERT_TRUE(StartUpFinished(dir));
    EXPECT_FALSE(dir.Exists("data.log"));
    EXPECT_FALSE(dir.Exists("traffic.log"));
    EXPECT_EQ(Value(dir, "data.qif", "table", "month1"), "777");
    EXPECT_EQ(Value(dir, "data.qif", "table", "month2"), "5");
    EXPECT_EQ(Value(dir, "data.qif", "bytes", "month"), "0");
    EXPECT_EQ(Value(dir, "data.qif", "bytes", "day"), "0");
    EXPECT_EQ(Value(dir, "data.qif", "bytes", "up"), "0");
    EXPECT_EQ(Value(dir, "data.qif", "reset", "month"), today.month);
    EXPECT_TRUE(app.MessageBoxes().empty());
}

TEST(StartOfDayRun, SecondStartOnTheSameDayChangesNothing) {
    const Today today = LocalToday();
    rig::TestFolder dir;
    // A new day on which the own period ends: the first start closes it and shows the summary.
    dir.WriteData("[data]\r\nperiod=30\r\nbackup=1\r\n[alt]\r\nnext=" + today.text +
                  "\r\nperiod=30\r\nwarn=40\r\n[reset]\r\ndate=-1\r\nmonth=-1\r\n"
                  "[bytes]\r\nmonth=1000\r\nday=10\r\nup=100\r\nmonthlim=5000\r\nbackup=0\r\n");
    {
        rig::Program first(dir);
        auto summary = first.WaitForBox(10000, "смена отчётного периода");
        ASSERT_TRUE(summary.has_value());
        ASSERT_TRUE(quon::test::AnswerMessageBox(*summary));
        ASSERT_TRUE(StartUpFinished(dir));
        first.Terminate();
    }
    EXPECT_EQ(Value(dir, "data.qif", "bytes", "backup"), "4000");
    EXPECT_EQ(Value(dir, "data.qif", "reset", "date"), today.day);
    auto afterFirst = dir.Read("data.qif");
    ASSERT_TRUE(afterFirst.has_value());

    const int64_t secondStart = rig::NowMs();
    rig::Program second(dir);
    ASSERT_TRUE(StartUpFinished(dir, secondStart));
    EXPECT_TRUE(second.MessageBoxes().empty());
    EXPECT_EQ(dir.Read("data.qif"), afterFirst);
}

}  // namespace
