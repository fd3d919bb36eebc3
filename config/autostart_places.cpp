#include "config/autostart_places.h"

namespace quon {

AutostartPlace DetectedPlace(const AutostartFound& found) {
    if (found.commonLink) return AutostartPlace::CommonLink;
    if (found.userLink) return AutostartPlace::UserLink;
    if (found.machineRun) return AutostartPlace::MachineRun;
    if (found.userRun) return AutostartPlace::UserRun;
    return AutostartPlace::None;
}

std::string RunValueData(const std::string& programPath) {
    return "\"" + programPath + "\"" + kAutostartArguments;
}

std::string StartupLinkPath(const std::string& startupFolder) {
    if (startupFolder.empty()) return {};
    const bool slash = startupFolder.back() == '\\' || startupFolder.back() == '/';
    return startupFolder + (slash ? "" : "\\") + kAutostartLinkName;
}

AutostartPlan PlanAutostart(bool on, AutostartPlace chosen) {
    static constexpr AutostartPlace kAll[] = {AutostartPlace::UserRun, AutostartPlace::MachineRun,
                                              AutostartPlace::UserLink, AutostartPlace::CommonLink};
    AutostartPlan plan;
    if (on) plan.write = chosen == AutostartPlace::None ? AutostartPlace::UserRun : chosen;
    for (AutostartPlace p : kAll)
        if (!plan.write || *plan.write != p) plan.remove[plan.removeCount++] = p;
    return plan;
}

}  // namespace quon
