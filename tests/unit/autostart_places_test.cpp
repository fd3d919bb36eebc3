#include "config/pages/options/autostart_places.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quon::config {
namespace {

using P = AutostartPlace;

TEST(AutostartPlaces, PrecedenceWhenReadBack) {
    struct Row {
        bool userLink, commonLink, userRun, machineRun;
        P want;
    };
    const Row rows[] = {
        {false, false, false, false, P::None},
        {true, false, false, false, P::UserLink},
        {true, true, false, false, P::CommonLink},   // the all-users shortcut wins
        {true, false, true, true, P::UserLink},      // any shortcut beats the Run values
        {false, true, true, false, P::CommonLink},
        {false, false, true, false, P::UserRun},
        {false, false, true, true, P::MachineRun},   // the machine's value wins over the user's
        {false, false, false, true, P::MachineRun},
    };
    for (const Row& r : rows)
        EXPECT_EQ(DetectedPlace({r.userLink, r.commonLink, r.userRun, r.machineRun}), r.want)
            << r.userLink << r.commonLink << r.userRun << r.machineRun;
}

TEST(AutostartPlaces, PlanWritesTheChoiceAndRemovesTheOthers) {
    const P all[] = {P::UserRun, P::MachineRun, P::UserLink, P::CommonLink};
    struct Row {
        bool on;
        P chosen;
        std::optional<P> write;
    };
    const Row rows[] = {
        {true, P::None, P::UserRun},  // ticked without a choice: the user's Run value
        {true, P::UserRun, P::UserRun},
        {true, P::MachineRun, P::MachineRun},
        {true, P::UserLink, P::UserLink},
        {true, P::CommonLink, P::CommonLink},
        {false, P::CommonLink, std::nullopt},
        {false, P::None, std::nullopt},
    };
    for (const Row& r : rows) {
        const AutostartPlan plan = PlanAutostart(r.on, r.chosen);
        EXPECT_EQ(plan.write, r.write) << static_cast<int>(r.chosen);
        const auto removed = std::vector<P>(plan.remove.begin(), plan.remove.begin() + plan.removeCount);
        for (P p : all) {
            const bool kept = r.write && *r.write == p;
            EXPECT_EQ(std::count(removed.begin(), removed.end(), p), kept ? 0 : 1)
                << "place " << static_cast<int>(p) << " with choice " << static_cast<int>(r.chosen);
        }
    }
}

TEST(AutostartPlaces, ValueDataAndShortcutPaths) {
    EXPECT_EQ(RunValueData(L"C:\\Program Files\\Квон\\quonmain.exe"), L"\"C:\\Program Files\\Квон\\quonmain.exe\" /auto");
    EXPECT_EQ(StartupLinkPath(L"C:\\Users\\u\\Start Menu\\Programs\\Startup"),
              L"C:\\Users\\u\\Start Menu\\Programs\\Startup\\Quon Tollen II.lnk");
    EXPECT_EQ(StartupLinkPath(L"C:\\Startup\\"), L"C:\\Startup\\Quon Tollen II.lnk");
    // A Startup folder the system does not name is no place to put a shortcut.
    EXPECT_EQ(StartupLinkPath(L""), L"");
}

}  // namespace
}  // namespace quon::config
