#include "engine/tray_state.h"

#include "engine/program_files.h"
#include "engine/settings_keys.h"
#include "framework/text.h"

namespace quon {

int HoverMark(std::optional<std::pair<int, int>> cursor) {
    if (!cursor) return -1;
    return 2 * cursor->first + 3 * cursor->second + 1;
}

bool ExtendedBalloonDue(int hoverMark, std::optional<std::pair<int, int>> cursor, bool pauseRunning) {
    bool show = false;
    if (cursor) {
        const int a = 2 * cursor->first + 3 * cursor->second;
        show = a - 4 <= hoverMark && hoverMark <= a + 6;
    }
    if (hoverMark == -1) show = true;
    if (pauseRunning) show = false;
    return show;
}

std::optional<int> NextAnimationFrame(int& frame, bool skipIdle) {
    frame += 1;
    if (skipIdle && frame == 1) frame = 2;
    if (frame < 1 || frame > 6) return std::nullopt;
    const int level = frame - 1;
    if (frame == 6) frame = 0;
    return level;
}

bool IsBuiltInIconSet(const std::string& setName) { return fw::ToLower1251(setName) == fw::ToLower1251(kBuiltInName); }

std::array<std::string, kTraySlotCount> CustomIconFiles(const fw::IniFile& settings,
                                                        const std::string& programFolder) {
    std::array<std::string, kTraySlotCount> files = DefaultIconFiles(programFolder);
    for (int i = 0; i < kTraySlotCount; ++i) files[i] = keys::ReadText(settings, keys::kIconFiles[i], files[i]);
    return files;
}

}  // namespace quon
