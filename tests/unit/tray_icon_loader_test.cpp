// Loading the tray icon's seven pictures: the built-in set, the default files, a custom set and the
// boxes for missing and broken files. The main window runs in this process; its boxes are answered here.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "framework/program_folder.h"
#include "mainwindow/main_form.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/harness_tray.h"
#include "tests/support/message_box.h"

namespace {

const char kMissingBox[] =
    "внимание! не найден один или несколько файлов\nпользовательского набора иконок состояния...\n"
    "сейчас будет загружен базовый набор иконок...";
const char kBrokenBox[] =
    "внимание! произошла ошибка во время\nзагрузки одного или нескольких файлов\n"
    "пользовательского набора иконок состояния...\nсейчас будет загружен базовый набор иконок...";

// Answers every message box of this process with OK and keeps their texts and flags.
class BoxAnswerer {
public:
    BoxAnswerer() : thread_([this] { Loop(); }) {}
    ~BoxAnswerer() {
        stop_ = true;
        thread_.join();
    }
    std::vector<quon::test::MessageBoxInfo> Boxes() {
        std::lock_guard<std::mutex> lock(mutex_);
        return boxes_;
    }

private:
    void Loop() {
        while (!stop_) {
            for (const quon::test::MessageBoxInfo& box : quon::test::MessageBoxesOf(GetCurrentProcessId())) {
                if (box.text.empty()) continue;  // not filled in yet
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    boxes_.push_back(box);
                }
                quon::test::AnswerMessageBox(box, IDOK);
                // Wait for it to go before looking again, so that one box is counted once.
                for (int i = 0; i < 500 && IsWindow(box.window) && IsWindowVisible(box.window); ++i) Sleep(10);
            }
            Sleep(10);
        }
    }
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<quon::test::MessageBoxInfo> boxes_;
    std::thread thread_;
};

using rig::IconBodyColour;

// Body colours of the two sets (assets/draw_tray_icons.sh).
const COLORREF kBuiltInOffline = RGB(140, 140, 140), kBuiltInIdle = RGB(32, 60, 120),
               kBuiltInOnline = RGB(47, 111, 214), kBuiltInMaximum = RGB(240, 140, 30);
const COLORREF kFileOffline = RGB(80, 80, 80), kFileIdle = RGB(30, 120, 100), kFileOnline = RGB(40, 180, 40),
               kFileLime = RGB(180, 255, 50);

// The form's icon talks to nobody: these tests are about its pictures only.
struct NoShell {
    NoShell() { fw::TCoolTrayIcon::OverrideShellForTests([](DWORD, NOTIFYICONDATAW&) { return TRUE; }); }
    ~NoShell() { fw::TCoolTrayIcon::OverrideShellForTests({}); }
};

class TrayIconLoader : public ::testing::Test {
protected:
    void SetUp() override { fw::OverrideProgramFolderForTests(dir.PathA()); }

    std::vector<COLORREF> Colours() const {
        std::vector<COLORREF> c;
        for (int i = 0; i < quon::kTraySlotCount; ++i) c.push_back(IconBodyColour(form.trayIcons.Get(i)));
        return c;
    }
    std::string SetFolder() const { return dir.PathA() + "icons\\default\\"; }

    NoShell noShell;  // before the form
    rig::TestFolder dir;
    quon::Tfrm_quonm form{""};
};

TEST_F(TrayIconLoader, DefaultInAnyCaseLoadsTheBuiltInIconsShared) {
    ASSERT_TRUE(form.LoadTrayIcons("DEFAULT", true));
    EXPECT_EQ(Colours(), (std::vector<COLORREF>{kBuiltInOffline, kBuiltInIdle, kBuiltInOnline, kBuiltInOnline,
                                                kBuiltInOnline, kBuiltInOnline, kBuiltInMaximum}));
    const HICON first = form.trayIcons.Get(0);
    for (int i = 0; i < quon::kTraySlotCount; ++i) EXPECT_FALSE(form.trayIcons.Owned(i)) << i;
    // A reload gives the very same handles: nothing is loaded twice or destroyed.
    ASSERT_TRUE(form.LoadTrayIcons("Default", true));
    EXPECT_EQ(form.trayIcons.Get(0), first);
    EXPECT_EQ(IconBodyColour(first), kBuiltInOffline);
}

TEST_F(TrayIconLoader, WithoutIconKeysTheDefaultSetFilesAreUsed) {
    dir.WriteData("[skin]\r\nicons=0\r\n");
    BoxAnswerer boxes;
    ASSERT_TRUE(form.LoadTrayIcons("Custom", true));
    EXPECT_EQ(Colours(), (std::vector<COLORREF>{kFileOffline, kFileIdle, kFileOnline, kFileOnline, kFileOnline,
                                                kFileOnline, kFileLime}));
    for (int i = 0; i < quon::kTraySlotCount; ++i) EXPECT_TRUE(form.trayIcons.Owned(i)) << i;
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(TrayIconLoader, CustomKeysNameEachSlotsFile) {
    const std::string set = SetFolder();
    dir.WriteData("[skin]\r\nicons=0\r\nicon_o=" + set + "lime.ico\r\nicon_3=" + set + "offline.ico\r\nicon_5=" +
                  set + "idle.ico\r\n");
    ASSERT_TRUE(form.LoadTrayIcons("Custom", true));
    EXPECT_EQ(Colours(), (std::vector<COLORREF>{kFileLime, kFileIdle, kFileOnline, kFileOnline, kFileOffline,
                                                kFileOnline, kFileIdle}));
}

TEST_F(TrayIconLoader, MissingFileShowsTheBoxAndChangesNoSlot) {
    ASSERT_TRUE(form.LoadTrayIcons("default", true));
    const std::vector<COLORREF> before = Colours();
    for (const std::string& data :
         {std::string("[skin]\r\nicon_4=") + SetFolder() + "absent.ico\r\n", std::string("[skin]\r\n")}) {
        if (data == "[skin]\r\n") DeleteFileW(dir.File("icons\\default\\idle.ico").c_str());
        dir.WriteData(data);
        BoxAnswerer boxes;
        EXPECT_FALSE(form.LoadTrayIcons("Custom", true));
        const auto shown = boxes.Boxes();
        ASSERT_EQ(shown.size(), 1u) << data;
        EXPECT_EQ(shown[0].text, kMissingBox);
        EXPECT_EQ(shown[0].caption, "");
        EXPECT_EQ(Colours(), before);
    }
}

TEST_F(TrayIconLoader, BrokenLevelThreeFileFailsAfterTheEarlierSlotsAndTheBuiltInSetReplacesAll) {
    ASSERT_TRUE(dir.Write("broken.ico", "this is not an icon"));
    dir.WriteData("[skin]\r\nicon_3=" + dir.PathA() + "broken.ico\r\n");
    ASSERT_TRUE(form.LoadTrayIcons("default", true));
    {
        BoxAnswerer boxes;
        EXPECT_FALSE(form.LoadTrayIcons("Custom", true));
        const auto shown = boxes.Boxes();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, kBrokenBox);
    }
    // Slots before the broken file hold the new icons until the caller falls back.
    EXPECT_EQ(Colours(), (std::vector<COLORREF>{kFileOffline, kFileIdle, kFileOnline, kFileOnline, kBuiltInOnline,
                                                kBuiltInOnline, kBuiltInMaximum}));
    const HICON replaced = form.trayIcons.Get(0);
    ASSERT_TRUE(form.LoadTrayIcons("default", true));
    EXPECT_EQ(Colours(), (std::vector<COLORREF>{kBuiltInOffline, kBuiltInIdle, kBuiltInOnline, kBuiltInOnline,
                                                kBuiltInOnline, kBuiltInOnline, kBuiltInMaximum}));
    // The custom icon it replaced is gone.
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(replaced, &info));
}

TEST_F(TrayIconLoader, WithoutShowErrorsNoBoxAppears) {
    dir.WriteData("[skin]\r\nicon_o=" + dir.PathA() + "absent.ico\r\n");
    BoxAnswerer boxes;
    EXPECT_FALSE(form.LoadTrayIcons("Custom", false));
    EXPECT_TRUE(boxes.Boxes().empty());
}

}  // namespace
