#pragma once
// Settings files for the settings library's tests: every key the dialog reads set to a value other
// than its default, a plug-in list, and the same written as INI files.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>

namespace quon::test {

using Map = std::map<std::pair<std::string, std::string>, std::string>;

// Every key the dialog reads, each set to a value other than the dialog's default.
inline Map EveryKeyChanged() {
    return {{{"visibility", "reaload"}, "1"}, {{"view", "x"}, "300"}, {{"view", "y"}, "150"}, {{"view", "fix"}, "1"},
            {{"data", "protection"}, "0"}, {{"reset", "notify"}, "0"}, {{"reset", "interval"}, "15"},
            {{"data", "method"}, "0"}, {{"visibility", "fade"}, "4"}, {{"visibility", "start"}, "0"},
            {{"visibility", "show"}, "0"}, {{"visibility", "hide"}, "30"}, {{"data", "units"}, "1"},
            {{"data", "speed"}, "4"}, {{"data", "language"}, "1"}, {{"bytes", "float"}, "2"}, {{"events", "hint"}, "2"},
            {{"visibility", "click"}, "0"}, {{"visibility", "desktop"}, "1"}, {{"events", "hangup"}, "15"},
            {{"bytes", "level_1"}, "2048"}, {{"bytes", "level_2"}, "4096"}, {{"bytes", "level_3"}, "8192"},
            {{"bytes", "level_4"}, "16384"}, {{"bytes", "level_5"}, "32768"}, {{"skin", "name"}, "Синяя, версия 2"},
            {{"view", "o"}, "100"}, {{"visibility", "over"}, "1"}, {{"skin", "hangup"}, "0"}, {{"skin", "icons"}, "0"},
            {{"skin", "icon_o"}, "D:\\i\\o.ico"}, {{"skin", "icon_0"}, "D:\\i\\0.ico"}, {{"skin", "icon_1"}, "D:\\i\\1.ico"},
            {{"skin", "icon_2"}, "D:\\i\\2.ico"}, {{"skin", "icon_3"}, "D:\\i\\3.ico"}, {{"skin", "icon_4"}, "D:\\i\\4.ico"},
            {{"skin", "icon_5"}, "D:\\i\\5.ico"}, {{"skin", "animation"}, "1"}, {{"skin", "fullstop"}, "0"},
            {{"skin", "file"}, "D:\\themes\\blue.qsf"}, {{"skin", "variation"}, "2"}, {{"events", "hangup_m"}, "1"},
            {{"events", "beep_m"}, "0"}, {{"events", "wav_m"}, "D:\\m.wav"}, {{"events", "hangup_d"}, "1"},
            {{"events", "beep_d"}, "0"}, {{"events", "wav_d"}, "D:\\d.wav"}, {{"events", "wav_o"}, "D:\\o.wav"},
            {{"events", "wav_x"}, "D:\\x.wav"}, {{"events", "shutdown"}, "1"}, {{"events", "balloon"}, "0"},
            {{"ignore", "items"}, "2"}, {{"ignore", "item_1"}, "Работа"}, {{"ignore", "item_2"}, "Home"},
            {{"data", "period"}, "88"}, {{"visibility", "plugins"}, "1"}, {{"data", "unlim"}, "1"},
            {{"data", "backup"}, "1"}, {{"alt", "notify"}, "0"}, {{"alt", "warn"}, "5"}, {{"alt", "period"}, "31"},
            {{"alt", "next"}, "15.03.27"}, {{"alt", "remind"}, "10.03.27"}, {{"bytes", "monthlim"}, "52428800"},
            {{"bytes", "daylim"}, "2097152"}, {{"bytes", "backup"}, "1000"}, {{"bytes", "month"}, "123456,5"},
            {{"bytes", "day"}, "4567"}, {{"bytes", "uplim"}, "777"}, {{"bytes", "up"}, "888"},
            {{"memory", "units"}, "3"}, {{"memory", "float"}, "5"}, {{"log", "data"}, "1"}, {{"log", "clear"}, "0"},
            {{"log", "traffic"}, "1"}};
}

inline Map PluginList() {
    return {{{"plugins", "items"}, "2"}, {{"plugins", "item_1"}, "a.dll"}, {{"plugins", "item_2"}, "b.dll"},
            {{"a.dll", "enabled"}, "0"}, {{"a.dll", "events"}, "4"}, {{"a.dll", "class"}, "TA"},
            {{"a.dll", "info"}, "Модуль А"}, {{"a.dll", "author"}, "Автор"}, {{"a.dll", "mail"}, "a@x"},
            {{"a.dll", "web"}, "http://a"}, {{"b.dll", "enabled"}, "1"}, {{"b.dll", "events"}, "5"},
            {{"b.dll", "class"}, "TB"}, {{"b.dll", "info"}, "B"}, {{"b.dll", "author"}, "b"}, {{"b.dll", "mail"}, "b@x"},
            {{"b.dll", "web"}, "http://b"}};
}

// The map as an INI file, section by section (texts in code page 1251, as the program writes them).
inline void WriteIni(const std::filesystem::path& file, const Map& values) {
    std::map<std::string, std::string> sections;
    for (const auto& [key, value] : values) sections[key.first] += key.second + "=" + value + "\r\n";
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const auto& [section, lines] : sections) out << "[" << section << "]\r\n" << lines;
}

// A value as the private-profile API reads it back, "(none)" when missing.
inline std::string ReadIni(const std::filesystem::path& file, const std::string& section, const std::string& key) {
    char value[1024] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "(none)", value, sizeof value, file.string().c_str());
    return value;
}

}  // namespace quon::test
