#pragma once
// The keys of a theme file (the meter draws from it, the settings dialog checks and describes it) and
// of an icon-set file (the dialog saves and loads the tray icons' paths in one). As in settings_keys.h,
// an IntKey or TextKey carries the meter's default, or the dialog's where only the dialog reads the key.
#include "engine/settings_keys.h"

namespace quon::keys {

// A theme: [plugin] says what the file is and for which program and generation.
inline constexpr TextKey kThemeType{"plugin", "type", ""};
inline constexpr TextKey kThemeHost{"plugin", "host", ""};
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
// [visibility] <element>: which elements the theme shows; [data.<element>] their place and text style.
inline constexpr const char* kThemeVisibility = "visibility";
inline constexpr const char* kThemeElementPrefix = "data.";

// An icon set: [info] says what the file is, [icons] holds the paths under the keys of data.qif's
// [skin] icon_<slot>.
inline constexpr TextKey kIconSetType{"info", "type", "none"};
inline constexpr TextKey kIconSetHost{"info", "host", "none"};
inline constexpr Key kIconSetVersion{"info", "version"};
inline constexpr Key kIconSetSupport{"info", "support"};
inline constexpr const char* kIconSetIcons = "icons";

}  // namespace quon::keys
