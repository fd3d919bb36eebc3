#include "config/pages/interface/icon_set_file.h"

#include "engine/theme_keys.h"

namespace quon::config {

using namespace keys;

namespace {

constexpr const char* kType = "iconset";

}  // namespace

const char* IconSlotKey(int slot) {
    return slot >= 0 && slot < kIconSlotCount ? kIconFiles[slot].name : "";
}

std::string IconDialogTitle(int slot) {
    const std::string what = slot <= 0 ? "offline" : "online : уровень " + std::to_string(slot - 1);
    return "Выбор иконки для индикатора (" + what + ")...";
}

IconSetRefusal CheckIconSet(const fw::IniFile& set) {
    if (Read(set, kIconSetType) != kType) return IconSetRefusal::NotAnIconSet;
    if (Read(set, kIconSetHost) != kThemeHostName) return IconSetRefusal::OtherHost;
    return IconSetRefusal::None;
}

const char* IconSetRefusalText(IconSetRefusal refusal) {
    switch (refusal) {
    case IconSetRefusal::NotAnIconSet:
        return "внимание! файл не является набором иконок\nили не содержит нужной информации...";
    case IconSetRefusal::OtherHost:
        return "внимание! файл не предназначен для программы\nQuon Tollen или не содержит нужной информации...";
    case IconSetRefusal::None:
        break;
    }
    return "";
}

IconPaths ReadIconSetPaths(const fw::IniFile& set) {
    IconPaths paths;
    for (int i = 0; i < kIconSlotCount; ++i) paths[i] = set.ReadString(kIconSetIcons, IconSlotKey(i), "");
    return paths;
}

bool WriteIconSet(const fw::IniFile& set, const IconPaths& paths) {
    if (!Write(set, kIconSetType, kType) || !Write(set, kIconSetHost, kThemeHostName) ||
        !Write(set, kIconSetVersion, "2") || !Write(set, kIconSetSupport, "2"))
        return false;
    for (int i = 0; i < kIconSlotCount; ++i)
        if (!set.WriteString(kIconSetIcons, IconSlotKey(i), paths[i])) return false;
    return true;
}

const char* const kIconLoadFailedText =
    "внимание! произошла ошибка при попытке загрузить\nиконку для индикатора (попробуйте загрузить другой файл)...";
const char* const kIconSetLoadFailedText =
    "внимание! произошла ошибка при попытке\nзагрузить один или несколько индикаторов...";
const char* const kIconSetSaveFailedText = "внимание! произошла ошибка при попытке сохранить файл на диск...";
const char* const kIconSetFilter = "Наборы иконок для Quon Tollen`а|*.qof|Все файлы|*.*";

}  // namespace quon::config
