// The main window as other programs see it after the start: its class, level, styles and place.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"
#include "tests/support/message_box.h"

namespace {

TEST(MainWindow, IsFoundByItsClassName) {
    rig::TestFolder dir;
    rig::Program app(dir);
    ASSERT_NE(app.WaitForWindow(), nullptr);
    HWND byClass = FindWindowA("Tfrm_quonm", nullptr);
    ASSERT_NE(byClass, nullptr);
    DWORD pid = 0;
    GetWindowThreadProcessId(byClass, &pid);
    EXPECT_EQ(pid, app.Pid());
}

struct LevelCase {
    const char* name;
    const char* data;
    bool topMost;
    bool toolWindow;
};
void PrintTo(const LevelCase& c, std::ostream* os) { *os << c.name; }


class WindowLevel : public ::testing::TestWithParam<LevelCase> {};

TEST_P(WindowLevel, FollowsTheDesktopOption) {
    rig::TestFolder dir;
    dir.WriteData(GetParam().data);
    rig::Program app(dir);
    HWND w = app.WaitForWindow();
    ASSERT_NE(w, nullptr);
    // The styles are set during the start; wait until the layered style is there.
    ASSERT_TRUE(rig::WaitUntil([&] { return (rig::ReadWindow(w).exStyle & WS_EX_LAYERED) != 0; }, 5000));
    rig::WindowState s = rig::ReadWindow(w);
    EXPECT_EQ(s.TopMost(), GetParam().topMost);
    EXPECT_EQ((s.exStyle & WS_EX_TOOLWINDOW) != 0, GetParam().toolWindow);
}

INSTANTIATE_TEST_SUITE_P(Desktop, WindowLevel,
                         ::testing::Values(LevelCase{"NoFile", "", true, true},
                                           LevelCase{"DesktopZero", "[visibility]\r\ndesktop=0\r\n", true, true},
                                           LevelCase{"DesktopOne", "[visibility]\r\ndesktop=1\r\n", false, false},
                                           LevelCase{"DesktopTwo", "[visibility]\r\ndesktop=2\r\n", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PlaceCase {
    const char* name;
    const char* data;
    int fromRight;
    int fromBottom;
};
void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }


class WindowPlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(WindowPlace, IsMeasuredFromTheBottomRightCorner) {
    rig::TestFolder dir;
    dir.WriteData(GetParam().data);
    rig::Program app(dir);
    HWND w = app.WaitForWindow();
    ASSERT_NE(w, nullptr);
    const int left = GetSystemMetrics(SM_CXSCREEN) - GetParam().fromRight;
    const int top = GetSystemMetrics(SM_CYSCREEN) - GetParam().fromBottom;
    EXPECT_TRUE(rig::WaitUntil(
        [&] {
            RECT r = rig::ReadWindow(w).rect;
            return r.left == left && r.top == top;
        },
        5000))
        << "window at " << rig::ReadWindow(w).rect.left << "," << rig::ReadWindow(w).rect.top << ", expected "
        << left << "," << top;
}

INSTANTIATE_TEST_SUITE_P(View, WindowPlace,
                         ::testing::Values(PlaceCase{"Defaults", "", 200, 100},
                                           PlaceCase{"Given", "[view]\r\nx=300\r\ny=150\r\n", 300, 150},
                                           PlaceCase{"NotANumber", "[view]\r\nx=abc\r\ny=12q\r\n", 200, 100}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindow, ACounterThatIsNotANumberShowsTheCriticalErrorBox) {
    rig::TestFolder dir;
    dir.WriteData("[view]\r\nx=333\r\ny=222\r\n[bytes]\r\nday=1000\r\nmonth=много\r\n");
    rig::Program app(dir);
    auto box = app.WaitForBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text,
              "внимание! произошла критическая ошибка\nво время загрузки и обработки параметров\n\n"
              "чтобы эта ошибка не повторялась вновь,\nпроизведите полную настройку программы\n"
              "и перезагрузите её...");
    EXPECT_EQ(box->caption, "");
    EXPECT_EQ(box->buttons, std::vector<int>{IDOK});
    // The window exists while the box is open (commands reach it there), and the place read before the
    // failing counter is applied.
    HWND w = app.MainWindow();
    ASSERT_NE(w, nullptr);
    RECT r = rig::ReadWindow(w).rect;
    EXPECT_EQ(r.left, GetSystemMetrics(SM_CXSCREEN) - 333);
    EXPECT_EQ(r.top, GetSystemMetrics(SM_CYSCREEN) - 222);
    ASSERT_TRUE(quon::test::AnswerMessageBox(*box));
    // The program goes on without measuring.
    EXPECT_TRUE(rig::WaitUntil([&] { return app.MessageBoxes().empty(); }, 5000));
    EXPECT_TRUE(app.Running());
}

}  // namespace

namespace {

TEST(MainWindow, StartsFromAFolderWithABlankAndCyrillicInItsName) {
    rig::TestFolder dir(" папка с пробелом");
    ASSERT_NE(dir.PathA().find(" папка с пробелом"), std::string::npos);
    dir.WriteData("[view]\r\nx=250\r\ny=120\r\n");
    dir.WriteRasScript(rig::RasScript().Entries({"Вход"}));
    rig::Program app(dir);
    HWND w = app.WaitForWindow();
    ASSERT_NE(w, nullptr);
    // Its settings and the double beside it are found there.
    EXPECT_TRUE(rig::WaitUntil(
        [&] { return rig::ReadWindow(w).rect.left == GetSystemMetrics(SM_CXSCREEN) - 250; }, 5000));
    EXPECT_TRUE(dir.WaitForRasCall("RasEnumEntriesA").has_value());
}

}  // namespace
