#pragma once
// The tray icon's seven pictures: offline and the activity levels 0..5. A slot holds either one of the
// built-in icons, which are shared and never destroyed, or an icon loaded from a file, which the slot
// owns and destroys when it is replaced.
#include <windows.h>

#include <array>

#include "engine/tray_state.h"

namespace quon {

class TrayIconSlots {
public:
    TrayIconSlots() = default;
    ~TrayIconSlots();
    TrayIconSlots(const TrayIconSlots&) = delete;
    TrayIconSlots& operator=(const TrayIconSlots&) = delete;

    void SetShared(int slot, HICON icon) { Replace(slot, icon, false); }
    void SetOwned(int slot, HICON icon) { Replace(slot, icon, true); }
    HICON Get(int slot) const { return slots_[slot].icon; }
    bool Owned(int slot) const { return slots_[slot].owned; }

private:
    struct Slot {
        HICON icon = nullptr;
        bool owned = false;
    };
    void Replace(int slot, HICON icon, bool owned);
    std::array<Slot, kTraySlotCount> slots_;
};

// The four icons built into the program, loaded once from its resources (null when missing).
enum class BuiltInTrayIcon { Offline, Idle, Online, Maximum };
HICON BuiltInIcon(BuiltInTrayIcon which);

}  // namespace quon
