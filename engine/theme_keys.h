#pragma once
// The keys of a theme file (the meter draws from it, the settings dialog checks and describes it) and
// of an icon-set file (the dialog saves and loads the tray icons' paths in one). As in settings_keys.h,
// an IntKey or TextKey carries the meter's default, or the dialog's where only the dialog reads the key.
#include "engine/settings_keys.h"

namespace quon::keys {

// A theme: [plugin] says what the file is and for which program and generation.
inline constexpr TextKey kThemeType{"plugin", "type", ""};
inline constexpr TextKey kThemeHost{"plugin", "host", ""};
// The host a theme and an icon set name: this program.
inline constexpr const char* kThemeHostName = "Quon Tollen";
inline constexpr IntKey kThemeGeneration{"plugin", "generation", 2};
inline constexpr IntKey kThemeVersion{"plugin", "version", 2};

// [info]: what the dialog shows of the theme, its variations and the meter's smoothing.
inline constexpr TextKey kThemeName{"info", "name", "ТЕМА  БЕЗ  НАЗВАНИЯ"};
inline constexpr TextKey kThemeVersionText{"info", "version", "1.0"};
inline constexpr TextKey kThemeAuthor{"info", "author", "ИНКОГНИТО"};
inline constexpr Key kThemeMail{"info", "mail"};  // missing: the maker's address in the panel, no link
inline constexpr TextKey kThemeWeb{"info", "web", ""};
inline constexpr TextKey kThemeIcq{"info", "icq", ""};
inline constexpr TextKey kThemePs{"info", "ps", "(без комментариев)"};
inline constexpr IntKey kThemeVariants{"info", "variants", 0};
inline constexpr const char* kThemeVariantPrefix = "variant_";  // [info] variant_0 .. the names
inline constexpr IntKey kThemeSmooth{"info", "smooth", 0};

// [images]: the pictures, by key, beside the theme file; face_<variation> is the face.
inline constexpr const char* kThemeImages = "images";
inline constexpr const char* kThemeFacePrefix = "face_";
// The other pictures: each key's default is the key itself with ".png" ("online.png"), but for the
// activity bars, whose bar_<level> defaults to v<level>.png. The three buttons have a picture per state,
// <button>_a, _b and _c; the unit label one per unit.
inline constexpr const char* kImageOnline = "online";
inline constexpr const char* kImageOffline = "offline";
inline constexpr const char* kImageBarPrefix = "bar_";
inline constexpr const char* kImageBarDefaultPrefix = "v";
inline constexpr const char* kImageButtonStates = "abc";
inline constexpr const char* kImageHidePrefix = "hide_";
inline constexpr const char* kImageConfigPrefix = "config_";
inline constexpr const char* kImageHangupPrefix = "hangup_";
inline constexpr const char* kImageUnits[3] = {"b", "kb", "mb"};  // by [data] units
inline constexpr const char* kImageExtension = ".png";
// [visibility] <element>: which elements the theme shows; [data.<element>] their place and text style.
inline constexpr const char* kThemeVisibility = "visibility";
inline constexpr const char* kThemeElementPrefix = "data.";

// The keys of an element's own section [data.<element>], with the meter's defaults: its place (the
// defaults differ by element and stand in the theme reader's table), the style of a text element and
// the graph's bars.
struct ElementKey {
    const char* name;
    int64_t def;
};
inline constexpr const char* kElementWidth = "width";
inline constexpr const char* kElementHeight = "height";
inline constexpr const char* kElementTop = "top";
inline constexpr const char* kElementLeft = "left";
inline constexpr ElementKey kTextSize{"size", 10};
inline constexpr ElementKey kTextAlign{"align", 2};
inline constexpr ElementKey kTextShadow{"shadow", 1};
inline constexpr ElementKey kTextColorA{"color_a", 255};
inline constexpr ElementKey kTextColorR{"color_r", 0};
inline constexpr ElementKey kTextColorG{"color_g", 0};
inline constexpr ElementKey kTextColorB{"color_b", 0};
inline constexpr ElementKey kTextShadowA{"shadow_a", 255};
inline constexpr ElementKey kTextShadowR{"shadow_r", 255};
inline constexpr ElementKey kTextShadowG{"shadow_g", 255};
inline constexpr ElementKey kTextShadowB{"shadow_b", 255};
inline constexpr ElementKey kTextBold{"bold", 1};
inline constexpr const char* kTextFont = "font";
inline constexpr const char* kTextFontDefault = "Arial";
inline constexpr ElementKey kGraphBar{"bar", 3};
inline constexpr ElementKey kGraphBars{"bars", 30};
inline constexpr ElementKey kGraphSpace{"space", 1};
inline constexpr ElementKey kGraphHeight{"height", 9};
inline constexpr const char* kGraphOffset = "offset";  // missing: minus the bars' height

// An icon set: [info] says what the file is, [icons] holds the paths under the keys of data.qif's
// [skin] icon_<slot>.
inline constexpr TextKey kIconSetType{"info", "type", "none"};
inline constexpr TextKey kIconSetHost{"info", "host", "none"};
inline constexpr Key kIconSetVersion{"info", "version"};
inline constexpr Key kIconSetSupport{"info", "support"};
inline constexpr const char* kIconSetIcons = "icons";

}  // namespace quon::keys
