#pragma once
// The autostart entry on the system: Run values in the registry and shortcuts in the Startup folders.
// Every change takes effect at once. COM must be initialised on the calling thread for the shortcuts.
#include <string>

#include "config/pages/options/autostart_places.h"

namespace quon::config {

// The two shortcut files; an empty path is a place that is not available.
struct StartupLinks {
    std::wstring user, common;
};
// From the Shell Folders keys, opened for reading only.
StartupLinks ReadStartupLinks();

// What exists now in each place (the Run keys are opened for reading only).
AutostartFound FindAutostart(const StartupLinks& links);

struct AutostartResult {
    bool runFailed = false;   // the chosen Run value could not be written
    bool linkFailed = false;  // the chosen shortcut could not be saved (or its place is not available)
};
// Carries out PlanAutostart for the program's path: the chosen place first, the others removed only
// when it was written. A place that cannot be removed is left as it is.
AutostartResult ApplyAutostart(bool on, AutostartPlace chosen, const StartupLinks& links,
                               const std::wstring& programPath);

// A shortcut through the shell's link object, saved to linkPath; each step runs only when the one
// before succeeded. True when the link was saved.
bool CreateShellLink(const std::wstring& linkPath, const std::wstring& target, const std::wstring& workingFolder,
                     int iconIndex, const std::wstring& iconPath, int showCommand, unsigned short hotKey,
                     const std::wstring& arguments);

}  // namespace quon::config
