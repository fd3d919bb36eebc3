// The main window's tray handlers in this process; what its icon tells the shell is recorded.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/program_folder.h"
#include "framework/text.h"
#include "mainwindow/main_form.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/harness_tray.h"

namespace {

using rig::TrayCall;

// The shell calls of every tray icon created while it exists, decoded as the stand-in tray decodes them.
class RecordedShell {
public:
    RecordedShell() {
        fw::TCoolTrayIcon::OverrideShellForTests([this](DWORD message, NOTIFYICONDATAW& d) {
            TrayCall c;
            c.message = message;
            c.window = d.hWnd;
            c.id = d.uID;
            c.flags = d.uFlags;
            c.callbackMessage = d.uCallbackMessage;
            c.tip = fw::Narrow(d.szTip);
            if (d.uFlags & NIF_INFO) {
                c.info = fw::Narrow(d.szInfo);
                c.infoTitle = fw::Narrow(d.szInfoTitle);
                c.timeoutMs = d.uTimeout;
                c.infoFlags = d.dwInfoFlags;
            }
            c.hasIcon = d.hIcon != nullptr;
            c.iconBody = rig::IconBodyColour(d.hIcon);
            calls_.push_back(c);
            return TRUE;
        });
    }
    ~RecordedShell() { fw::TCoolTrayIcon::OverrideShellForTests({}); }
    std::vector<TrayCall> Calls() const { return calls_; }
    size_t Count() const { return calls_.size(); }
    void Clear() { calls_.clear(); }
    std::optional<TrayCall> WaitFor(const std::function<bool(const TrayCall&)>& accept, DWORD timeoutMs) {
        std::optional<TrayCall> hit;
        rig::WaitUntil(
            [&] {
                for (const TrayCall& c : calls_)
                    if (accept(c)) hit = c;
                return hit.has_value();
            },
            timeoutMs);
        return hit;
    }

private:
    std::vector<TrayCall> calls_;
};

class TrayHandlers : public ::testing::Test {
protected:
    void SetUp() override {
        fw::OverrideProgramFolderForTests(dir.PathA());
        ASSERT_TRUE(form.LoadTrayIcons("default", false));
        form.InitTrayIcon();
    }
    std::vector<DWORD> Messages() const {
        std::vector<DWORD> m;
        for (const TrayCall& c : tray.Calls()) m.push_back(c.message);
        return m;
    }

    RecordedShell tray;  // before the form, so that its icon speaks to it
    rig::TestFolder dir;
    quon::Tfrm_quonm form{""};
};

TEST_F(TrayHandlers, IconIsAddedOnceAndEachVisibilityChangeReachesTheShellOnce) {
    EXPECT_EQ(Messages(), (std::vector<DWORD>{NIM_MODIFY, NIM_MODIFY, NIM_ADD}));  // icon, hint, add
    tray.Clear();
    form.SetTrayIconVisible(false);
    form.SetTrayIconVisible(false);
    form.SetTrayIconVisible(true);
    form.SetTrayIconVisible(true);
    EXPECT_EQ(Messages(), (std::vector<DWORD>{NIM_DELETE, NIM_ADD}));
}

TEST_F(TrayHandlers, ConnectBalloonWithALongEntryNameIsCutToTheField) {
    const std::string entry(256, 'E');
    tray.Clear();
    form.ShowBalloon("Quon Tollen II", "Интернет онлайн (" + entry + ")", quon::BalloonIcon::Info, 10);
    ASSERT_EQ(tray.Count(), 2u);
    const TrayCall shown = tray.Calls()[1];
    EXPECT_EQ(shown.info, ("Интернет онлайн (" + entry).substr(0, 255));
    EXPECT_EQ(shown.infoTitle, "Quon Tollen II");
    EXPECT_EQ(shown.infoFlags, static_cast<DWORD>(NIIF_INFO));
    EXPECT_EQ(shown.timeoutMs, 10000u);
}

TEST_F(TrayHandlers, MouseMoveArmsTheBalloonOnlyInExtendedModeAndOutsideThePause) {
    for (fw::MenuItem* item : {form.sub_0, form.sub_1, form.sub_2, form.sub_3}) item->SetChecked(item == form.sub_2);
    form.ico_trayMouseMove();
    EXPECT_FALSE(form.tmr_hint.Enabled());
    EXPECT_NE(form.tmr_hint.tag, 0);  // the hover mark is taken in every mode

    form.sub_2->SetChecked(false);
    form.sub_3->SetChecked(true);
    form.ico_trayMouseMove();
    EXPECT_TRUE(form.tmr_hint.Enabled());
    EXPECT_EQ(form.tmr_hint.Interval(), 1500u);

    // A press stops the pending balloon and opens the pause, during which moves arm nothing.
    form.ico_trayMouseDown(fw::TrayButton::Left);
    EXPECT_FALSE(form.tmr_hint.Enabled());
    EXPECT_TRUE(form.tmr_no.Enabled());
    form.ico_trayMouseMove();
    EXPECT_FALSE(form.tmr_hint.Enabled());
    // The end of the pause clears the mark.
    form.tmr_noTimer();
    EXPECT_FALSE(form.tmr_no.Enabled());
    EXPECT_EQ(form.tmr_hint.tag, 0);
}

TEST_F(TrayHandlers, MiddlePressShowsTheBalloonEvenDuringThePause) {
    form.ico_trayMouseDown(fw::TrayButton::Right);
    ASSERT_TRUE(form.tmr_no.Enabled());
    tray.Clear();
    form.ico_trayMouseDown(fw::TrayButton::Middle);
    EXPECT_FALSE(form.tmr_no.Enabled());
    EXPECT_EQ(form.tmr_hint.tag, 0);
    auto balloon = tray.WaitFor([](const TrayCall& c) { return c.Balloon(); }, 1000);
    ASSERT_TRUE(balloon.has_value());
    EXPECT_EQ(balloon->info.rfind("входящий:", 0), 0u);
}

TEST_F(TrayHandlers, PopupHidesTheConnectItemWhileOnline) {
    form.sub_connect->visible = true;
    form.mnu_popupPopup();
    EXPECT_TRUE(form.sub_connect->visible);
    EXPECT_TRUE(form.tmr_no.Enabled());
    form.eng.countedOnline = true;
    form.mnu_popupPopup();
    EXPECT_FALSE(form.sub_connect->visible);
}

TEST_F(TrayHandlers, AnimationFramesSetTheLevelPictures) {
    // The idle slot gets a picture no level slot has: the offline file.
    dir.WriteData("[skin]\r\nicon_0=" + dir.PathA() + "icons\\default\\offline.ico\r\n");
    ASSERT_TRUE(form.LoadTrayIcons("Custom", false));
    const COLORREF kIdle = RGB(80, 80, 80);
    for (bool skip : {false, true}) {
        form.opt.fullStopOn = skip;
        form.tmr_animation.tag = 0;
        std::vector<COLORREF> shown;
        for (int i = 0; i < 7; ++i) {
            tray.Clear();
            form.tmr_animationTimer();
            ASSERT_EQ(tray.Count(), 1u);
            shown.push_back(tray.Calls()[0].iconBody);
        }
        EXPECT_EQ(std::count(shown.begin(), shown.end(), kIdle), skip ? 0 : 2) << skip;
    }
}

}  // namespace
