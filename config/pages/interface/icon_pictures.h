#pragma once
// The seven tray icons as the settings show them: loaded from their files, or the built-in pictures.
#include <windows.h>

#include <array>
#include <string>

#include "config/pages/interface/icon_set_file.h"

namespace quon::config {

// An icon file loaded at the tray's size; null when the path is empty or not an icon.
HICON LoadIconFile(const std::string& path);

// Seven owned icons; a slot may be empty.
class IconPictures {
public:
    IconPictures() = default;
    ~IconPictures() { Clear(); }
    IconPictures(IconPictures&& other) noexcept : icons_(other.icons_) { other.icons_.fill(nullptr); }
    IconPictures& operator=(IconPictures&& other) noexcept;
    IconPictures(const IconPictures&) = delete;
    IconPictures& operator=(const IconPictures&) = delete;

    HICON operator[](int slot) const { return icons_[slot]; }
    void Replace(int slot, HICON icon);
    HICON Take(int slot);  // the caller owns it from now on
    void Clear();

private:
    std::array<HICON, kIconSlotCount> icons_{};
};

// Loads every path; false (and nothing kept) when one of them does not load.
bool LoadIconFiles(const IconPaths& paths, IconPictures& icons);

// An icon-set file checked and loaded as a whole.
struct IconSetLoad {
    IconSetRefusal refusal = IconSetRefusal::None;
    bool iconsFailed = false;  // accepted, but one of its icons did not load
    IconPaths paths;
    IconPictures icons;
};
IconSetLoad LoadIconSet(const std::string& setFile);

}  // namespace quon::config
