// Files the meter reads as a careless tool or a hostile hand may leave them: the start-up ends, the meter
// measures and draws, and a theme picture it cannot draw is reported and replaced, never a silent end.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/meter_session.h"
#include "tests/support/folder_tree.h"
#include "tests/support/message_box.h"

namespace quon::e2e {
namespace {

struct HostileCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> data;  // data.qif lines beside the quiet ones
    const char* plugins;  // plugins.qif, or null
    const char* theme;    // skin.qsf of a copy of the built-in theme that data.qif chooses, or null
};
void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

class HostileFile : public ::testing::TestWithParam<HostileCase> {};

// The meter ends its start-up, measures, draws its figures at every tick and answers as ever.
TEST_P(HostileFile, TheMeterStartsMeasuresAndDraws) {
    const HostileCase& c = GetParam();
    auto data = c.data;
    data.push_back({"visibility", "start=1\r\nfade=6\r\n"});  // shown, so that every tick draws
    // Whole kilobytes: a whole figure gets its decimals as zeros.
    MeterSession m(QuietSettings(data), rig::RasScript().Connected("Dial", 1048576, 1024));
    if (c.plugins) {
        ASSERT_TRUE(m.folder.WritePlugins(c.plugins));
    }
    if (c.theme) {
        ASSERT_TRUE(quon::test::CopyTree(m.folder.File("skins\\default"), m.folder.File("hostile")));
        ASSERT_TRUE(m.folder.Write("hostile\\skin.qsf", c.theme));
        ASSERT_TRUE(WritePrivateProfileStringA("skin", "file", (m.folder.PathA() + "hostile\\skin.qsf").c_str(),
                                               (m.folder.PathA() + "data.qif").c_str()));
    }
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    const size_t polls = m.folder.RasCalls("RasGetConnectionStatistics").size();
    EXPECT_TRUE(rig::WaitUntil([&] { return m.folder.RasCalls("RasGetConnectionStatistics").size() > polls + 1; },
                               10000));
    EXPECT_EQ(m.Ask("get(versionnum)"), "2010");
    EXPECT_TRUE(m.program->Running());
    EXPECT_TRUE(m.program->MessageBoxes().empty());
    PostMessageW(m.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(m.program->WaitForExit(10000));
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFile,
    ::testing::Values(
        HostileCase{"IgnoreListOfTwoBillionItems", {{"ignore", "items=2000000000\r\nitem_1=Work\r\n"}}, nullptr,
                    nullptr},
        HostileCase{"PluginListOfTwoBillionItems", {{"visibility", "plugins=1\r\n"}},
                    "[plugins]\r\nitems=2000000000\r\nitem_1=none.dll\r\n[none.dll]\r\nenabled=0\r\n", nullptr},
        HostileCase{"DecimalsAtTheIntegerLimit", {{"data", "units=1\r\n"}, {"bytes", "float=2147483647\r\n"}},
                    nullptr, nullptr},
        HostileCase{"ThemePlacesAndOffsetsAtTheIntegerLimits", {}, nullptr,
                    "[visibility]\r\nd_now=1\r\nspeed=1\r\n"
                    "[data.d_day]\r\ntop=2147483647\r\nleft=-2147483648\r\nshadow=2147483647\r\n"
                    "[data.d_month]\r\nshadow=-2147483648\r\nsize=2147483647\r\n"
                    "[data.d_now]\r\nleft=2147483647\r\nwidth=2147483647\r\nheight=2147483647\r\n"
                    "[data.speed]\r\ntop=-2147483648\r\nshadow=2147483647\r\n"
                    "[data.graph]\r\nbar=2147483647\r\nspace=2147483647\r\noffset=-2147483648\r\n"
                    "[data.hide]\r\nleft=2147483647\r\nwidth=2147483647\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Answers the program's boxes until done() holds; the texts of the boxes it showed.
std::vector<std::string> AnswerBoxesUntil(rig::Program& program, const std::function<bool()>& done, DWORD timeoutMs) {
    std::vector<std::string> seen;
    rig::WaitUntil([&] {
        for (const quon::test::MessageBoxInfo& box : program.MessageBoxes()) {
            seen.push_back(box.text);
            quon::test::AnswerMessageBox(box, IDOK);
        }
        return done();
    }, timeoutMs);
    return seen;
}

TEST(HostileThemePicture, AFaceThatCannotBeDrawnFallsBackToTheBuiltInTheme) {
    MeterSession m(QuietSettings({{"visibility", "start=1\r\nfade=6\r\n"}}));
    ASSERT_TRUE(quon::test::CopyTree(m.folder.File("skins\\default"), m.folder.File("empty")));
    ASSERT_TRUE(m.folder.Write("empty\\face.png", ""));  // a picture of 0 bytes
    ASSERT_TRUE(WritePrivateProfileStringA("skin", "file", (m.folder.PathA() + "empty\\skin.qsf").c_str(),
                                           (m.folder.PathA() + "data.qif").c_str()));
    m.program = std::make_unique<rig::Program>(m.folder, L"/instance");
    // Each load of the settings reports the theme; the start goes on with the built-in one.
    const std::vector<std::string> boxes =
        AnswerBoxesUntil(*m.program, [&] { return !m.folder.RasCalls("RasEnumConnectionsA").empty(); }, 20000);
    ASSERT_FALSE(m.folder.RasCalls("RasEnumConnectionsA").empty());
    ASSERT_FALSE(boxes.empty());
    for (const std::string& text : boxes)
        EXPECT_NE(text.find("файл фонового рисунка темы не найден"), std::string::npos) << text;
    m.window = m.program->WaitForWindow();
    ASSERT_TRUE(rig::WaitUntil([&] { return IsWindowVisible(m.window) != FALSE; }, 5000));
    const size_t polls = m.folder.RasCalls("RasEnumConnectionsA").size();
    EXPECT_TRUE(rig::WaitUntil([&] { return m.folder.RasCalls("RasEnumConnectionsA").size() > polls + 1; }, 10000));
    EXPECT_TRUE(m.program->Running());
    const rig::WindowState s = rig::ReadWindow(m.window);
    EXPECT_GT(s.rect.right - s.rect.left, 1);  // the built-in face's size
}

TEST(HostileThemePicture, ABuiltInFaceThatCannotBeDrawnIsReportedBeforeTheEnd) {
    MeterSession m(QuietSettings({{"visibility", "start=1\r\nfade=6\r\n"}}));
    ASSERT_TRUE(m.folder.Write("skins\\default\\face.png", "not a picture"));
    m.program = std::make_unique<rig::Program>(m.folder, L"/instance");
    const std::vector<std::string> boxes =
        AnswerBoxesUntil(*m.program, [&] { return !m.program->Running(); }, 20000);
    ASSERT_FALSE(m.program->Running());
    ASSERT_FALSE(boxes.empty());
    for (const std::string& text : boxes)
        EXPECT_NE(text.find("файл «skins\\default\\face.png» не найден"), std::string::npos) << text;
}

// A [bytes] section with 300,000 one-key lines before its real keys: the connection is stored when it
// ends, and the meter goes on measuring, answering and closing as ever.
TEST(HostileSettingsFile, AHugeCounterSectionIsStoredAtTheDisconnect) {
    std::string bytes;
    for (int i = 0; i < 300000; ++i) bytes += "k" + std::to_string(i) + "=0\r\n";
    bytes += "day=5000\r\nmonth=70000\r\nup=3000\r\nmonthlim=1000000000\r\ndaylim=1000000000\r\n";
    MeterSession m(QuietSettings({{"reset", TodayStamp()}, {"bytes", bytes}}),
                   rig::RasScript().Connected("Dial", 4000, 400));
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true, 30000));
    m.folder.WriteRasScript(rig::RasScript().Offline());
    // The meter answers once the tick that stored the connection has ended.
    ASSERT_TRUE(m.WaitCounted(false, 60000));
    auto value = [&](const wchar_t* key) {
        wchar_t buf[64] = {};
        GetPrivateProfileStringW(L"bytes", key, L"<missing>", buf, 64, m.folder.File("data.qif").c_str());
        return std::wstring(buf);
    };
    EXPECT_EQ(value(L"day"), L"9000");
    EXPECT_EQ(value(L"month"), L"74000");
    EXPECT_EQ(value(L"up"), L"3400");
    EXPECT_EQ(value(L"k299999"), L"0");
    EXPECT_EQ(m.Ask("get(versionnum)"), "2010");
    EXPECT_TRUE(m.program->MessageBoxes().empty());
    PostMessageW(m.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(m.program->WaitForExit(20000));
}

}  // namespace
}  // namespace quon::e2e
