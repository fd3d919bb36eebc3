#pragma once
// Themes: a folder with one ".qsf" description (an INI file) and the PNG pictures it names.
// ReadSkin reads a whole theme into a value; the caller replaces its current theme only when it succeeds.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quon {

// The window's parts a theme places, in the order the description is read.
enum class SkinElement {
    Hide, Config, Hangup, State, Value, Graph,
    D_now, U_now, D_day, D_month, U_month, D_free, U_free, Speed, Upload,
};
constexpr int kSkinElementCount = 15;

// The nine texts in the order of their styles.
enum class SkinText { D_now, D_day, D_month, D_free, Speed, U_now, U_month, U_free, Upload };
constexpr int kSkinTextCount = 9;

const char* SkinElementKey(SkinElement e);  // "hide", ..., "d_now", ..., "upload"
SkinElement ElementOfText(SkinText t);

// The pictures of the theme's three buttons.
enum ButtonState { kButtonNormal = 0, kButtonHovered = 1, kButtonPressed = 2 };

// Where an element sits inside the background picture and whether it is shown.
struct ElementPlace {
    bool visible = false;
    int left = 0, top = 0, width = 0, height = 0;
    bool Contains(int x, int y) const {
        return visible && x >= left && x < left + width && y >= top && y < top + height;
    }
};
using SkinLayout = std::array<ElementPlace, kSkinElementCount>;
inline ElementPlace& PlaceOf(SkinLayout& l, SkinElement e) { return l[static_cast<int>(e)]; }
inline const ElementPlace& PlaceOf(const SkinLayout& l, SkinElement e) { return l[static_cast<int>(e)]; }

struct SkinTextStyle {
    int32_t size = 10;    // points
    int32_t align = 2;    // 0 left, 1 centre, 2 right of the anchor point
    int32_t shadow = 1;   // pixels right and down
    int32_t colorA = 255, colorR = 0, colorG = 0, colorB = 0;        // only the low 8 bits count
    int32_t shadowA = 255, shadowR = 255, shadowG = 255, shadowB = 255;
    bool bold = true;
    std::wstring font = L"Arial";
};

struct SkinTheme {
    std::wstring face;
    std::array<std::wstring, 3> hide, config, hangup;  // normal, hovered, pressed
    std::wstring online, offline;
    std::array<std::wstring, 6> bars;                  // one per activity level
    std::wstring unitLabel;
    bool smooth = false;
    std::array<SkinTextStyle, kSkinTextCount> text;
    int32_t bar = 3, space = 1, offset = -9;
};

struct LoadedSkin {
    SkinTheme theme;
    SkinLayout layout;
    int historyCount = 30;  // [data.graph] bars, kept within the activity history
};

enum class SkinLoadError { None, BuiltInFaceMissing, FaceMissing };

// Places, offsets and sizes of a theme file are held to these ranges, so that the drawing's arithmetic
// stays far from the integer limits: no picture is larger, and a larger value would draw nothing more.
constexpr int kMostSkinExtent = 16384;   // pixels, either way for places and offsets
constexpr int kMostTextPoints = 1000;    // font size

// "default" in any letter case names the built-in theme.
bool IsBuiltInTheme(const std::string& themeFile);

// themeFile: the full path of a ".qsf" file, or "default" in any letter case for the built-in theme of
// programFolder. units: the window unit (0 bytes, 1 KB, 2 MB), which picks the unit label picture.
std::optional<LoadedSkin> ReadSkin(const std::string& themeFile, int64_t variation, int64_t units,
                                   const std::string& programFolder, SkinLoadError* error = nullptr);

}  // namespace quon
