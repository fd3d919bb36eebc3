#include "config/pages/interface/icon_pictures.h"

#include "framework/text.h"

namespace quon::config {

HICON LoadIconFile(const std::string& path) {
    if (path.empty()) return nullptr;
    return static_cast<HICON>(LoadImageW(nullptr, fw::Widen(path).c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE));
}

IconPictures& IconPictures::operator=(IconPictures&& other) noexcept {
    if (this != &other) {
        Clear();
        icons_ = other.icons_;
        other.icons_.fill(nullptr);
    }
    return *this;
}

void IconPictures::Replace(int slot, HICON icon) {
    if (icons_[slot] && icons_[slot] != icon) DestroyIcon(icons_[slot]);
    icons_[slot] = icon;
}

HICON IconPictures::Take(int slot) {
    HICON icon = icons_[slot];
    icons_[slot] = nullptr;
    return icon;
}

void IconPictures::Clear() {
    for (HICON& icon : icons_) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
}

bool LoadIconFiles(const IconPaths& paths, IconPictures& icons) {
    IconPictures loaded;
    for (int i = 0; i < kIconSlotCount; ++i) {
        HICON icon = LoadIconFile(paths[i]);
        if (!icon) return false;
        loaded.Replace(i, icon);
    }
    icons = std::move(loaded);
    return true;
}

IconSetLoad LoadIconSet(const std::string& setFile) {
    IconSetLoad result;
    const fw::IniFile set(setFile);
    result.refusal = CheckIconSet(set);
    if (result.refusal != IconSetRefusal::None) return result;
    result.paths = ReadIconSetPaths(set);
    result.iconsFailed = !LoadIconFiles(result.paths, result.icons);
    return result;
}

}  // namespace quon::config
