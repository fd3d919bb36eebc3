#pragma once
// Where the meter is registered to start with Windows: one of four places, found again in a fixed
// order of precedence, and the plan of what a change writes and removes.
#include <array>
#include <optional>
#include <string>

#include "engine/product.h"

namespace quon::config {

// Numbered as the settings report the place found at opening.
enum class AutostartPlace { None = 0, UserLink = 1, CommonLink = 2, UserRun = 3, MachineRun = 4 };

inline constexpr const wchar_t* kAutostartValueName = kProductNameW;
inline constexpr const wchar_t* kAutostartLinkName = L"" QUON_PRODUCT_NAME L".lnk";
inline constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const wchar_t* kShellFoldersKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const wchar_t* kAutostartArguments = L" /auto";

// What exists in each place.
struct AutostartFound {
    bool userLink = false, commonLink = false, userRun = false, machineRun = false;
};

// The all-users shortcut wins over the user's; only when neither exists do the Run values count, and
// the machine's value wins over the user's.
AutostartPlace DetectedPlace(const AutostartFound& found);

// The data of a Run value: the program's path in double quotes, then " /auto".
std::wstring RunValueData(const std::wstring& programPath);

// The shortcut in a Startup folder as the Shell Folders key names it. A folder that is not named gives
// the empty text: that place is not available (never a shortcut in the root of a drive).
std::wstring StartupLinkPath(const std::wstring& startupFolder);

// What a change of the autostart options does: the chosen place is written first and the other places
// are removed only when that write worked; switched off, every place is removed. No choice while
// switched on means the user's Run value.
struct AutostartPlan {
    std::optional<AutostartPlace> write;
    std::array<AutostartPlace, 4> remove{};
    int removeCount = 0;
};
AutostartPlan PlanAutostart(bool on, AutostartPlace chosen);

inline bool IsRunPlace(AutostartPlace p) { return p == AutostartPlace::UserRun || p == AutostartPlace::MachineRun; }

}  // namespace quon::config
