#include "config/pages/data/plugin_rows.h"

#include <algorithm>

#include "config/settings/conversions.h"
#include "engine/plugin_list.h"
#include "engine/settings_keys.h"

namespace quon::config {
namespace {

int CompareTextAscii(const std::string& a, const std::string& b) {
    auto upper = [](char c) {
        unsigned char u = static_cast<unsigned char>(c);
        return u >= 'a' && u <= 'z' ? u - 32 : u;
    };
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
        if (int d = upper(a[i]) - upper(b[i])) return d;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// The row's cells from `column` on, one line each: later columns break ties.
std::string CellsFrom(const PluginRecord& r, int column) {
    const PluginCells cells = CellsOf(r);
    std::string out;
    for (int c = column; c < kPluginColumns; ++c) {
        if (c > column) out += "\r\n";
        out += cells[c];
    }
    return out;
}

}  // namespace

const char* PluginStatusText(bool enabled) { return enabled ? "ВКЛЮЧЕН" : "ОТКЛЮЧЕН"; }

PluginCells CellsOf(const PluginRecord& r) {
    return {r.file, PluginStatusText(r.enabled), ActivationText(r.event), r.description, r.author, r.mail, r.web};
}

PluginRecord RecordOf(const PluginRow& row) {
    return {row.file, row.enabled != "0", fw::ParseInteger(row.event).value_or(-1), row.windowClass, row.desc,
            row.author, row.mail, row.web};
}

PluginRow RowOf(const PluginRecord& r) {
    return {r.file, r.enabled ? "1" : "0", std::to_string(r.event), r.windowClass, r.description, r.author, r.mail, r.web};
}

PluginInfo SplitPluginInfo(const std::string& text) {
    std::vector<size_t> colons;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == ':') colons.push_back(i);
    if (colons.size() < 5) return {"-", "-", "-", "-", text};
    auto between = [&](size_t k) { return text.substr(colons[k] + 1, colons[k + 1] - colons[k] - 1); };
    PluginInfo info{between(0), between(1), between(2), between(3), {}};
    if (colons.size() >= 6) info.description = text.substr(colons[4] + 1, text.size() - colons[4] - 2);
    return info;
}

PluginRecord ScanPluginFile(const std::string& file, const fw::IniFile& list, const PluginQuestions& ask) {
    const char* section = file.c_str();
    PluginRecord r;
    r.file = file;
    r.enabled = PluginEnabled(list.ReadString(section, keys::kPluginEnabled, "1"));
    r.event = list.ReadInteger(section, keys::kPluginEvents, -1);
    const bool stored = r.enabled && (r.event == paAlways || r.event == paStart || r.event < -1);
    if (stored) {
        r.windowClass = list.ReadString(section, keys::kPluginClass, "-");
        r.author = list.ReadString(section, keys::kPluginAuthor, "-");
        r.mail = list.ReadString(section, keys::kPluginMail, "-");
        r.web = list.ReadString(section, keys::kPluginWeb, "-");
        r.description = list.ReadString(section, keys::kPluginInfo, "-");
        return r;
    }
    int64_t event = 0;
    switch (ask.event(file, event)) {
        case ModuleReply::Answered: r.event = event; break;
        case ModuleReply::Missing: r.event = 1; break;
        case ModuleReply::Faulted: break;  // the code stays as read
    }
    std::string text;
    if (ask.info(file, text) == ModuleReply::Missing) text = ":-:-:-:-:-:";  // a fault leaves it empty
    const PluginInfo info = SplitPluginInfo(text);
    r.windowClass = info.windowClass;
    r.author = info.author;
    r.mail = info.mail;
    r.web = info.web;
    r.description = info.description;
    return r;
}

void PluginSort::Click(int clicked) {
    if (clicked == column) descending = !descending;
    column = clicked;
}

int ComparePluginRows(const PluginRecord& a, const PluginRecord& b, const PluginSort& sort) {
    const int column = std::clamp(sort.column, 0, kPluginColumns - 1);
    const int order = column == 0 ? CompareTextAscii(a.file, b.file)
                                  : CompareTextAscii(CellsFrom(a, column), CellsFrom(b, column));
    return sort.descending ? -order : order;
}

}  // namespace quon::config
