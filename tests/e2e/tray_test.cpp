// The program's tray icon as the shell sees it: a stand-in "Shell_TrayWnd" of this test process
// receives every Shell_NotifyIcon call of the program.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"
#include "tests/e2e/harness_tray.h"

namespace {

using rig::TrayCall;

const COLORREF kBuiltInOffline = RGB(140, 140, 140);
const COLORREF kFileOffline = RGB(80, 80, 80);

bool IsAdd(const TrayCall& c) { return c.message == NIM_ADD; }

class TrayIcon : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tray.IsTheOneFound()) << "another Shell_TrayWnd comes first"; }

    // Starts the program and waits for its icon to be added.
    std::optional<TrayCall> Start(const std::string& data = "") {
        if (!data.empty()) dir.WriteData(data);
        app = std::make_unique<rig::Program>(dir);
        window = app->WaitForWindow();
        return tray.WaitFor(IsAdd);
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

}  // namespace
