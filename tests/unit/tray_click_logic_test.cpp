// The tray icon's mouse logic driven step by step with a hand-set clock.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "framework/tray_click_logic.h"

namespace {

constexpr unsigned kDoubleClickMs = 500;

// Runs a script of "message@ms" steps ("timer@ms" is the click timer's message arriving) and returns
// the events in order, joined by blanks.
struct ClickScript {
    uint64_t now = 0;
    std::vector<std::string> log;
    fw::TrayClickLogic logic;

    ClickScript() : logic(Sink(), [this] { return now; }, kDoubleClickMs) {}

    fw::TrayClickLogic::Sink Sink() {
        static const char* const kNames[] = {"L", "R", "M"};
        fw::TrayClickLogic::Sink s;
        s.click = [this] { log.push_back("click"); };
        s.doubleClick = [this] { log.push_back("dbl"); };
        s.mouseMove = [this] { log.push_back("move"); };
        s.popup = [this] { log.push_back("popup"); };
        s.mouseDown = [this](fw::TrayButton b) { log.push_back(std::string("down") + kNames[int(b)]); };
        s.mouseUp = [this](fw::TrayButton b) { log.push_back(std::string("up") + kNames[int(b)]); };
        return s;
    }

    std::string Play(const std::string& script) {
        std::istringstream in(script);
        std::string step;
        while (in >> step) {
            const auto at = step.find('@');
            now = std::stoull(step.substr(at + 1));
            const std::string what = step.substr(0, at);
            if (what == "timer") {
                if (logic.TimerRunning() && now - start >= kDoubleClickMs) logic.TimerDue();
                continue;
            }
            static const std::pair<const char*, UINT> kMessages[] = {
                {"move", WM_MOUSEMOVE},    {"ldown", WM_LBUTTONDOWN}, {"lup", WM_LBUTTONUP},
                {"ldbl", WM_LBUTTONDBLCLK}, {"rdown", WM_RBUTTONDOWN}, {"rup", WM_RBUTTONUP},
                {"rdbl", WM_RBUTTONDBLCLK}, {"mdown", WM_MBUTTONDOWN}, {"mup", WM_MBUTTONUP},
                {"mdbl", WM_MBUTTONDBLCLK}};
            for (auto& [name, message] : kMessages)
                if (what == name) {
                    if (message == WM_LBUTTONDOWN) start = now;
                    logic.HandleMouseMessage(message);
                }
        }
        std::string joined;
        for (auto& e : log) joined += (joined.empty() ? "" : " ") + e;
        return joined;
    }
    uint64_t start = 0;  // the last left press: the real timer cannot be due before start + double-click time
};

struct Case {
    const char* name;
    const char* script;
    const char* events;
    bool enabled = true;
    bool leftPopup = false;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class TrayClicks : public ::testing::TestWithParam<Case> {};

TEST_P(TrayClicks, GiveTheEventsInOrder) {
    ClickScript run;
    run.logic.enabled = GetParam().enabled;
    run.logic.leftPopup = GetParam().leftPopup;
    EXPECT_EQ(run.Play(GetParam().script), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, TrayClicks,
    ::testing::Values(
        // The click comes one double-click time after the press, not at button-up.
        Case{"SingleClickAfterTheDoubleClickTime", "ldown@0 lup@120 timer@300 timer@500", "downL upL click"},
        Case{"DoubleClickAloneGivesNoClick", "ldown@0 lup@80 ldbl@160 lup@220 timer@500",
             "downL upL dbl upL"},
        // Held past the double-click time: the timer fired during the hold, the click comes at button-up.
        Case{"LongPressClicksAtButtonUp", "ldown@0 timer@500 lup@900", "downL click upL"},
        // Same, with the timer's message still waiting in the queue when the button comes up.
        Case{"LongPressWithTheTimerMessageLate", "ldown@0 lup@900 timer@905", "downL click upL"},
        Case{"ClickAfterADoubleClickStillWorks",
             "ldown@0 lup@80 ldbl@160 lup@220 timer@500 ldown@2000 lup@2100 timer@2500",
             "downL upL dbl upL downL upL click"},
        Case{"RightPressGivesDownThenTheMenu", "rdown@0 rup@100", "downR popup upR"},
        Case{"MiddleButton", "mdown@0 mup@100", "downM upM"},
        Case{"OtherDoubleClicksDoNothing", "rdbl@0 mdbl@10", ""},
        Case{"MoveIsPassedOn", "move@0 move@10", "move move"},
        Case{"DisabledIgnoresEverything", "move@0 ldown@1 lup@2 timer@600 rdown@700 ldbl@800", "", false},
        Case{"LeftPopupOpensTheMenuAtThePress", "ldown@0 lup@100 timer@500", "downL popup upL click", true,
             true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrayClicks, TimerIsStartedAtEachLeftPressAndStoppedWhenDue) {
    std::vector<std::string> timer;
    fw::TrayClickLogic::Sink sink;
    sink.startTimer = [&](unsigned ms) { timer.push_back("start " + std::to_string(ms)); };
    sink.stopTimer = [&] { timer.push_back("stop"); };
    uint64_t now = 0;
    fw::TrayClickLogic logic(sink, [&] { return now; }, kDoubleClickMs);
    logic.HandleMouseMessage(WM_LBUTTONDOWN);
    EXPECT_TRUE(logic.TimerRunning());
    now = 500;
    logic.TimerDue();
    EXPECT_FALSE(logic.TimerRunning());
    EXPECT_EQ(timer, (std::vector<std::string>{"start 500", "stop"}));
}

}  // namespace
