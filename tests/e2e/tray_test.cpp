// The program's tray icon as the shell sees it: a stand-in "Shell_TrayWnd" of this test process
// receives every Shell_NotifyIcon call of the program.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"
#include "tests/e2e/harness_tray.h"
#include "tests/support/message_box.h"

namespace {

using rig::TrayCall;

const COLORREF kBuiltInOffline = RGB(140, 140, 140);
const COLORREF kFileOffline = RGB(80, 80, 80);

bool IsAdd(const TrayCall& c) { return c.message == NIM_ADD; }

class TrayIcon : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tray.IsTheOneFound()) << "another Shell_TrayWnd comes first"; }

    // Starts the program and waits for its icon to be added and its start-up to end.
    std::optional<TrayCall> Start(const std::string& data = "") {
        if (!data.empty()) dir.WriteData(data);
        app = std::make_unique<rig::Program>(dir);
        tray.OnlyFrom(app->Pid());
        window = app->WaitForWindow();
        auto add = tray.WaitFor(IsAdd);
        if (window) dir.WaitForStartUpEnd();
        return add;
    }

    rig::StandInTray tray;
    rig::TestFolder dir;
    std::unique_ptr<rig::Program> app;
    HWND window = nullptr;
};

TEST_F(TrayIcon, StartAddsTheIconToItsHiddenWindowWithTheBuiltInOfflinePicture) {
    auto add = Start();
    ASSERT_TRUE(add.has_value());
    EXPECT_GE(add->payloadSize, 960u);
    EXPECT_EQ(add->id, 1u);
    EXPECT_EQ(add->callbackMessage, 2048u);
    EXPECT_EQ(add->flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(add->tip, "Quon");
    ASSERT_TRUE(add->hasIcon);
    EXPECT_EQ(add->iconWidth, 16u);
    EXPECT_EQ(add->iconBody, kBuiltInOffline) << "bpp " << add->iconBpp;
    // The icon's window is a hidden top-level window of the program, not its main window.
    ASSERT_TRUE(IsWindow(add->window));
    DWORD pid = 0;
    GetWindowThreadProcessId(add->window, &pid);
    EXPECT_EQ(pid, app->Pid());
    EXPECT_NE(add->window, window);
    EXPECT_EQ(GetAncestor(add->window, GA_PARENT), GetDesktopWindow());
    EXPECT_FALSE(IsWindowVisible(add->window));

    // The settings are read: the start-up tooltip with the set's offline picture.
    auto named = tray.WaitFor([](const TrayCall& c) { return c.message == NIM_MODIFY && c.tip == "Quon Tollen II"; });
    ASSERT_TRUE(named.has_value());
    EXPECT_EQ(named->iconBody, kBuiltInOffline);
}

TEST_F(TrayIcon, TrayOffInCapitalsTakesTheIconAwayAtTheFirstReading) {
    ASSERT_TRUE(Start("[visibility]\r\ntray=OFF\r\n").has_value());
    EXPECT_TRUE(tray.WaitFor([](const TrayCall& c) { return c.message == NIM_DELETE; }).has_value());
    // A restarted taskbar does not bring a hidden icon back.
    const size_t before = tray.Count();
    // The broadcast returns after every window handled it, so an add would be recorded by then.
    rig::StandInTray::AnnounceTaskbar();
    for (size_t i = before; i < tray.Count(); ++i) EXPECT_NE(tray.Calls()[i].message, static_cast<DWORD>(NIM_ADD));
}

TEST_F(TrayIcon, RestartedTaskbarGetsTheIconBackWithItsTooltip) {
    ASSERT_TRUE(Start().has_value());
    ASSERT_TRUE(tray.WaitFor([](const TrayCall& c) { return c.tip == "Quon Tollen II"; }).has_value());
    const size_t before = tray.Count();
    rig::StandInTray::AnnounceTaskbar();
    auto again = tray.WaitFor(IsAdd, 5000, before);
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->tip, "Quon Tollen II");
    EXPECT_EQ(again->iconBody, kBuiltInOffline);
}

TEST_F(TrayIcon, CustomSetFromTheDefaultFilesIsShown) {
    ASSERT_TRUE(Start("[skin]\r\nicons=0\r\n").has_value());
    auto shown = tray.WaitFor([](const TrayCall& c) { return c.message == NIM_MODIFY && c.iconBody == kFileOffline; });
    EXPECT_TRUE(shown.has_value());
    EXPECT_TRUE(app->MessageBoxes().empty());
}

TEST_F(TrayIcon, MissingCustomFileShowsTheBoxThenTheBuiltInSet) {
    dir.WriteData("[skin]\r\nicons=0\r\nicon_3=" + dir.PathA() + "absent.ico\r\n");
    app = std::make_unique<rig::Program>(dir);
    tray.OnlyFrom(app->Pid());
    auto box = app->WaitForBox(10000, "не найден один или несколько файлов");
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "");
    const size_t before = tray.Count();
    quon::test::AnswerMessageBox(*box);
    auto shown = tray.WaitFor([](const TrayCall& c) { return c.message == NIM_MODIFY && c.hasIcon; }, 10000, before);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->iconBody, kBuiltInOffline);
}

TEST_F(TrayIcon, MiddleButtonShowsTheStatisticsBalloonAtOnce) {
    auto add = Start();
    ASSERT_TRUE(add.has_value());
    ASSERT_TRUE(tray.WaitFor([](const TrayCall& c) { return c.tip == "Quon Tollen II"; }).has_value());
    const size_t before = tray.Count();
    ASSERT_TRUE(rig::StandInTray::PostMouse(*add, WM_MBUTTONDOWN));
    auto balloon = tray.WaitFor([](const TrayCall& c) { return c.Balloon(); }, 5000, before);
    ASSERT_TRUE(balloon.has_value());
    EXPECT_EQ(balloon->infoTitle, "Quon Tollen II");
    EXPECT_EQ(balloon->info.rfind("входящий:\n за сеанс: 0 Мб\n за день: 0 Мб\n", 0), 0u) << balloon->info;
    EXPECT_EQ(balloon->info.substr(balloon->info.size() - 8), "\nоффлайн");
    EXPECT_EQ(balloon->infoFlags, static_cast<DWORD>(NIIF_INFO));
    EXPECT_EQ(balloon->timeoutMs, 10000u);
    // Before it, a balloon with no text took down whatever was showing.
    bool cleared = false;
    for (size_t i = before; i < tray.Count() && !tray.Calls()[i].Balloon(); ++i)
        cleared = cleared || ((tray.Calls()[i].flags & NIF_INFO) && tray.Calls()[i].info.empty());
    EXPECT_TRUE(cleared);
}

TEST_F(TrayIcon, RestingCursorInExtendedModeShowsTheBalloon) {
    auto add = Start("[events]\r\nhint=3\r\n");
    ASSERT_TRUE(add.has_value());
    ASSERT_TRUE(tray.WaitFor([](const TrayCall& c) { return c.tip == "Quon Tollen II"; }).has_value());
    const size_t before = tray.Count();
    const DWORD moved = GetTickCount();
    ASSERT_TRUE(rig::StandInTray::PostMouse(*add, WM_MOUSEMOVE));
    auto balloon = tray.WaitFor([](const TrayCall& c) { return c.Balloon(); }, 6000, before);
    ASSERT_TRUE(balloon.has_value());
    EXPECT_GE(GetTickCount() - moved, 1400u);  // armed with 1.5 s
    EXPECT_EQ(balloon->info.rfind("входящий:", 0), 0u);
}

TEST_F(TrayIcon, RightButtonOpensThePopupMenu) {
    auto add = Start();
    ASSERT_TRUE(add.has_value());
    // The window shown at start-up comes forward and fades in. Under Wine without a window manager, the
    // first redraw of a window after its first activation unmaps and maps it again, and the focus lost on
    // the way hands the foreground to the desktop: a menu open at that moment closes. So the click comes
    // once the fade-in has ended.
    ASSERT_TRUE(window);
    rig::SettledBrightness(window);
    ASSERT_TRUE(rig::StandInTray::PostMouse(*add, WM_RBUTTONDOWN));
    const DWORD pid = app->Pid();
    EXPECT_TRUE(rig::WaitUntil(
        [&] {
            for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
                 w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == pid && IsWindowVisible(w)) return true;
            }
            return false;
        },
        5000));
}

// ---- with the poll tick: its tooltip and balloons ----

// The first tick polls RAS.
bool TickRuns(const rig::TestFolder& dir) { return dir.WaitForRasCall("RasEnumConnectionsA", 10000).has_value(); }

struct TooltipCase {
    const char* name;
    int mode;
    bool online;
    const char* tip;
};
void PrintTo(const TooltipCase& c, std::ostream* os) { *os << c.name; }

class TrayTooltipAfterTick : public TrayIcon, public ::testing::WithParamInterface<TooltipCase> {};

TEST_P(TrayTooltipAfterTick, FollowsTheHintMode) {
    const TooltipCase& c = GetParam();
    dir.WriteRasScript(c.online ? rig::RasScript().Connected("Dial", 0, 0).Text() : rig::RasScript().Offline().Text());
    ASSERT_TRUE(Start("[events]\r\nhint=" + std::to_string(c.mode) + "\r\nballoon=0\r\n").has_value());
    ASSERT_TRUE(TickRuns(dir)) << "the poll tick never polled RAS";
    const std::string tip = c.tip;
    auto set = tray.WaitFor([&](const TrayCall& t) { return t.message == NIM_MODIFY && t.tip == tip; });
    ASSERT_TRUE(set.has_value()) << "last tooltip: " << tray.Calls().back().tip;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TrayTooltipAfterTick,
    ::testing::Values(
        TooltipCase{"NoneOffline", 0, false, "Quon Tollen II"},
        TooltipCase{"ShortOffline", 1, false, "Quon Tollen II\nоффлайн"},
        TooltipCase{"ShortOnline", 1, true, "Quon Tollen II\nонлайн (Dial)"},
        TooltipCase{"DetailedOffline", 2, false,
                    "Quon Tollen II\n(статистика)\n\nСеанс: 0 Мб\nДень: 0 Мб\nМесяц: 0 Мб\nОсталось: 30 Мб\n"
                    "Скорость: 0 Кб/сек"},
        TooltipCase{"ExtendedOffline", 3, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayIcon, ConnectBalloonNamesTheEntryAndALongNameIsCut) {
    for (const std::string& entry : {std::string("Dial"), std::string(256, 'E')}) {
        rig::TestFolder folder(entry.size() > 10 ? "_long" : "");
        folder.WriteRasScript(rig::RasScript().Connected(entry, 1000, 100));
        rig::Program program(folder);
        tray.OnlyFrom(program.Pid());
        tray.Clear();
        ASSERT_NE(program.WaitForWindow(), nullptr);
        ASSERT_TRUE(TickRuns(folder)) << "the poll tick never polled RAS";
        auto balloon = tray.WaitFor([](const TrayCall& c) { return c.Balloon(); });
        ASSERT_TRUE(balloon.has_value());
        EXPECT_EQ(balloon->infoTitle, "Quon Tollen II");
        EXPECT_EQ(balloon->infoFlags, static_cast<DWORD>(NIIF_INFO));
        EXPECT_EQ(balloon->timeoutMs, 10000u);
        const std::string text = "Интернет онлайн (" + entry + ")";
        if (text.size() <= 255) {
            EXPECT_EQ(balloon->info, text);
        } else {
            EXPECT_EQ(balloon->info.size(), 255u);
            EXPECT_EQ(balloon->info.rfind(text.substr(0, 240), 0), 0u);
        }
    }
}

// ---- with the command interface: command 6 ----

TEST_F(TrayIcon, CommandSixHidesAndShowsTheIcon) {
    ASSERT_TRUE(Start().has_value());
    rig::Commands cmd;
    ASSERT_TRUE(cmd.Query(window, "get(versionnum)").has_value()) << "the command interface did not answer";
    const size_t before = tray.Count();
    ASSERT_TRUE(cmd.Send(window, 6, "HIDE"));
    ASSERT_TRUE(cmd.Send(window, 6, "no"));  // hidden already: the shell is not told again
    ASSERT_TRUE(cmd.Send(window, 6, "1"));
    std::vector<DWORD> told;
    for (size_t i = before; i < tray.Count(); ++i)
        if (tray.Calls()[i].message != NIM_MODIFY) told.push_back(tray.Calls()[i].message);
    EXPECT_EQ(told, (std::vector<DWORD>{NIM_DELETE, NIM_ADD}));
}

}  // namespace
