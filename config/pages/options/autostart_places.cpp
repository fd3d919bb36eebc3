#include "config/pages/options/autostart_places.h"

namespace quon::config {

AutostartPlace DetectedPlace(const AutostartFound& found) {
    if (found.commonLink) return AutostartPlace::CommonLink;
    if (found.userLink) return AutostartPlace::UserLink;
    if (found.machineRun) return AutostartPlace::MachineRun;
    if (found.userRun) return AutostartPlace::UserRun;
    return AutostartPlace::None;
}

std::wstring RunValueData(const std::wstring& programPath) {
    return L"\"" + programPath + L"\"" + kAutostartArguments;
}

std::wstring StartupLinkPath(const std::wstring& startupFolder) {
    if (startupFolder.empty()) return {};
    const bool slash = startupFolder.back() == L'\\' || startupFolder.back() == L'/';
    return startupFolder + (slash ? L"" : L"\\") + kAutostartLinkName;
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

}  // namespace quon::config
