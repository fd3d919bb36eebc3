// The running program measuring a connection of the RAS double: counters, logs and protection copies.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <sstream>

#include "framework/text.h"
#include "tests/e2e/harness.h"
#include "tests/support/message_box.h"

namespace {

const char kStoreFailure[] =
    "внимание! возникла ошибка при попытке записать данные на диск\n"
    "[ данные этого соединения не будут учтены в общей статистике ]";

// The stamp of a start earlier today, so that the start does not roll a new day or month over.
std::string Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[64];
    std::snprintf(text, sizeof text, "date=%02u\r\nmonth=%02u\r\n", unsigned(now.wDay), unsigned(now.wMonth));
    return text;
}

// Quiet settings: no window, no balloons, every log on, protection copies every second.
std::string Settings(const std::string& extra = "") {
    return "[visibility]\r\nstart=0\r\nshow=0\r\nhide=0\r\n"
           "[events]\r\nballoon=0\r\n"
           "[log]\r\ndata=1\r\ntraffic=1\r\nclear=0\r\n"
           "[reset]\r\ninterval=1\r\n" + Today() +
           "[bytes]\r\nday=5000\r\nmonth=70000\r\nup=3000\r\nmonthlim=100000\r\nuplim=0\r\ndaylim=100000000\r\n" +
           extra;
}

std::string IniValue(const rig::TestFolder& dir, const std::string& file, const char* section, const char* key) {
    wchar_t buf[512] = {};
    GetPrivateProfileStringW(fw::Widen(section).c_str(), fw::Widen(key).c_str(), L"<missing>", buf, 512,
                             dir.File(file).c_str());
    return fw::Narrow(buf);
}

// The values of data.log by event code (the last one of each code).
std::map<int, std::string> EventsByCode(const rig::TestFolder& dir) {
    std::map<int, std::string> out;
    std::istringstream in(dir.Read("data.log").value_or(""));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t eq = line.find('=');
        if (eq == std::string::npos || eq < 19) continue;
        out[line[eq - 1] - '0'] = line.substr(eq + 1);
    }
    return out;
}

// The program started on a folder with the quiet settings while the double reports one connection;
// returns once the connect was logged.
std::unique_ptr<rig::Program> StartOnline(const rig::TestFolder& dir, uint64_t in, uint64_t out) {
    dir.WriteData(Settings());
    dir.WriteRasScript(rig::RasScript().Connected("Dial", in, out));
    auto app = std::make_unique<rig::Program>(dir);
    EXPECT_NE(app->WaitForWindow(), nullptr);
    EXPECT_TRUE(dir.WaitForFileText("data.log", "Connected:Dial", 15000));
    return app;
}

TEST(Measuring, ConnectionUpAndDownStoresTheCountersAndLogs) {
    rig::TestFolder dir;
    auto app = StartOnline(dir, 1000, 200);
    // Online: the protection copies appear with the bytes so far.
    ASSERT_TRUE(dir.WaitForFileText("protect_next.tmp", "Ubytes", 10000));
    EXPECT_EQ(IniValue(dir, "protect_prev.tmp", "save", "Dbytes"), "1000");

    dir.WriteRasScript(rig::RasScript().Offline());
    ASSERT_TRUE(dir.WaitForFileText("data.log", "Disconnected", 10000));
    ASSERT_TRUE(rig::WaitUntil([&] { return IniValue(dir, "data.qif", "bytes", "month") == "71000"; }, 5000));
    EXPECT_EQ(IniValue(dir, "data.qif", "bytes", "day"), "6000");
    EXPECT_EQ(IniValue(dir, "data.qif", "bytes", "up"), "3200");

    auto events = EventsByCode(dir);
    EXPECT_EQ(events[1], "Start");
    EXPECT_EQ(events[3], "Connected:Dial");
    EXPECT_EQ(events[4], "Disconnected");
    EXPECT_EQ(events[5], "1000:6000:71000:29000:Dial");
    EXPECT_EQ(events[6], "200:3200:-3200");
    EXPECT_TRUE(rig::WaitUntil([&] { return !dir.Exists("protect_prev.tmp") && !dir.Exists("protect_next.tmp"); },
                               3000));
    // One level digit per online tick; a connection that does not move stays at level 0.
    auto activity = dir.Read("traffic.log");
    ASSERT_TRUE(activity.has_value());
    EXPECT_FALSE(activity->empty());
    EXPECT_EQ(activity->find_first_not_of('0'), std::string::npos) << *activity;
    EXPECT_TRUE(app->MessageBoxes().empty());
}

TEST(Measuring, KilledWhileOnlineLeavesCopiesWithTheBytesSoFar) {
    rig::TestFolder dir;
    // Beyond the signed 32-bit range: the copies hold unsigned decimals.
    auto app = StartOnline(dir, 3000000000ull, 2500000000ull);
    ASSERT_TRUE(dir.WaitForFileText("protect_next.tmp", "Ubytes", 10000));
    app->Terminate();
    for (const char* copy : {"protect_prev.tmp", "protect_next.tmp"}) {
        EXPECT_EQ(IniValue(dir, copy, "save", "Dbytes"), "3000000000") << copy;
        EXPECT_EQ(IniValue(dir, copy, "save", "Ubytes"), "2500000000") << copy;
    }
    EXPECT_EQ(IniValue(dir, "data.qif", "bytes", "day"), "5000");  // nothing stored: no disconnect was seen
}

TEST(Measuring, StoreFailureShowsTheBoxCountsNothingAndKeepsTicking) {
    rig::TestFolder dir;
    auto app = StartOnline(dir, 1000, 200);

    // The settings file cannot be written any more: a folder took its place.
    const std::wstring data = dir.File("data.qif");
    ASSERT_TRUE(DeleteFileW(data.c_str()));
    ASSERT_TRUE(CreateDirectoryW(data.c_str(), nullptr));
    dir.WriteRasScript(rig::RasScript().Offline());
    auto box = app->WaitForBox(10000, "данные этого соединения");
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, kStoreFailure);
    EXPECT_EQ(box->caption, "");
    ASSERT_TRUE(quon::test::AnswerMessageBox(*box));

    // The program goes on measuring: fresh polls come after the box was closed.
    const int64_t closed = rig::NowMs();
    EXPECT_TRUE(dir.WaitForRasCall("RasEnumConnectionsA", 10000,
                                   [&](const rig::RasCall& c) { return c.ms > closed + 1500; }).has_value());
    EXPECT_TRUE(app->Running());
    EXPECT_TRUE(app->MessageBoxes().empty());
    EXPECT_TRUE(rig::WaitUntil([&] { return !dir.Exists("protect_prev.tmp") && !dir.Exists("protect_next.tmp"); },
                               3000));
    // Nothing was written in the folder's place.
    EXPECT_EQ(GetFileAttributesW(data.c_str()) & FILE_ATTRIBUTE_DIRECTORY, DWORD(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributesW((data + L"\\bytes").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Measuring, TwoConnectionsCountAsOfflineUntilOneIsLeft) {
    rig::TestFolder dir;
    dir.WriteData(Settings());
    dir.WriteRasScript(rig::RasScript().Connected("Dial", 1000, 200).Second("Other", 50, 5));
    rig::Program app(dir);
    ASSERT_NE(app.WaitForWindow(), nullptr);
    // The enumeration with room for one connection fails as a whole; the tick sees no connection.
    ASSERT_TRUE(dir.WaitForRasCall("RasEnumConnectionsA", 15000,
                                   [](const rig::RasCall& c) { return c.result == 603; }).has_value());
    EXPECT_TRUE(dir.RasCalls("RasGetConnectionStatistics").empty());
    EXPECT_EQ(dir.Read("data.log").value_or("").find("Connected"), std::string::npos);

    dir.WriteRasScript(rig::RasScript().Connected("Dial", 1000, 200));
    EXPECT_TRUE(dir.WaitForFileText("data.log", "Connected:Dial", 10000));
}

TEST(Measuring, FirstPollComesWithTheEndOfTheStartDelay) {
    rig::TestFolder dir;
    // Shown at start: showing the window runs a tick, which must not measure yet.
    std::string settings = Settings();
    settings.replace(settings.find("start=0"), 7, "start=1");
    dir.WriteData(settings);
    dir.WriteRasScript(rig::RasScript().Connected("Dial", 1000, 200));
    const int64_t started = rig::NowMs();
    rig::Program app(dir);
    ASSERT_NE(app.WaitForWindow(), nullptr);
    auto first = dir.WaitForRasCall("RasEnumConnectionsA", 15000);
    ASSERT_TRUE(first.has_value());
    EXPECT_GE(first->ms - started, 4900);
}

}  // namespace
