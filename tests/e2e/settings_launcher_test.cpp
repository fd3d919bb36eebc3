// The running program opens the settings library on a double click on its window.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

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

}  // namespace
