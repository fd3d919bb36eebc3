// A connection's bytes reach the counters once, whenever the program is killed and whatever odd answer
// a poll gets: the program killed at chosen moments of the recovery and the disconnect store, a
// connection that outlives the program, odd polls inside a connection and a redial between two ticks.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "framework/text.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/meter_session.h"

namespace {

// Counters before any connection: day 5000, month 70000, up 3000.
constexpr uint64_t kDay = 5000, kMonth = 70000, kUp = 3000;

// Quiet settings with protection copies every second; notify: the notice after a recovery.
std::string Settings(bool notify = false) {
    return "[visibility]\r\nstart=0\r\nshow=0\r\nhide=0\r\n[events]\r\nballoon=0\r\n[log]\r\ndata=1\r\nclear=0\r\n"
           "[reset]\r\ninterval=1\r\nnotify=" + std::string(notify ? "1" : "0") + "\r\n" +
           quon::e2e::TodayStamp() +
           "[bytes]\r\nday=5000\r\nmonth=70000\r\nup=3000\r\nmonthlim=1000000000\r\ndaylim=1000000000\r\n";
}

std::string IniValue(const rig::TestFolder& dir, const std::string& file, const char* section, const char* key) {
    wchar_t buf[512] = {};
    GetPrivateProfileStringW(fw::Widen(section).c_str(), fw::Widen(key).c_str(), L"<missing>", buf, 512,
                             dir.File(file).c_str());
    return fw::Narrow(buf);
}

struct Counted {
    std::string day, month, up;
    bool operator==(const Counted&) const = default;
};
Counted Read(const rig::TestFolder& dir) {
    return {IniValue(dir, "data.qif", "bytes", "day"), IniValue(dir, "data.qif", "bytes", "month"),
            IniValue(dir, "data.qif", "bytes", "up")};
}
// The counters with one connection of in and out bytes added.
Counted With(uint64_t in, uint64_t out) {
    return {std::to_string(kDay + in), std::to_string(kMonth + in), std::to_string(kUp + out)};
}
std::ostream& operator<<(std::ostream& os, const Counted& c) {
    return os << "day " << c.day << ", month " << c.month << ", up " << c.up;
}

bool CopiesGone(const rig::TestFolder& dir) {
    return !dir.Exists("protect_prev.tmp") && !dir.Exists("protect_next.tmp");
}

// The program measures a connection of in and out bytes until its protection copies hold them; then
// it is killed, as by a power loss.
void KillWhileOnline(const rig::TestFolder& dir, uint64_t in, uint64_t out) {
    dir.WriteData(Settings());
    dir.WriteRasScript(rig::RasScript().Connected("Dial", in, out));
    rig::Program app(dir);
    ASSERT_NE(app.WaitForWindow(), nullptr);
    ASSERT_TRUE(rig::WaitUntil([&] {
        return IniValue(dir, "protect_next.tmp", "save", "Ubytes") == std::to_string(out);
    }, 15000));
    app.Terminate();
    ASSERT_EQ(Read(dir), With(0, 0));
}

// The start-up of a program started at sinceMs has ended (its last step reads the phone book).
bool StartUpEnded(const rig::TestFolder& dir, int64_t sinceMs) {
    return dir.WaitForRasCall("RasEnumEntriesA", 10000, [&](const rig::RasCall& c) { return c.ms >= sinceMs; })
        .has_value();
}

// A poll after sinceMs that read these received bytes.
bool Polled(const rig::TestFolder& dir, int64_t sinceMs, uint64_t in) {
    return dir.WaitForRasCall("RasGetConnectionStatistics", 15000, [&](const rig::RasCall& c) {
        return c.ms >= sinceMs && c.Field("in") == std::to_string(in);
    }).has_value();
}

// Starts the program once more on the folder and lets its start-up end: the counters hold the
// connection once and the copies are gone.
void ExpectCountedOnceAtTheNextStart(const rig::TestFolder& dir, const Counted& once) {
    const int64_t started = rig::NowMs();
    rig::Program app(dir);
    ASSERT_TRUE(StartUpEnded(dir, started));
    EXPECT_TRUE(app.MessageBoxes().empty());
    EXPECT_EQ(Read(dir), once);
    EXPECT_TRUE(CopiesGone(dir));
}

// A file of this folder held open by another program that lets it be read and written but not deleted.
class HeldOpen {
public:
    HeldOpen(const rig::TestFolder& dir, const std::string& name)
        : h_(CreateFileW(dir.File(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr)) {}
    ~HeldOpen() { Release(); }
    bool Held() const { return h_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Held()) CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE h_;
};

TEST(CountedOnce, KilledWhileTheRecoveryNoticeWaits) {
    rig::TestFolder dir;
    KillWhileOnline(dir, 4000, 400);
    dir.WriteRasScript(rig::RasScript().Offline());
    dir.WriteData(Settings(true));
    {
        rig::Program app(dir);
        ASSERT_TRUE(app.WaitForBox(10000, "данные прерванного").has_value());
        EXPECT_EQ(Read(dir), With(4000, 400));
        app.Terminate();  // the user logs off with the notice still open
    }
    ExpectCountedOnceAtTheNextStart(dir, With(4000, 400));
}

TEST(CountedOnce, KilledBetweenTheRecoveredCountersAndTheDeletionOfTheCopies) {
    rig::TestFolder dir;
    KillWhileOnline(dir, 4000, 400);
    dir.WriteRasScript(rig::RasScript().Offline());
    {
        // The copies cannot be deleted while another program holds them: the recovery ends with the
        // counters written and the copies still there, the state a kill right after the writes leaves.
        HeldOpen prev(dir, "protect_prev.tmp"), next(dir, "protect_next.tmp");
        ASSERT_TRUE(prev.Held() && next.Held());
        const int64_t started = rig::NowMs();
        rig::Program app(dir);
        ASSERT_TRUE(StartUpEnded(dir, started));
        EXPECT_EQ(Read(dir), With(4000, 400));
        app.Terminate();
        EXPECT_FALSE(CopiesGone(dir));
    }
    ExpectCountedOnceAtTheNextStart(dir, With(4000, 400));
}

TEST(CountedOnce, KilledInTheDisconnectStoreBeforeTheCopiesAreDeleted) {
    rig::TestFolder dir;
    dir.WriteData(Settings());
    dir.WriteRasScript(rig::RasScript().Connected("Dial", 4000, 400));
    {
        rig::Program app(dir);
        ASSERT_NE(app.WaitForWindow(), nullptr);
        ASSERT_TRUE(rig::WaitUntil([&] { return IniValue(dir, "protect_next.tmp", "save", "Ubytes") == "400"; },
                                   15000));
        // A limit that is no number makes the reload after the store stop at its error box: the program
        // waits there with the connection stored and the copies not yet deleted.
        ASSERT_TRUE(WritePrivateProfileStringW(L"bytes", L"daylim", L"lots", dir.File("data.qif").c_str()));
        dir.WriteRasScript(rig::RasScript().Offline());
        ASSERT_TRUE(app.WaitForBox(15000, "критическая ошибка").has_value());
        EXPECT_EQ(Read(dir), With(4000, 400));
        EXPECT_FALSE(CopiesGone(dir));
        app.Terminate();
    }
    ASSERT_TRUE(WritePrivateProfileStringW(L"bytes", L"daylim", L"1000000000", dir.File("data.qif").c_str()));
    ExpectCountedOnceAtTheNextStart(dir, With(4000, 400));
}

TEST(CountedOnce, ConnectionThatOutlivesTheProgramIsCountedOnce) {
    rig::TestFolder dir;
    KillWhileOnline(dir, 4000, 400);
    // The connection goes on while the program is down, and after its restart.
    dir.WriteRasScript(rig::RasScript().Connected("Dial", 9000, 900));
    const int64_t started = rig::NowMs();
    rig::Program app(dir);
    ASSERT_TRUE(StartUpEnded(dir, started));
    EXPECT_EQ(Read(dir), With(4000, 400));  // recovered at the start
    ASSERT_TRUE(Polled(dir, started, 9000));
    dir.WriteRasScript(rig::RasScript().Offline());
    rig::WaitUntil([&] { return Read(dir) == With(9000, 900); }, 10000);
    EXPECT_EQ(Read(dir), With(9000, 900));
    EXPECT_TRUE(rig::WaitUntil([&] { return CopiesGone(dir); }, 3000));
}

TEST(CountedOnce, OddPollInsideAConnectionCountsItOnce) {
    struct Case {
        const char* folder;
        rig::RasScript odd;
    };
    const std::vector<Case> cases = {
        {"-second connection listed", rig::RasScript().Connected("Dial", 5000, 500).Second("VPN", 70, 7)},
        {"-statistics failed", rig::RasScript().Connected("Dial", 5000, 500).Error("RasGetConnectionStatistics", 6)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        rig::TestFolder dir(c.folder);
        dir.WriteData(Settings());
        dir.WriteRasScript(rig::RasScript().Connected("Dial", 5000, 500));
        const int64_t started = rig::NowMs();
        rig::Program app(dir);
        ASSERT_TRUE(Polled(dir, started, 5000));
        // The odd poll counts as the end of the connection: what it had is stored.
        dir.WriteRasScript(c.odd);
        ASSERT_TRUE(rig::WaitUntil([&] { return Read(dir) == With(5000, 500); }, 10000)) << Read(dir);
        // The same connection is back with its running totals, and ends later.
        const int64_t back = rig::NowMs();
        dir.WriteRasScript(rig::RasScript().Connected("Dial", 6000, 600));
        ASSERT_TRUE(Polled(dir, back, 6000));
        dir.WriteRasScript(rig::RasScript().Offline());
        rig::WaitUntil([&] { return Read(dir) == With(6000, 600); }, 10000);
        EXPECT_EQ(Read(dir), With(6000, 600));
        EXPECT_TRUE(app.MessageBoxes().empty());
    }
}

TEST(CountedOnce, RedialBetweenTwoTicksStoresTheFirstConnection) {
    struct Case {
        uint64_t firstIn, secondIn;
    };
    // The second connection starts lower: by a little, and by more than half the 32-bit range, which is
    // no wrap of the first one's counter either.
    const Case cases[] = {{5000, 300}, {3000000000ull, 1000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstIn);
        rig::TestFolder dir(c.firstIn > 100000 ? "-far" : "-near");
        dir.WriteData(Settings());
        dir.WriteRasScript(rig::RasScript().Connected("Dial", c.firstIn, 100));
        const int64_t started = rig::NowMs();
        rig::Program app(dir);
        ASSERT_TRUE(Polled(dir, started, c.firstIn));
        const int64_t redial = rig::NowMs();
        dir.WriteRasScript(rig::RasScript().Connected("Dial", c.secondIn, 10).Raw("connection", "handle", "0x2001"));
        ASSERT_TRUE(Polled(dir, redial, c.secondIn));
        dir.WriteRasScript(rig::RasScript().Offline());
        const Counted both = With(c.firstIn + c.secondIn, 110);
        rig::WaitUntil([&] { return Read(dir) == both; }, 10000);
        EXPECT_EQ(Read(dir), both);
        auto log = dir.Read("data.log").value_or("");
        EXPECT_NE(log.find(":" + std::to_string(kDay + c.firstIn) + ":"), std::string::npos) << log;
    }
}

}  // namespace
