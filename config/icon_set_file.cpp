#include "config/icon_set_file.h"

namespace quon::config {

namespace {

constexpr const char* kKeys[kIconSlotCount] = {"icon_o", "icon_0", "icon_1", "icon_2", "icon_3", "icon_4", "icon_5"};
constexpr const char* kType = "iconset";
constexpr const char* kHost = "Quon Tollen";

}  // namespace

const char* IconSlotKey(int slot) {
    return slot >= 0 && slot < kIconSlotCount ? kKeys[slot] : "";
}

std::string IconDialogTitle(int slot) {
    const std::string what = slot <= 0 ? "offline" : "online : уровень " + std::to_string(slot - 1);
    return "Выбор иконки для индикатора (" + what + ")...";
}

IconSetRefusal CheckIconSet(const fw::IniFile& set) {
    if (set.ReadString("info", "type", "none") != kType) return IconSetRefusal::NotAnIconSet;
    if (set.ReadString("info", "host", "none") != kHost) return IconSetRefusal::OtherHost;
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
    for (int i = 0; i < kIconSlotCount; ++i) paths[i] = set.ReadString("icons", kKeys[i], "");
    return paths;
}

bool WriteIconSet(const fw::IniFile& set, const IconPaths& paths) {
    if (!set.WriteString("info", "type", kType) || !set.WriteString("info", "host", kHost) ||
        !set.WriteString("info", "version", "2") || !set.WriteString("info", "support", "2"))
        return false;
    for (int i = 0; i < kIconSlotCount; ++i)
        if (!set.WriteString("icons", kKeys[i], paths[i])) return false;
    return true;
}

const char* const kIconLoadFailedText =
    "внимание! произошла ошибка при попытке загрузить\nиконку для индикатора (попробуйте загрузить другой файл)...";
const char* const kIconSetLoadFailedText =
    "внимание! произошла ошибка при попытке\nзагрузить один или несколько индикаторов...";
const char* const kIconSetSaveFailedText = "внимание! произошла ошибка при попытке сохранить файл на диск...";
const char* const kIconSetFilter = "Наборы иконок для Quon Tollen`а|*.qof|Все файлы|*.*";

}  // namespace quon::config
