// The main window's event log, activity log, protection copies and RAS reading, in this process.
#include <gtest/gtest.h>

#include <cstdio>

#include "framework/application.h"
#include "framework/program_folder.h"
#include "mainwindow/main_form.h"
#include "tests/e2e/harness.h"
#include "tests/support/box_answerer.h"

namespace quon {
namespace {

class MeasuringFiles : public ::testing::Test {
protected:
    void SetUp() override {
        // Stamped today: the start rolls no day or month over and has nothing to report.
        SYSTEMTIME now;
        GetLocalTime(&now);
        char stamp[64];
        std::snprintf(stamp, sizeof stamp, "[reset]\r\ndate=%02u\r\nmonth=%02u\r\n", unsigned(now.wDay),
                      unsigned(now.wMonth));
        dir.WriteData(std::string("[visibility]\r\nstart=0\r\n[events]\r\nballoon=0\r\n") + stamp);
        fw::OverrideProgramFolderForTests(dir.PathA());
        fw::Application::Initialize();
        quon::test::BoxAnswerer boxes;
        ASSERT_TRUE(form.CreateForm());
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{});
    }
    std::string Value(const std::string& file, const char* section, const char* key) {
        char buf[256] = {};
        GetPrivateProfileStringA(section, key, "<missing>", buf, sizeof buf, (dir.PathA() + file).c_str());
        return buf;
    }

    void TearDown() override { fw::OverrideProgramFolderForTests(""); }

    rig::TestFolder dir;
    rig::RasDouble ras{dir};  // before the window: its start already asks RAS for the phone book
    Tfrm_quonm form{""};
};

TEST_F(MeasuringFiles, EventLogOnlyWhenSwitchedOn) {
    form.opt.eventLogOn = false;
    form.WriteEventLog(elConnected, "Connected:Dial");
    EXPECT_FALSE(dir.Exists("data.log"));

    form.opt.eventLogOn = true;
    form.WriteEventLog(elConnected, "Connected:Dial");
    form.WriteEventLog(elDisconnected, "Disconnected");
    std::string log = dir.Read("data.log").value_or("");
    EXPECT_EQ(log.find("[status]"), 0u) << log;
    // "dd.mm.yy|hh:nn:ss|3=Connected:Dial": the key is 19 characters.
    size_t eq = log.find("|3=Connected:Dial");
    ASSERT_NE(eq, std::string::npos) << log;
    EXPECT_EQ(log[eq - 18], '\n');
    EXPECT_NE(log.find("|4=Disconnected"), std::string::npos) << log;
}

TEST_F(MeasuringFiles, ActivityLogOnlyGrows) {
    for (char digit : {'0', '2', '5'}) EXPECT_TRUE(form.AppendActivityLog(digit));
    EXPECT_EQ(dir.Read("traffic.log"), "025");
    // A log that cannot be opened for writing: the write fails and says so.
    SetFileAttributesW(dir.File("traffic.log").c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE held = CreateFileW(dir.File("traffic.log").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    EXPECT_FALSE(form.AppendActivityLog('1'));
    CloseHandle(held);
    EXPECT_EQ(dir.Read("traffic.log"), "025");
}

TEST_F(MeasuringFiles, ProtectionCopiesOnlyWhileCountedOnlineWithProtection) {
    struct Case { bool online, protection; bool written; };
    const Case cases[] = {{true, true, true}, {false, true, false}, {true, false, false}};
    for (const Case& c : cases) {
        form.DeleteProtectFiles();
        form.eng.countedOnline = c.online;
        form.opt.protectionOn = c.protection;
        form.eng.connIn = 4294967296.0 + 5;
        form.eng.connOut = 2147483648.0;
        form.tmr_protect.SetEnabled(true);
        form.tmr_protectTimer();
        for (const char* copy : {"protect_prev.tmp", "protect_next.tmp"}) {
            EXPECT_EQ(dir.Exists(copy), c.written) << copy;
            if (c.written) {
                EXPECT_EQ(Value(copy, "save", "Dbytes"), "4294967301");
                EXPECT_EQ(Value(copy, "save", "Ubytes"), "2147483648");
            }
        }
        // The timer keeps running only while it has something to protect.
        EXPECT_EQ(form.tmr_protect.Enabled(), c.written) << c.online << c.protection;
    }
    form.DeleteProtectFiles();
    EXPECT_FALSE(dir.Exists("protect_prev.tmp"));
    EXPECT_FALSE(dir.Exists("protect_next.tmp"));
}

TEST_F(MeasuringFiles, RasReadingAndHangUpThroughTheDouble) {
    dir.WriteRasScript(rig::RasScript().Connected("Провайдер", 4000000000ull, 1234, 60000));
    EXPECT_EQ(form.GetRasStatistics(false), 4000000000.0);
    EXPECT_EQ(form.eng.entryName, "Провайдер");
    EXPECT_EQ(form.eng.connOut, 1234);
    EXPECT_EQ(form.eng.connDuration, 60000);
    EXPECT_TRUE(dir.RasCalls("RasHangUpA").empty());

    EXPECT_EQ(form.GetRasStatistics(true), 4000000000.0);
    EXPECT_EQ(dir.RasCalls("RasHangUpA").size(), 1u);
    EXPECT_EQ(form.GetRasStatistics(false), -1);  // hung up: no connection any more
    EXPECT_EQ(form.eng.entryName, "Провайдер");   // the last connection's figures stay

    dir.ResetRasState();
    dir.WriteRasScript(rig::RasScript().Connected("A", 1, 1).Second("B", 2, 2));
    EXPECT_EQ(form.GetRasStatistics(false), -1);
}

}  // namespace
}  // namespace quon
