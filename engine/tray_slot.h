#pragma once
// The tray icon's picture slots and the icons of its balloons.
namespace quon {

// Tray icon holders: the offline icon and one per activity level.
enum class TraySlot { Offline, Level0, Level1, Level2, Level3, Level4, Level5 };
enum class BalloonIcon { None = 0, Info = 1, Warning = 2, Error = 3 };

inline TraySlot LevelSlot(int level) { return static_cast<TraySlot>(static_cast<int>(TraySlot::Level0) + level); }

}  // namespace quon
