#pragma once
// Small decisions of the tray icon: where the cursor rests for the extended balloon, the animation's
// frames, and the files of a custom icon set.
#include <array>
#include <optional>
#include <string>

#include "framework/ini_file.h"

namespace quon {

// The hover mark of a mouse move over the icon: 2x + 3y + 1 of the cursor, -1 when it could not be read.
int HoverMark(std::optional<std::pair<int, int>> cursor);

// Whether the extended balloon is shown at a tick of its timer: the cursor still rests where the mark was
// taken (2x + 3y within -4..+6 of the mark), or the mark is -1; never during the pause after a click.
bool ExtendedBalloonDue(int hoverMark, std::optional<std::pair<int, int>> cursor, bool pauseRunning);

// One animation tick on the frame counter (-1 stopped): the level whose icon to show now, if any.
// The skip flag leaves out level 0.
std::optional<int> NextAnimationFrame(int& frame, bool skipIdle);

// The seven tray icon slots: offline, then levels 0..5.
constexpr int kTraySlotCount = 7;
bool IsBuiltInIconSet(const std::string& setName);  // "default" in any letter case
// The files of a custom set from [skin] of the settings file; a missing one is the built-in icon of its slot.
std::array<std::string, kTraySlotCount> CustomIconFiles(const fw::IniFile& settings, const std::string& programFolder);

}  // namespace quon
