// A connection's bytes reach the counters once, whenever the program is killed and whatever odd answer
// a poll gets: the program killed at chosen moments of the recovery and the disconnect store, a
// connection that outlives the program, odd polls inside a connection and a redial between two ticks.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
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

// The program measures a connection of in and out bytes, begun at began, until its protection copies hold
// them; then it is killed, as by a power loss.
void KillWhileOnline(const rig::TestFolder& dir, uint64_t in, uint64_t out, int64_t began = rig::NowMs()) {
    dir.WriteData(Settings());
    dir.WriteRasScript(rig::RasScript().Connected("Dial", in, out).Since(began));
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
    const int64_t began = rig::NowMs();
    KillWhileOnline(dir, 4000, 400, began);
    // The connection goes on while the program is down, and after its restart.
    dir.WriteRasScript(rig::RasScript().Connected("Dial", 9000, 900).Since(began));
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
    const int64_t began = rig::NowMs();
    const std::vector<Case> cases = {
        {"-second connection listed", rig::RasScript().Connected("Dial", 5000, 500).Second("VPN", 70, 7)},
        {"-statistics failed", rig::RasScript().Connected("Dial", 5000, 500).Error("RasGetConnectionStatistics", 6)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        rig::TestFolder dir(c.folder);
        dir.WriteData(Settings());
        dir.WriteRasScript(rig::RasScript().Connected("Dial", 5000, 500).Since(began));
        const int64_t started = rig::NowMs();
        rig::Program app(dir);
        ASSERT_TRUE(Polled(dir, started, 5000));
        // The odd poll counts as the end of the connection: what it had is stored.
        dir.WriteRasScript(rig::RasScript(c.odd).Since(began));
        ASSERT_TRUE(rig::WaitUntil([&] { return Read(dir) == With(5000, 500); }, 10000)) << Read(dir);
        // The same connection is back with its running totals, and ends later.
        const int64_t back = rig::NowMs();
        dir.WriteRasScript(rig::RasScript().Connected("Dial", 6000, 600).Since(began));
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

// When the double's script was last written, as rig::NowMs() counts: a connection's totals grow from then.
int64_t ScriptWrittenMs(const rig::TestFolder& dir) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(dir.File("fakeras.ini").c_str(), GetFileExInfoStandard, &data);
    const uint64_t ticks = static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 |
                           data.ftLastWriteTime.dwLowDateTime;
    return static_cast<int64_t>(ticks / 10000) - 11644473600000LL;
}

// What the next start recovers: the counts of protect_prev.tmp, or of protect_next.tmp when the first
// holds none.
std::pair<uint64_t, uint64_t> CopiedCounts(const rig::TestFolder& dir) {
    for (const char* file : {"protect_prev.tmp", "protect_next.tmp"}) {
        const std::string d = IniValue(dir, file, "save", "Dbytes"), u = IniValue(dir, file, "save", "Ubytes");
        if (d != "<missing>" || u != "<missing>")
            return {std::strtoull(d.c_str(), nullptr, 10), std::strtoull(u.c_str(), nullptr, 10)};
    }
    return {0, 0};
}

// RAS hands a connection's handle out again once it has ended. Eight connections on the same entry and
// the same handle, each ended by a kill of the program at a random moment, in four folders two in a row:
// each starts with more bytes and a longer connect time than the one before, so that only its beginning
// tells it from that one. Every start adds all of what the copies held of the killed connection, which is
// at most one protection interval plus one tick behind it, and never more.
TEST(CountedOnce, AConnectionThatGetsTheHandleOfAnEarlierOneIsCountedWhole) {
    constexpr int kFolders = 4, kKillsEach = 2;
    constexpr uint64_t kRateIn = 1000, kRateOut = 100;  // bytes per second
    // Protection copies every second and a tick every second; a timer of a busy machine may come late.
    constexpr int64_t kProtectMs = 1000, kTickMs = 1000, kLateMs = 1000;
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> moment(0, 3000);

    struct Folder {
        std::unique_ptr<rig::TestFolder> dir;
        std::unique_ptr<rig::Program> app;
        uint64_t in = 0, out = 0;  // what the counters hold of the connections so far
        int64_t killAt = 0, scriptMs = 0;
    };
    std::vector<Folder> folders(kFolders);
    for (int f = 0; f < kFolders; ++f) {
        folders[f].dir = std::make_unique<rig::TestFolder>("-" + std::to_string(f));
        folders[f].dir->WriteData(Settings());
    }
    for (int k = 0; k <= kKillsEach; ++k) {
        SCOPED_TRACE("connection " + std::to_string(k + 1));
        const bool last = k == kKillsEach;
        const int64_t started = rig::NowMs();
        for (Folder& f : folders) {
            // Connection k began (k + 1) times ten minutes ago; the last start finds none.
            const uint64_t n = static_cast<uint64_t>(k + 1);
            f.dir->WriteRasScript(last ? rig::RasScript().Offline()
                                       : rig::RasScript().Connected("Dial", 200000 * n, 20000 * n, 600000 * n)
                                             .Growing(kRateIn, kRateOut));
            f.scriptMs = ScriptWrittenMs(*f.dir);
            f.app = std::make_unique<rig::Program>(*f.dir, L"/instance");
        }
        for (Folder& f : folders) {
            // The start has recovered the connection before: all of what its copies held. Four programs
            // start at once here, so the start-up may take longer than usual.
            ASSERT_TRUE(f.dir->WaitForRasCall("RasEnumEntriesA", 40000,
                                              [&](const rig::RasCall& c) { return c.ms >= started; }));
            EXPECT_EQ(Read(*f.dir), With(f.in, f.out));
            EXPECT_TRUE(f.app->MessageBoxes().empty());
        }
        if (last) break;
        for (Folder& f : folders) {
            ASSERT_TRUE(rig::WaitUntil([&] {
                return std::strtoull(IniValue(*f.dir, "protect_next.tmp", "save", "Dbytes").c_str(), nullptr, 10) >=
                       200000ull * static_cast<uint64_t>(k + 1);
            }, 30000));
            f.killAt = rig::NowMs() + moment(random);
        }
        std::vector<Folder*> order;
        for (Folder& f : folders) order.push_back(&f);
        std::sort(order.begin(), order.end(), [](const Folder* a, const Folder* b) { return a->killAt < b->killAt; });
        for (Folder* f : order) {
            rig::WaitUntil([&] { return rig::NowMs() >= f->killAt; }, 5000);
            const int64_t killed = rig::NowMs();
            f->app->Terminate();
            const int64_t ended = rig::NowMs();
            const auto [in, out] = CopiedCounts(*f->dir);
            const uint64_t base = 200000ull * static_cast<uint64_t>(k + 1);
            const uint64_t hadAtKill = base + kRateIn * static_cast<uint64_t>(killed - f->scriptMs) / 1000;
            const uint64_t hadAtEnd = base + kRateIn * static_cast<uint64_t>(ended - f->scriptMs) / 1000;
            EXPECT_LE(in, hadAtEnd);
            EXPECT_GE(in + kRateIn * (kProtectMs + kTickMs + kLateMs) / 1000, hadAtKill)
                << "lost " << hadAtKill - in << " bytes";
            f->in += in;
            f->out += out;
        }
    }
    for (Folder& f : folders) EXPECT_TRUE(CopiesGone(*f.dir));
}

}  // namespace
