#include "config/pages/interface/theme_check.h"

#include "config/pages/common/theme_links.h"
#include "engine/skin_theme.h"
#include "engine/theme_keys.h"
#include "framework/text.h"

namespace quon::config {

using namespace keys;

ThemeHeader ReadThemeHeader(const fw::IniFile& theme) {
    ThemeHeader h;
    h.type = Read(theme, kThemeType);
    h.host = Read(theme, kThemeHost);
    h.generation = Read(theme, kThemeGeneration);
    h.version = Read(theme, kThemeVersion);
    return h;
}

ThemeRefusal RefusalOf(const ThemeHeader& header) {
    if (header.type != "skin") return ThemeRefusal::NotATheme;
    if (fw::ToLower1251(header.host) != fw::ToLower1251(kThemeHostName)) return ThemeRefusal::OtherHost;
    return ThemeRefusal::None;
}

const char* RefusalText(ThemeRefusal refusal) {
    switch (refusal) {
    case ThemeRefusal::NotATheme:
        return "выбранный файл не является темой интерфейса, либо\nне поддерживается текущей версией";
    case ThemeRefusal::OtherHost:
        return "выбранный файл не является темой интерфейса, либо\nпредназначен для другой программы";
    case ThemeRefusal::None:
        break;
    }
    return "";
}

const char* const kGenerationQuestion =
    "выбранный файл имеет более высокий идентификатор\nпоколения тем интерфейса, чем поддерживается этой\n"
    "версией программы, что может вызвать некорректное\nотображение темы в главном модуле...\n"
    "продолжить загрузку?";
const char* const kVersionQuestion =
    "выбранный файл поддерживается\nболее новой версией программы,\nчто может привести к некорректному\n"
    "отображению темы в главном модуле...\nпродолжить загрузку?";

ThemePanels DescribeTheme(const fw::IniFile& theme) {
    const std::string name = Read(theme, kThemeName);
    const std::string version = Read(theme, kThemeVersionText);
    ThemePanels p;
    p.selected = " " + name + ",  версия " + version;
    p.name = " " + name;
    p.version = " версия " + version;
    p.author = " " + Read(theme, kThemeAuthor);
    p.mail = " " + ReadText(theme, kThemeMail, kMakerMail);
    p.mailLink = ReadText(theme, kThemeMail, "");
    p.webLink = Read(theme, kThemeWeb);
    p.web = " " + p.webLink;
    p.icqLink = Read(theme, kThemeIcq);
    p.icq = " " + p.icqLink;
    p.ps = Read(theme, kThemePs);
    if (p.ps.size() < 3) p.ps = " (без комментариев)";
    return p;
}

ThemePanels BuiltInThemePanels() {
    ThemePanels p;
    p.selected = " Default, версия 1.0";
    p.name = " Default";
    p.version = " 1.0";
    p.author = " Pelnor";
    p.mail = std::string(" ") + kMakerMail;
    p.mailLink = kMakerMail;
    p.web = std::string(" ") + kMakerWeb;
    p.webLink = kMakerWeb;
    p.icq = std::string(" ") + kMakerMessenger;
    p.icqLink = DigitsOnlyText(kMakerMessenger);
    return p;
}

ThemePanels UnknownThemePanels() {
    ThemePanels p;
    p.selected = p.name = p.version = p.author = p.mail = p.web = p.icq = " -";
    return p;
}

std::vector<std::string> ThemeVariants(const std::string& themeFile) {
    if (themeFile == kBuiltInThemeFile) return {kDefaultVariantName};
    const fw::IniFile theme(UnquotedFileName(themeFile));
    // A theme without the key offers one variation here; the meter reckons it as none beyond the first.
    const int64_t count = Read(theme, kThemeVariants, 1);
    std::vector<std::string> items;
    if (count == 0) items.push_back(kDefaultVariantName);
    for (int64_t i = 0; i < count && i < kMaxThemeVariants; ++i)
        items.push_back(fw::ToUpper1251(
            theme.ReadString(kThemeVariants.section, kThemeVariantPrefix + std::to_string(i), kDefaultVariantName)));
    return items;
}

std::vector<std::string> ThemeElements(const std::string& themeFile) {
    if (themeFile == kBuiltInThemeFile)
        return {"", "БАЙТ  СКАЧАНО  ЗА  ДЕНЬ", "БАЙТ  СКАЧАНО  ЗА  МЕСЯЦ", "", "ГРАФИК  ТРАФИКА", "ГРАФИК  СОСТОЯНИЯ",
                "", "КНОПКА  'СКРЬIТЬ'", "КНОПКА  'НАСТРОЙКИ'"};
    struct Line {
        const char* key;  // null: the empty separating line
        const char* text;
    };
    static const Line kLines[] = {
        {nullptr, ""},
        {SkinElementKey(SkinElement::D_now), "БАЙТ  СКАЧАНО  ЗА  СОЕДИНЕНИЕ"},
        {SkinElementKey(SkinElement::D_day), "БАЙТ  СКАЧАНО  ЗА  ДЕНЬ"},
        {SkinElementKey(SkinElement::D_month), "БАЙТ  СКАЧАНО  ЗА  МЕСЯЦ"},
        {SkinElementKey(SkinElement::D_free), "БАЙТ  ОСТАЛОСЬ  СКАЧАТЬ"},
        {SkinElementKey(SkinElement::U_now), "БАЙТ  ОТПРАВЛЕНО  ЗА  СОЕДИНЕНИЕ"},
        {SkinElementKey(SkinElement::U_month), "БАЙТ  ОТПРАВЛЕНО  ЗА  МЕСЯЦ"},
        {SkinElementKey(SkinElement::U_free), "БАЙТ  ОСТАЛОСЬ  ОТПРАВИТЬ"},
        {SkinElementKey(SkinElement::Speed), "СКОРОСТЬ  ВХОДЯЩЕГО  ТРАФИКА"},
        {SkinElementKey(SkinElement::Upload), "СКОРОСТЬ  ИСХОДЯЩЕГО  ТРАФИКА"},
        {nullptr, ""},
        {SkinElementKey(SkinElement::Graph), "ГРАФИК  ТРАФИКА"},
        {SkinElementKey(SkinElement::State), "ГРАФИК  СОСТОЯНИЯ"},
        {nullptr, ""},
        {SkinElementKey(SkinElement::Hide), "КНОПКА  'СКРЬIТЬ'"},
        {SkinElementKey(SkinElement::Config), "КНОПКА  'НАСТРОЙКИ'"},
        {SkinElementKey(SkinElement::Hangup), "КНОПКА  'ОТКЛЮЧИТЬСЯ'"},
    };
    const fw::IniFile theme(UnquotedFileName(themeFile));
    std::vector<std::string> items;
    for (const Line& line : kLines)
        if (!line.key || theme.ReadInteger(kThemeVisibility, line.key, 0) != 0) items.push_back(line.text);
    return items;
}

std::string UnquotedFileName(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

}  // namespace quon::config
