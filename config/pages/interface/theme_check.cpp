#include "config/pages/interface/theme_check.h"

#include "config/pages/common/theme_links.h"
#include "framework/text.h"

namespace quon::config {

ThemeHeader ReadThemeHeader(const fw::IniFile& theme) {
    ThemeHeader h;
    h.type = theme.ReadString("plugin", "type", "");
    h.host = theme.ReadString("plugin", "host", "");
    h.generation = theme.ReadInteger("plugin", "generation", 2);
    h.version = theme.ReadInteger("plugin", "version", 2);
    return h;
}

ThemeRefusal RefusalOf(const ThemeHeader& header) {
    if (header.type != "skin") return ThemeRefusal::NotATheme;
    if (fw::ToLower1251(header.host) != "quon tollen") return ThemeRefusal::OtherHost;
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
    const std::string name = theme.ReadString("info", "name", "ТЕМА  БЕЗ  НАЗВАНИЯ");
    const std::string version = theme.ReadString("info", "version", "1.0");
    ThemePanels p;
    p.selected = " " + name + ",  версия " + version;
    p.name = " " + name;
    p.version = " версия " + version;
    p.author = " " + theme.ReadString("info", "author", "ИНКОГНИТО");
    p.mail = " " + theme.ReadString("info", "mail", kMakerMail);
    p.mailLink = theme.ReadString("info", "mail", "");
    p.webLink = theme.ReadString("info", "web", "");
    p.web = " " + p.webLink;
    p.icqLink = theme.ReadString("info", "icq", "");
    p.icq = " " + p.icqLink;
    p.ps = theme.ReadString("info", "ps", "(без комментариев)");
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
    const int64_t count = theme.ReadInteger("info", "variants", 1);
    std::vector<std::string> items;
    if (count == 0) items.push_back(kDefaultVariantName);
    for (int64_t i = 0; i < count && i < kMaxThemeVariants; ++i)
        items.push_back(fw::ToUpper1251(theme.ReadString("info", "variant_" + std::to_string(i), kDefaultVariantName)));
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
        {"d_now", "БАЙТ  СКАЧАНО  ЗА  СОЕДИНЕНИЕ"},
        {"d_day", "БАЙТ  СКАЧАНО  ЗА  ДЕНЬ"},
        {"d_month", "БАЙТ  СКАЧАНО  ЗА  МЕСЯЦ"},
        {"d_free", "БАЙТ  ОСТАЛОСЬ  СКАЧАТЬ"},
        {"u_now", "БАЙТ  ОТПРАВЛЕНО  ЗА  СОЕДИНЕНИЕ"},
        {"u_month", "БАЙТ  ОТПРАВЛЕНО  ЗА  МЕСЯЦ"},
        {"u_free", "БАЙТ  ОСТАЛОСЬ  ОТПРАВИТЬ"},
        {"speed", "СКОРОСТЬ  ВХОДЯЩЕГО  ТРАФИКА"},
        {"upload", "СКОРОСТЬ  ИСХОДЯЩЕГО  ТРАФИКА"},
        {nullptr, ""},
        {"graph", "ГРАФИК  ТРАФИКА"},
        {"state", "ГРАФИК  СОСТОЯНИЯ"},
        {nullptr, ""},
        {"hide", "КНОПКА  'СКРЬIТЬ'"},
        {"config", "КНОПКА  'НАСТРОЙКИ'"},
        {"hangup", "КНОПКА  'ОТКЛЮЧИТЬСЯ'"},
    };
    const fw::IniFile theme(UnquotedFileName(themeFile));
    std::vector<std::string> items;
    for (const Line& line : kLines)
        if (!line.key || theme.ReadInteger("visibility", line.key, 0) != 0) items.push_back(line.text);
    return items;
}

std::string UnquotedFileName(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

}  // namespace quon::config
