#include "engine/skin_theme.h"

#include <windows.h>

#include <algorithm>

#include "engine/engine_state.h"
#include "engine/program_files.h"
#include "engine/theme_keys.h"
#include "framework/ini_file.h"
#include "framework/text.h"

namespace quon {

using namespace keys;

namespace {

constexpr const char* kElementKeys[kSkinElementCount] = {
    "hide", "config", "hangup", "state", "value", "graph", "d_now", "u_now",
    "d_day", "d_month", "u_month", "d_free", "u_free", "speed", "upload",
};

template <class Ini>
int64_t ReadElement(const Ini& ini, const char* section, const ElementKey& k) {
    return ini.ReadInteger(section, k.name, k.def);
}

struct PlaceDefault {
    int visible, width, height, top, left;
};
constexpr PlaceDefault kPlaceDefaults[kSkinElementCount] = {
    {1, 10, 10, 3, 128}, {1, 10, 10, 3, 116}, {0, 22, 10, 15, 3}, {1, 22, 10, 3, 3}, {1, 22, 10, 15, 116},
    {1, 119, 9, 28, 11}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {1, 0, 0, 1, 111}, {1, 0, 0, 13, 111},
    {0, 0, 0, 13, 111}, {1, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0},
};

constexpr SkinElement kTextElements[kSkinTextCount] = {
    SkinElement::D_now, SkinElement::D_day, SkinElement::D_month, SkinElement::D_free, SkinElement::Speed,
    SkinElement::U_now, SkinElement::U_month, SkinElement::U_free, SkinElement::Upload,
};

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributesW(fw::Widen(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

int32_t Int32(int64_t v) { return static_cast<int32_t>(v); }
int32_t Place(int64_t v) { return Int32(std::clamp<int64_t>(v, -kMostSkinExtent, kMostSkinExtent)); }
int32_t Extent(int64_t v) { return Int32(std::clamp<int64_t>(v, 0, kMostSkinExtent)); }

}  // namespace

const char* SkinElementKey(SkinElement e) { return kElementKeys[static_cast<int>(e)]; }
SkinElement ElementOfText(SkinText t) { return kTextElements[static_cast<int>(t)]; }
bool IsBuiltInTheme(const std::string& themeFile) { return fw::ToLower1251(themeFile) == fw::ToLower1251(kBuiltInName); }

std::optional<LoadedSkin> ReadSkin(const std::string& themeFile, int64_t variation, int64_t units,
                                   const std::string& programFolder, SkinLoadError* error) {
    auto fail = [&](SkinLoadError why) -> std::optional<LoadedSkin> {
        if (error) *error = why;
        return std::nullopt;
    };
    if (error) *error = SkinLoadError::None;

    std::string description = themeFile;
    if (IsBuiltInTheme(themeFile)) {
        if (!FileExists(programFolder + kDefaultSkinFolder + kDefaultSkinFace))
            return fail(SkinLoadError::BuiltInFaceMissing);
        description = programFolder + kDefaultSkinFolder + kDefaultSkinDescription;
    }
    const fw::IniFile ini(description);
    const auto slash = description.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : description.substr(0, slash + 1);
    auto picture = [&](const std::string& key, const std::string& def) {
        return fw::Widen(folder + ini.ReadString(kThemeImages, key, def));
    };

    if (Read(ini, kThemeVariants) < variation) variation = 0;
    const std::string faceKey = kThemeFacePrefix + std::to_string(variation);
    const std::string face = folder + ini.ReadString(kThemeImages, faceKey, kDefaultSkinFace);
    if (!FileExists(face)) return fail(SkinLoadError::FaceMissing);

    LoadedSkin out;
    SkinTheme& t = out.theme;
    t.face = fw::Widen(face);
    auto ownPicture = [&](const std::string& key) { return picture(key, key + kImageExtension); };
    for (auto [name, slot] : {std::pair{kImageHidePrefix, &t.hide}, {kImageConfigPrefix, &t.config},
                              {kImageHangupPrefix, &t.hangup}})
        for (int s = 0; s < 3; ++s) (*slot)[s] = ownPicture(name + std::string(1, kImageButtonStates[s]));
    t.online = ownPicture(kImageOnline);
    t.offline = ownPicture(kImageOffline);
    for (int level = 0; level < 6; ++level)
        t.bars[level] = picture(kImageBarPrefix + std::to_string(level),
                                kImageBarDefaultPrefix + std::to_string(level) + kImageExtension);
    t.unitLabel = ownPicture(kImageUnits[units == 1 ? 1 : units == 2 ? 2 : 0]);
    t.smooth = Read(ini, kThemeSmooth) != 0;

    for (int e = 0; e < kSkinElementCount; ++e) {
        const PlaceDefault& d = kPlaceDefaults[e];
        const std::string section = kThemeElementPrefix + std::string(kElementKeys[e]);
        ElementPlace& p = out.layout[e];
        p.visible = ini.ReadInteger(kThemeVisibility, kElementKeys[e], d.visible) != 0;
        p.width = Extent(ini.ReadInteger(section.c_str(), kElementWidth, d.width));
        p.height = Extent(ini.ReadInteger(section.c_str(), kElementHeight, d.height));
        p.top = Place(ini.ReadInteger(section.c_str(), kElementTop, d.top));
        p.left = Place(ini.ReadInteger(section.c_str(), kElementLeft, d.left));
    }

    for (int i = 0; i < kSkinTextCount; ++i) {
        const std::string section = kThemeElementPrefix + std::string(SkinElementKey(kTextElements[i]));
        const char* s = section.c_str();
        SkinTextStyle& st = t.text[i];
        st.size = Int32(std::clamp<int64_t>(ReadElement(ini, s, kTextSize), 0, kMostTextPoints));
        st.align = Int32(ReadElement(ini, s, kTextAlign));
        st.shadow = Place(ReadElement(ini, s, kTextShadow));
        st.colorA = Int32(ReadElement(ini, s, kTextColorA));
        st.colorR = Int32(ReadElement(ini, s, kTextColorR));
        st.colorG = Int32(ReadElement(ini, s, kTextColorG));
        st.colorB = Int32(ReadElement(ini, s, kTextColorB));
        st.shadowA = Int32(ReadElement(ini, s, kTextShadowA));
        st.shadowR = Int32(ReadElement(ini, s, kTextShadowR));
        st.shadowG = Int32(ReadElement(ini, s, kTextShadowG));
        st.shadowB = Int32(ReadElement(ini, s, kTextShadowB));
    }
    for (int i = 0; i < kSkinTextCount; ++i) {
        const std::string section = kThemeElementPrefix + std::string(SkinElementKey(kTextElements[i]));
        t.text[i].bold = ReadElement(ini, section.c_str(), kTextBold) != 0;
    }
    for (int i = 0; i < kSkinTextCount; ++i) {
        const std::string section = kThemeElementPrefix + std::string(SkinElementKey(kTextElements[i]));
        t.text[i].font = fw::Widen(ini.ReadString(section.c_str(), kTextFont, kTextFontDefault));
    }

    const std::string graph = kThemeElementPrefix + std::string(SkinElementKey(SkinElement::Graph));
    const char* g = graph.c_str();
    t.bar = Extent(ReadElement(ini, g, kGraphBar));
    // The history holds kHistorySize levels: a theme cannot ask the graph for more, nor for none.
    out.historyCount = static_cast<int>(std::clamp<int64_t>(ReadElement(ini, g, kGraphBars), 1, kHistorySize));
    t.space = Place(ReadElement(ini, g, kGraphSpace));
    const int64_t height = ReadElement(ini, g, kGraphHeight);
    t.offset = Place(ini.ReadInteger(g, kGraphOffset, -height));
    return out;
}

}  // namespace quon
