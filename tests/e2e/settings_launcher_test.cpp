// The running program opens the settings library on a double click on its window.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"
#include "tests/e2e/meter_session.h"

namespace {

bool InstallProbeSettingsLibrary(const rig::TestFolder& dir) {
    return CopyFileW((rig::BuildFolder() + L"bin\\settings_probe.dll").c_str(), dir.File("config.dll").c_str(), FALSE) != 0;
}

TEST(SettingsFromTheWindow, DoubleClickOpensTheDataPageWithTheOfflineState) {
    rig::TestFolder dir;
    ASSERT_TRUE(InstallProbeSettingsLibrary(dir));
    rig::Program app(dir);
    HWND w = app.WaitForWindow();
    ASSERT_NE(w, nullptr);
    // On the plain face of the built-in theme (its state picture at the top left opens the statistics).
    PostMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 22));
    EXPECT_TRUE(dir.WaitForFileText("config_calls.txt", "3|2010|0"));
    EXPECT_TRUE(app.MessageBoxes().empty());
    EXPECT_TRUE(app.Running());
}

TEST(SettingsFromTheWindow, DoubleClickWithoutTheLibraryShowsNothing) {
    rig::TestFolder dir;
    rig::Program app(dir);
    HWND w = app.WaitForWindow();
    ASSERT_NE(w, nullptr);
    PostMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 22));
    EXPECT_FALSE(app.WaitForBox(1500).has_value());
    EXPECT_TRUE(app.Running());
}

// The centre of a theme button of the built-in theme, from its description (or the defaults).
POINT ButtonCentre(const rig::TestFolder& dir, const char* button, int left, int top, int width, int height) {
    const std::string qsf = dir.PathA() + "skins\\default\\skin.qsf";
    const std::string section = std::string("data.") + button;
    auto read = [&](const char* key, int def) { return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key, def, qsf.c_str())); };
    return {read("left", left) + read("width", width) / 2, read("top", top) + read("height", height) / 2};
}

void SendMouse(HWND w, UINT msg, POINT at) {
    DWORD_PTR result = 0;
    ASSERT_NE(SendMessageTimeoutW(w, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(at.x, at.y), SMTO_NORMAL,
                                  10000, &result),
              0);
}

TEST(SettingsFromTheWindow, DoubleClicksOnTheThemesButtonsOnlyClickThem) {
    struct Case {
        const char* button;
        int left, top, width, height;  // the box without a description
        const char* settingsCalls;     // what the settings library got: only the settings button's click
        bool hangsUp, hides;
    };
    const Case cases[] = {
        {"hide", 128, 3, 10, 10, "", false, true},
        {"config", 116, 3, 10, 10, "0|2010|1\n", false, false},
        {"hangup", 3, 15, 22, 10, "", true, false},
    };
    for (const Case& c : cases) {
        quon::e2e::MeterSession m(quon::e2e::QuietSettings({{"visibility", "start=1\r\nfade=6\r\n"}}),
                                  rig::RasScript().Connected("Dial", 4000, 100));
        ASSERT_TRUE(InstallProbeSettingsLibrary(m.folder));
        // The built-in theme with its hang-up button shown.
        ASSERT_TRUE(WritePrivateProfileStringA("visibility", "hangup", "1",
                                               (m.folder.PathA() + "skins\\default\\skin.qsf").c_str()));
        ASSERT_TRUE(m.Start());
        ASSERT_TRUE(m.WaitCounted(true));  // the hang-up button is drawn and answers while online
        const POINT at = ButtonCentre(m.folder, c.button, c.left, c.top, c.width, c.height);
        for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) SendMouse(m.window, msg, at);
        EXPECT_EQ(m.folder.Read("config_calls.txt").value_or(""), c.settingsCalls) << c.button;
        EXPECT_EQ(m.folder.RasCalls("RasHangUpA").size(), c.hangsUp ? 1u : 0u) << c.button;
        if (c.hides) {
            EXPECT_TRUE(rig::WaitUntil([&] { return !IsWindowVisible(m.window); }, 5000)) << c.button;
        }
        EXPECT_TRUE(m.program->MessageBoxes().empty()) << c.button;
    }
}

}  // namespace
