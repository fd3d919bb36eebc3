#include "engine/poll_tick.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>

#include "engine/activity_level.h"
#include "engine/ras_reading.h"
#include "engine/value_forms.h"

namespace quon {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::Contains;
using ::testing::Not;

const char* TimerName(TickTimer t) {
    switch (t) {
        case TickTimer::Get: return "get";
        case TickTimer::Idle: return "idle";
        case TickTimer::Wait: return "wait";
        case TickTimer::Protect: return "protect";
        case TickTimer::Animation: return "animation";
    }
    return "?";
}

// When the connections of these tests began, unless a test says otherwise.
constexpr int64_t kBegan = 1700000000000;

RasReading Online(uint32_t in, uint32_t out, std::string entry = "Dial", uint64_t handle = 7,
                  int64_t began = kBegan, uint32_t durationMs = 1000) {
    RasReading r;
    r.handle = handle;
    r.ok = true;
    r.bytesIn = in;
    r.bytesOut = out;
    r.durationMs = durationMs;
    r.readAtMs = began + durationMs;
    r.entryName = std::move(entry);
    return r;
}
RasReading Offline() { return RasReading{}; }

// Records what the tick asks for, one line per call, and keeps a small model of the window around it:
// timers, the [bytes] counters of the file (read back by the reload) and the settings read at use.
class RecordingPort : public TickPort {
public:
    RecordingPort(EngineState& eng, Options& opt) : eng_(eng), opt_(opt) {}

    std::vector<std::string> log;
    std::deque<RasReading> readings;
    std::map<std::string, int64_t> integers;     // "section.key"
    std::map<std::string, std::string> texts;
    std::map<std::string, std::string> file;     // [bytes] as written
    std::string activity;                        // traffic.log
    bool storeFails = false;
    bool activityFails = false;
    int polls = 0;
    int64_t hintMode = 3;  // extended: the tooltip is always empty, so the lines do not depend on its texts
    bool indicator = false;
    std::function<void()> onShowWindow;
    std::map<TickTimer, bool> running;
    std::map<TickTimer, int> tags{{TickTimer::Animation, -1}};

    // The lines of one kind only, e.g. every "balloon".
    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& line : log)
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
        return out;
    }

    double PollStatistics() override {
        ++polls;
        RasReading r = readings.empty() ? Offline() : readings.front();
        if (!readings.empty()) readings.pop_front();
        return ApplyReading(eng_, r);
    }
    int64_t ReadInteger(const char* s, const char* k, int64_t def) override {
        auto it = integers.find(std::string(s) + "." + k);
        return it == integers.end() ? def : it->second;
    }
    std::string ReadString(const char* s, const char* k, const std::string& def) override {
        auto it = texts.find(std::string(s) + "." + k);
        return it == texts.end() ? def : it->second;
    }
    char DecimalSeparator() override { return ','; }
    void StopTimer(TickTimer t) override {
        running[t] = false;
        log.push_back(std::string("stop ") + TimerName(t));
    }
    void StartTimer(TickTimer t) override {
        running[t] = true;
        log.push_back(std::string("start ") + TimerName(t));
    }
    bool TimerRunning(TickTimer t) override { return running[t]; }
    void SetTimerInterval(TickTimer t, unsigned ms) override {
        log.push_back(std::string("interval ") + TimerName(t) + " " + std::to_string(ms));
    }
    int TimerTag(TickTimer t) override { return tags[t]; }
    void SetTimerTag(TickTimer t, int tag) override {
        tags[t] = tag;
        log.push_back(std::string("tag ") + TimerName(t) + " " + std::to_string(tag));
    }
    void ShowOnlineMenus(bool online) override { log.push_back(online ? "menus online" : "menus offline"); }
    void ShowBalloon(const std::string& text, BalloonIcon icon) override {
        log.push_back("balloon " + std::to_string(static_cast<int>(icon)) + " " + text);
    }
    void PlayEventSound(const std::string& file) override { log.push_back("sound " + file); }
    void Beep(unsigned hz, unsigned ms) override {
        log.push_back("beep " + std::to_string(hz) + " " + std::to_string(ms));
    }
    void Pause(unsigned ms) override { log.push_back("pause " + std::to_string(ms)); }
    void ShowWindow() override {
        log.push_back("show window");
        if (onShowWindow) onShowWindow();
    }
    void HangUp() override { log.push_back("hang up"); }
    void WriteEventLog(EventLogCode code, const std::string& value) override {
        log.push_back("event " + std::to_string(code) + " " + value);
    }
    bool AppendActivityLog(char digit) override {
        log.push_back(std::string("activity ") + digit);
        if (activityFails) return false;
        activity += digit;
        return true;
    }
    // One line for the counters, one for the record of what they hold: "record <handle> <entry> <in> <out>",
    // followed by " began <ms>" for a beginning other than kBegan.
    bool StoreCounters(const KeyValues& keys) override {
        std::string counters = "store", record = "record";
        for (const auto& [key, value] : keys) {
            if (key.rfind("session_", 0) == 0) {
                if (key == "session_start") {
                    if (value != std::to_string(kBegan)) record += " began " + value;
                } else if (key != "session_time") {
                    record += " " + value;
                }
            } else {
                counters += " " + key + " " + value;
            }
        }
        log.push_back(counters);
        log.push_back(record);
        if (storeFails) return false;
        for (const auto& [key, value] : keys)
            if (key.rfind("session_", 0) != 0) file[key] = value;
        return true;
    }
    void WriteProtectCopies(const KeyValues& keys) override {
        std::string line = "copies";
        for (const auto& [key, value] : keys) line += " " + value;
        log.push_back(line);
    }
    void ShowStoreFailure() override { log.push_back("store failure box"); }
    void ReloadSettings() override {
        log.push_back("reload");
        for (auto& [key, value] : file) {
            double v = *ParseCounter(value);
            if (key == "day") opt_.counters.day = v;
            if (key == "month") opt_.counters.month = v;
            if (key == "up") opt_.counters.up = v;
        }
    }
    void DeleteProtectFiles() override { log.push_back("delete copies"); }
    void SetTrayIcon(TraySlot slot) override { log.push_back("icon " + std::to_string(static_cast<int>(slot))); }
    void SetTrayHint(const std::string& hint) override { log.push_back("hint " + hint); }
    void RunAnimationFrame() override { log.push_back("frame"); }
    int64_t HintMode() override { return hintMode; }
    void RunPlugins(PluginEvent event) override { log.push_back("plugins " + std::to_string(event)); }
    bool IndicatorOn() override { return indicator; }
    void SendIndicatorLevel(const std::string& text) override { log.push_back("indicator " + text); }

private:
    EngineState& eng_;
    Options& opt_;
};

class PollTick : public ::testing::Test {
protected:
    PollTick() {
        opt.eventLogOn = true;
        opt.counters.day = 5000;
        opt.counters.month = 70000;
        opt.counters.up = 3000;
        opt.counters.monthlim = 100000;
        opt.counters.uplim = 0;
        opt.counters.daylim = 1e9;
        opt.units = 0;
        opt.decimals = 0;
        opt.speedUnit = 0;
    }
    // One tick with the given reading; returns what it did.
    std::vector<std::string> Tick(RasReading r) {
        port.log.clear();
        port.readings.push_back(std::move(r));
        RunPollTick(eng, opt, texts, port);
        return port.log;
    }

    EngineState eng;
    Options opt;
    DisplayTexts texts;
    RecordingPort port{eng, opt};
};

TEST_F(PollTick, ConnectOnlineAndDisconnectInOrder) {
    EXPECT_THAT(Tick(Offline()), ElementsAre("icon 0", "hint Quon Tollen II", "hint "));
    EXPECT_FALSE(eng.countedOnline);

    port.texts["events.wav_o"] = "on.wav";
    EXPECT_THAT(Tick(Online(400, 100)),
                ElementsAre("tag idle 0", "stop wait", "menus online", "balloon 1 Интернет онлайн (Dial)",
                            "sound on.wav", "show window", "event 3 Connected:Dial", "delete copies",
                            "stop protect", "start protect", "plugins 2",
                            // the online figures of the first tick: level 0
                            "stop animation", "icon 1", "stop idle", "tag idle 0", "hint "));
    EXPECT_TRUE(eng.countedOnline);
    EXPECT_EQ(texts.d_now, "400");
    EXPECT_EQ(texts.d_day, "5 400");
    EXPECT_EQ(texts.d_month, "70 400");
    EXPECT_EQ(texts.u_month, "3 100");
    EXPECT_EQ(texts.d_free, "29 600");
    EXPECT_EQ(texts.u_free, "-3 100");
    EXPECT_EQ(texts.speed, "0 б/с");

    EXPECT_THAT(Tick(Online(1000, 200)), ElementsAre("stop animation", "icon 1", "stop idle", "tag idle 0", "hint "));
    EXPECT_EQ(texts.speed, "600 б/с");
    EXPECT_EQ(texts.upload, "100 б/с");

    port.texts["events.wav_x"] = "off.wav";
    EXPECT_THAT(Tick(Offline()),
                ElementsAre("stop get", "stop idle", "stop animation", "menus offline", "balloon 1 Интернет оффлайн",
                            "sound off.wav", "interval wait 1000", "stop wait", "start wait", "event 4 Disconnected",
                            "event 5 1000:6000:71000:29000:Dial", "event 6 200:3200:-3200",
                            "copies 1000 200 7 \"Dial\" 1000 1700000000000", "store up 3200 day 6000 month 71000",
                            "record 7 \"Dial\" 1000 200", "reload", "start get", "stop protect",
                            "delete copies", "plugins 3", "icon 0", "hint Quon Tollen II", "hint "));
    EXPECT_FALSE(eng.countedOnline);
    // The offline figures come from the reloaded counters, which hold the connection now.
    EXPECT_EQ(texts.d_now, "0");
    EXPECT_EQ(texts.d_day, "6 000");
    EXPECT_EQ(texts.d_month, "71 000");
    EXPECT_EQ(texts.u_month, "3 200");
    EXPECT_EQ(texts.speed, "600 б/с");  // the speed texts keep their last values
}

TEST_F(PollTick, SwitchesThatShortenTheTransitions) {
    opt.eventLogOn = false;
    opt.balloonsOn = false;
    opt.protectionOn = false;
    port.integers["visibility.show"] = 0;
    port.integers["visibility.hide"] = 0;
    Tick(Online(10, 10));
    EXPECT_THAT(port.log, Not(Contains("show window")));
    EXPECT_THAT(port.Only("balloon"), IsEmpty());
    EXPECT_THAT(port.Only("event"), IsEmpty());
    EXPECT_THAT(port.Only("delete copies"), IsEmpty());
    EXPECT_THAT(port.Only("start protect"), IsEmpty());
    EXPECT_THAT(port.Only("sound"), ElementsAre("sound "));  // the port plays nothing for ""

    Tick(Offline());
    EXPECT_THAT(port.Only("event"), IsEmpty());
    EXPECT_THAT(port.Only("start wait"), IsEmpty());
    // Protection is stopped and its copies deleted at every disconnect, whatever the switch says now.
    EXPECT_THAT(port.Only("stop protect"), ElementsAre("stop protect"));
    EXPECT_THAT(port.Only("delete copies"), ElementsAre("delete copies"));
}

TEST_F(PollTick, HideDelayIsInSeconds) {
    port.integers["visibility.hide"] = 7;
    Tick(Online(10, 10));
    EXPECT_THAT(Tick(Offline()), Contains("interval wait 7000"));
}

TEST_F(PollTick, FirstTickOfANewConnectionStartsFromItsOwnTotals) {
    Tick(Online(900000, 50000));
    Tick(Online(1000000, 60000));
    Tick(Offline());
    opt.levels = {1, 2, 3, 4, 5};  // any growth at all would show
    Tick(Online(300, 20));
    EXPECT_EQ(texts.speed, "0 б/с");
    EXPECT_EQ(texts.upload, "0 б/с");
    EXPECT_EQ(eng.level, 0);
}

TEST_F(PollTick, ShowingTheWindowAtConnectDoesNotRepeatTheConnect) {
    port.onShowWindow = [&] {
        port.readings.push_back(Online(500, 100));
        RunPollTick(eng, opt, texts, port);
    };
    eng.levelHistory[eng.historyCount - 1] = 9;
    Tick(Online(500, 100));
    EXPECT_EQ(port.polls, 1);
    EXPECT_EQ(port.Only("balloon").size(), 1u);
    EXPECT_EQ(port.Only("event 3").size(), 1u);
    EXPECT_EQ(port.Only("plugins 2").size(), 1u);
    EXPECT_EQ(eng.levelHistory[eng.historyCount - 2], 9);  // one history entry, not two
    EXPECT_EQ(eng.levelHistory[eng.historyCount - 1], 0);
    EXPECT_TRUE(eng.countedOnline);
}

TEST_F(PollTick, IgnoredEntryChangesNothing) {
    opt.ignoreList = {"Work", "NULL"};
    opt.activityLogOn = true;
    port.indicator = true;
    eng.prevIn = 77;
    EXPECT_THAT(Tick(Online(5000, 10, "Work")), IsEmpty());
    EXPECT_TRUE(eng.polledOnline);
    EXPECT_FALSE(eng.countedOnline);
    EXPECT_EQ(eng.prevIn, 77);
    EXPECT_EQ(texts.d_now, "");
    EXPECT_THAT(Tick(Offline()), Not(Contains("plugins 3")));
    // The comparison is exact: another letter case is counted.
    EXPECT_THAT(Tick(Online(5000, 10, "work")), Contains("plugins 2"));
}

TEST_F(PollTick, MethodOneNeverPolls) {
    opt.method = 1;
    port.indicator = true;
    EXPECT_THAT(Tick(Online(5000, 10)), ElementsAre("icon 0", "hint Quon Tollen II", "hint ", "indicator -1"));
    EXPECT_EQ(port.polls, 0);
    EXPECT_FALSE(eng.countedOnline);
    EXPECT_EQ(texts.d_day, "5 000");
}

TEST_F(PollTick, FailedPollWhileOnlineIsADisconnect) {
    // Two connections at once make the poll fail as a whole (the reading is not ok).
    Tick(Online(100, 10));
    EXPECT_THAT(Tick(Offline()), Contains("plugins 3"));
    EXPECT_EQ(opt.counters.day, 5100);
}

TEST_F(PollTick, StoreFailureShowsTheBoxAndCountsNothing) {
    port.storeFails = true;
    Tick(Online(100, 10));
    Tick(Online(1000, 200));
    auto log = Tick(Offline());
    EXPECT_THAT(port.Only("store"), ElementsAre("store up 3200 day 6000 month 71000", "store failure box"));
    EXPECT_THAT(log, Contains("reload"));
    EXPECT_THAT(log, Contains("start get"));
    EXPECT_THAT(log, Contains("delete copies"));
    EXPECT_THAT(log, Contains("plugins 3"));
    EXPECT_EQ(opt.counters.day, 5000);
    EXPECT_EQ(opt.counters.up, 3000);
}

TEST_F(PollTick, CountersBeyondFloatPrecisionAndRasWrap) {
    opt.counters.day = 16777216;
    opt.counters.month = 16777216;
    opt.counters.up = 0;
    Tick(Online(16777201, 3));
    Tick(Online(4294967000u, 4));
    Tick(Online(500, 5));  // the 32-bit total wrapped
    EXPECT_EQ(eng.connIn, 4294967296.0 + 500);
    EXPECT_EQ(texts.speed, "796 б/с");
    Tick(Online(100, 6));  // a small fall is no wrap: nothing carried, speed 0
    EXPECT_EQ(eng.connIn, 4294967296.0 + 100);
    EXPECT_EQ(texts.speed, "0 б/с");
    Tick(Online(16777217, 7));
    Tick(Offline());
    EXPECT_EQ(port.file["day"], "4328521729");  // 2^24 + 2^32 + 2^24 + 1, every byte kept
    EXPECT_EQ(port.file["up"], "7");
}

// Each connection's bytes are stored once, whatever the polls between its first and last tick say.
TEST_F(PollTick, EveryConnectionIsStoredOnce) {
    struct Case {
        const char* name;
        std::vector<RasReading> readings;
        double day;  // [bytes] day at the end; the counters start at 5000
        int disconnects, connects;
    };
    const Case cases[] = {
        {"an odd poll inside a connection", {Online(5000, 50), Offline(), Online(6000, 60), Offline()}, 11000, 2, 2},
        {"back after an odd poll with less: another connection", {Online(5000, 50), Offline(), Online(700, 7), Offline()},
         10700, 2, 2},
        {"another entry on the same handle", {Online(5000, 50), Offline(), Online(6000, 60, "Other"), Offline()},
         16000, 2, 2},
        {"redial between two ticks", {Online(5000, 50), Online(300, 3, "Dial", 8), Offline()}, 5300 + 5000, 2, 2},
        {"redial far below: no wrap", {Online(3000000000u, 50), Online(1000, 3, "Dial", 8), Offline()},
         3000006000.0, 2, 2},
        {"redial to another entry", {Online(5000, 50), Online(6000, 60, "Other", 8), Offline()}, 16000, 2, 2},
        {"a wrap of the same connection", {Online(4294967000u, 50), Online(500, 60), Offline()},
         5000 + 4294967296.0 + 500, 1, 1},
        // A handle is handed out again once its connection has ended.
        {"the same handle again after an odd poll, begun later",
         {Online(5000, 50), Offline(), Online(6000, 60, "Dial", 7, kBegan + 60000), Offline()}, 16000, 2, 2},
        {"an odd poll, then the same connection begun a few seconds off",
         {Online(5000, 50), Offline(), Online(6000, 60, "Dial", 7, kBegan + 3000, 9000), Offline()}, 11000, 2, 2},
        {"redial on the same handle between two ticks",
         {Online(5000, 50, "Dial", 7, kBegan, 30000), Online(6000, 60, "Dial", 7, kBegan + 31000, 500), Offline()},
         16000, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineState e;
        Options o = opt;
        RecordingPort p(e, o);
        for (const RasReading& r : c.readings) {
            p.readings.push_back(r);
            RunPollTick(e, o, texts, p);
        }
        EXPECT_EQ(*ParseCounter(p.file["day"]), c.day);
        EXPECT_EQ(*ParseCounter(p.file["month"]), c.day + 65000);
        EXPECT_EQ(p.Only("plugins 3").size(), static_cast<size_t>(c.disconnects));
        EXPECT_EQ(p.Only("plugins 2").size(), static_cast<size_t>(c.connects));
        EXPECT_FALSE(e.countedOnline);
    }
}

TEST_F(PollTick, RedialStoresTheFirstConnectionThenConnectsTheSecond) {
    Tick(Online(1000, 200));
    const auto log = Tick(Online(300, 20, "Dial", 8));
    // The first connection ends as the last tick saw it, under its own name; the second starts from
    // its own totals.
    EXPECT_THAT(port.Only("event"), ElementsAre("event 4 Disconnected", "event 5 1000:6000:71000:29000:Dial",
                                                "event 6 200:3200:-3200", "event 3 Connected:Dial"));
    EXPECT_THAT(port.Only("store"), ElementsAre("store up 3200 day 6000 month 71000"));
    EXPECT_THAT(port.Only("record"), ElementsAre("record 7 \"Dial\" 1000 200"));
    EXPECT_THAT(port.Only("plugins"), ElementsAre("plugins 3", "plugins 2"));
    EXPECT_TRUE(eng.countedOnline);
    EXPECT_EQ(eng.connIn, 300);
    EXPECT_EQ(texts.speed, "0 б/с");
}

TEST_F(PollTick, ConnectionBackAfterAnOddPollLogsAndStoresOnlyItsGain) {
    Tick(Online(5000, 500));
    Tick(Offline());
    EXPECT_EQ(opt.counters.day, 10000);
    Tick(Online(6000, 600));
    const auto log = Tick(Offline());
    EXPECT_THAT(port.Only("event 5"), ElementsAre("event 5 1000:11000:76000:" + std::to_string(100000 - 76000) +
                                                  ":Dial"));
    EXPECT_THAT(port.Only("copies"), ElementsAre("copies 6000 600 7 \"Dial\" 1000 " + std::to_string(kBegan)));
    EXPECT_THAT(port.Only("record"), ElementsAre("record 7 \"Dial\" 6000 600"));
    EXPECT_EQ(opt.counters.day, 11000);
    EXPECT_EQ(opt.counters.up, 3000 + 600);
}

TEST_F(PollTick, ConnectionTheCountersHoldInPartAtTheStartAddsOnlyItsGain) {
    // The record the start read: the counters hold this connection up to 4000 received bytes.
    eng.stored = StoredConnection{{7, "Dial", kBegan}, {4000, 400, 1000}};
    opt.counters.daylim = 12000;  // passed only if the held part were counted again
    Tick(Online(9000, 900));
    // The figures and the limits see that part once as well.
    EXPECT_EQ(texts.d_now, "9 000");
    EXPECT_EQ(texts.d_day, "10 000");
    EXPECT_EQ(texts.u_month, "3 500");
    EXPECT_FALSE(eng.dayWarned);
    Tick(Offline());
    EXPECT_EQ(opt.counters.day, 5000 + 5000);
    EXPECT_EQ(opt.counters.up, 3000 + 500);

    // A connection on the same handle that was up for a shorter time is another one, and so is one that
    // began at another instant; a record without a beginning (an older version's) takes the handle's word.
    struct Case {
        const char* name;
        StoredConnection record;
        double added;
    };
    const Case cases[] = {
        {"up for a shorter time", {{7, "Dial", kBegan}, {4000, 400, 5000}}, 9000},
        {"begun a minute earlier", {{7, "Dial", kBegan - 60000}, {4000, 400, 1000}}, 9000},
        {"begun at the same instant", {{7, "Dial", kBegan + 2000}, {4000, 400, 1000}}, 5000},
        {"a record without a beginning", {{7, "Dial", 0}, {4000, 400, 1000}}, 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineState e;
        e.stored = c.record;
        Options o = opt;
        RecordingPort p(e, o);
        p.readings.push_back(Online(9000, 900));  // connect time 1000 ms
        RunPollTick(e, o, texts, p);
        p.readings.push_back(Offline());
        RunPollTick(e, o, texts, p);
        EXPECT_EQ(o.counters.day, opt.counters.day + c.added);
        // The record names the connection by its own beginning from now on.
        EXPECT_THAT(p.Only("record"), ElementsAre("record 7 \"Dial\" 9000 900"));
    }
}

TEST_F(PollTick, ActivityLogGetsOneDigitPerCountedTick) {
    opt.activityLogOn = true;
    Tick(Online(0, 0));
    Tick(Online(2500, 0));
    Tick(Online(8000, 0));
    Tick(Offline());
    EXPECT_EQ(port.activity, "025");
    EXPECT_THAT(std::vector<int>(eng.levelHistory.begin() + eng.historyCount - 3,
                                 eng.levelHistory.begin() + eng.historyCount),
                ElementsAre(0, 2, 5));

    // A failing write switches the log off until the next reload, silently.
    port.activityFails = true;
    Tick(Online(0, 0));
    Tick(Online(10, 0));
    EXPECT_EQ(port.Only("activity").size(), 0u);
    EXPECT_FALSE(opt.activityLogOn);
}

TEST(ActivityLevel, LastThresholdReachedWins) {
    struct Case { std::array<int64_t, 5> thresholds; double bytes; int level; };
    const std::array<int64_t, 5> def{1024, 2048, 3072, 4096, 5120};
    const Case cases[] = {
        {def, 0, 0}, {def, 1023, 0}, {def, 1024, 1}, {def, 2500, 2}, {def, 5120, 5}, {def, 1e9, 5},
        {{1024, 9000, 2048, 0, 0}, 3000, 5}, {{1024, 9000, 2048, 0, 0}, 0, 5}, {{1024, 9000, 2048, 4000, 9999}, 3000, 3},
        {{5000, 100, 100, 100, 100}, 200, 5},
    };
    for (const Case& c : cases) EXPECT_EQ(ActivityLevel(c.bytes, c.thresholds), c.level) << c.bytes;
}

TEST(ActivityLevel, HistoryShiftsWithinTheBarCount) {
    EngineState eng;
    eng.historyCount = 3;
    for (int level : {1, 2, 3, 4}) PushActivityLevel(eng, level);
    EXPECT_THAT(std::vector<int>(eng.levelHistory.begin(), eng.levelHistory.begin() + 4), ElementsAre(2, 3, 4, 0));
    // A bar count outside 1..300 is held within it, never outside the array.
    for (int count : {0, -5}) {
        eng.historyCount = count;
        PushActivityLevel(eng, 5);
        EXPECT_EQ(eng.levelHistory[0], 5) << count;
        EXPECT_EQ(eng.levelHistory[1], 3) << count;
    }
    for (int count : {301, 100000}) {
        eng.historyCount = count;
        PushActivityLevel(eng, count == 301 ? 1 : 2);
    }
    EXPECT_EQ(eng.levelHistory[kHistorySize - 2], 1);
    EXPECT_EQ(eng.levelHistory[kHistorySize - 1], 2);
}

TEST_F(PollTick, TrayIconByLevelWithAndWithoutAnimation) {
    Tick(Online(0, 0));
    EXPECT_THAT(Tick(Online(3500, 0)), ElementsAre("stop animation", "icon 4", "stop idle", "tag idle 0", "hint "));

    opt.animationOn = true;
    opt.fullStopOn = true;
    EXPECT_THAT(Tick(Online(3500 + 4096, 0)),
                ElementsAre("interval animation 250", "stop animation", "tag animation 0", "frame", "start animation",
                            "stop idle", "tag idle 0", "hint "));
    // Running already: restarted at the new pace without an extra frame.
    EXPECT_THAT(Tick(Online(3500 + 4096 + 1024, 0)),
                ElementsAre("interval animation 1000", "stop animation", "start animation", "stop idle",
                            "tag idle 0", "hint "));
    EXPECT_THAT(Tick(Online(3500 + 4096 + 1024, 0)),
                ElementsAre("icon 1", "tag animation -1", "stop animation", "stop idle", "tag idle 0", "hint "));
    opt.fullStopOn = false;
    EXPECT_THAT(Tick(Online(3500 + 4096 + 1024, 0)),
                ElementsAre("stop animation", "stop idle", "tag idle 0", "hint "));
}

TEST_F(PollTick, IdleTimerRunsOnlyWhileQuiet) {
    struct Step { int64_t minutes; uint32_t in; std::vector<std::string> idle; };
    const Step steps[] = {
        {1, 0, {"start idle"}},                  // level 0: started
        {1, 10, {}},                             // still level 0 and running: left alone, its count goes on
        {1, 2000, {"stop idle", "tag idle 0"}},  // traffic: stopped and the count cleared
        {1, 2000, {"start idle"}},               // quiet again
        {0, 2000, {"stop idle", "tag idle 0"}},  // switched off
    };
    Tick(Online(0, 0));
    for (const Step& s : steps) {
        opt.idleMinutes = s.minutes;
        std::vector<std::string> idle;
        for (const auto& line : Tick(Online(s.in, 0)))
            if (line.find("idle") != std::string::npos) idle.push_back(line);
        EXPECT_EQ(idle, s.idle) << s.minutes << " " << s.in;
    }
}

TEST_F(PollTick, DailyLimitOncePerConnection) {
    opt.counters.daylim = 6000;
    port.texts["events.wav_d"] = "day.wav";
    port.integers["events.hangup_d"] = 1;
    Tick(Online(1000, 0));  // 6000 - (1000 + 5000) = 0: not below
    EXPECT_THAT(port.Only("beep"), IsEmpty());
    auto log = Tick(Online(1001, 0));
    const std::vector<std::string> actions{
        "beep 1000 250", "pause 100", "beep 1000 250", "pause 100", "beep 1000 250", "hang up",
        "balloon 2 Внимание! Превышен дневной лимит входящего трафика", "sound day.wav"};
    auto it = std::find(log.begin(), log.end(), actions[0]);
    ASSERT_LE(it + actions.size(), log.end());
    EXPECT_THAT(std::vector<std::string>(it, it + actions.size()), ElementsAreArray(actions));
    EXPECT_TRUE(eng.dayWarned);
    EXPECT_THAT(Tick(Online(5000, 0)), Not(Contains("sound day.wav")));

    Tick(Offline());
    EXPECT_TRUE(eng.dayWarned);  // kept while offline
    // The next connection repeats the actions at its first tick: day now holds 5000 more.
    log = Tick(Online(1, 0));
    EXPECT_FALSE(log.empty());
    EXPECT_THAT(log, Contains("sound day.wav"));
    EXPECT_EQ(port.Only("beep").size(), 3u);
}

TEST_F(PollTick, DailyLimitSwitches) {
    opt.counters.daylim = 0;
    opt.balloonsOn = false;
    port.integers["events.beep_d"] = 0;
    Tick(Online(1, 0));
    EXPECT_THAT(port.Only("beep"), IsEmpty());
    EXPECT_THAT(port.Only("balloon"), IsEmpty());
    EXPECT_THAT(port.log, Not(Contains("hang up")));
    EXPECT_THAT(port.Only("sound"), ElementsAre("sound ", "sound "));
    EXPECT_TRUE(eng.dayWarned);
}

TEST_F(PollTick, MonthlyLimit) {
    struct Case { double monthlim; uint32_t in; bool acts; };
    const Case cases[] = {
        {0, 1, false}, {1, 1, false},              // no monthly limit at all
        {70500, 500, false}, {70500, 501, true},   // strictly below 0
        {2, 1, true},
    };
    for (const Case& c : cases) {
        eng = EngineState{};
        opt.counters.monthlim = c.monthlim;
        port.texts["events.wav_m"] = "month.wav";
        port.integers["events.hangup_m"] = 1;
        Tick(Online(c.in, 0));
        auto log = port.log;
        if (c.acts) {
            auto it = std::find(log.begin(), log.end(), "beep 1000 1000");
            ASSERT_NE(it, log.end()) << c.monthlim;
            EXPECT_THAT(std::vector<std::string>(it, it + 4),
                        ElementsAre("beep 1000 1000", "hang up", "balloon 3 Внимание! Превышен месячный лимит входящего трафика",
                                    "sound month.wav"));
        } else {
            EXPECT_THAT(log, Not(Contains("sound month.wav"))) << c.monthlim;
            EXPECT_THAT(log, Not(Contains("hang up"))) << c.monthlim;
        }
        EXPECT_EQ(eng.monthWarned, c.acts) << c.monthlim;
    }
}

TEST_F(PollTick, BankCountsFromTheTickAfterTheMonthlyLimit) {
    opt.bankOn = true;
    opt.counters.backup = 50000;
    opt.counters.monthlim = 70100;
    Tick(Online(100, 0));
    EXPECT_EQ(texts.d_free, "0");
    Tick(Online(200, 0));  // passes the limit
    EXPECT_EQ(texts.d_free, "-100");
    Tick(Online(300, 0));
    EXPECT_EQ(texts.d_free, "49 800");
    Tick(Offline());
    EXPECT_EQ(texts.d_free, "49 800");  // offline: the stored 300 are in month now, the bank still counts
}

TEST_F(PollTick, IndicatorGetsTheLevelOrMinusOne) {
    port.indicator = true;
    EXPECT_THAT(Tick(Online(0, 0)), Contains("indicator 0"));
    EXPECT_THAT(Tick(Online(4200, 0)), Contains("indicator 4"));
    EXPECT_THAT(Tick(Offline()), Contains("indicator -1"));
}


}  // namespace
}  // namespace quon
