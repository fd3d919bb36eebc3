#pragma once
// What the settings read from a theme description (".qsf") to accept it, describe it and list its
// variants and the figures it shows. "Default" (exactly) stands for the built-in theme.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/program_files.h"
#include "framework/ini_file.h"

namespace quon::config {

inline constexpr const char* kBuiltInThemeFile = kBuiltInName;
inline constexpr const char* kDefaultVariantName = "ПО  УМОЛЧАНИЮ";
// A theme names at most this many variants; a larger count in its file is cut to it.
inline constexpr int64_t kMaxThemeVariants = 100;

struct ThemeHeader {
    std::string type, host;
    int64_t generation = 2, version = 2;
};
ThemeHeader ReadThemeHeader(const fw::IniFile& theme);

enum class ThemeRefusal { None, NotATheme, OtherHost };
// The type must be "skin" exactly; the host, in any letter case, the product's.
ThemeRefusal RefusalOf(const ThemeHeader& header);
// A newer generation or version than this one knows is accepted only when the user agrees.
inline bool AsksAboutGeneration(const ThemeHeader& h) { return h.generation > 2; }
inline bool AsksAboutVersion(const ThemeHeader& h) { return h.version > 3; }

const char* RefusalText(ThemeRefusal refusal);
extern const char* const kGenerationQuestion;
extern const char* const kVersionQuestion;

// The captions of the description panels; the links hold what a click on mail, web and messenger opens.
struct ThemePanels {
    std::string selected;  // " name,  версия version"
    std::string name, version, author, mail, web, icq, ps;
    std::string mailLink, webLink, icqLink;
};
ThemePanels DescribeTheme(const fw::IniFile& theme);
ThemePanels BuiltInThemePanels();
ThemePanels UnknownThemePanels();  // " -" everywhere, no remark, no links

// The items of the variant list. A negative count lists nothing, zero lists the default name once.
std::vector<std::string> ThemeVariants(const std::string& themeFile);
// The lines of the shown-figures list: the built-in theme's fixed list or the figures a file shows,
// with the three empty separating lines.
std::vector<std::string> ThemeElements(const std::string& themeFile);

// A file name as the file-name edit shows it, without the double quotes around a name with blanks.
std::string UnquotedFileName(const std::string& text);

}  // namespace quon::config
