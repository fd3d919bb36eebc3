#include "framework/ini_text.h"

#include <optional>

#include "framework/text.h"

namespace fw {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trimmed(a);
    b = Trimmed(b);
    return a.size() == b.size() && ToLower1251(a) == ToLower1251(b);
}

// One line of the text: where it starts, where its content ends and where the next line starts.
struct Line {
    size_t begin, end, next;
    std::string_view Content(std::string_view text) const { return text.substr(begin, end - begin); }
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    for (size_t begin = 0; begin < text.size();) {
        const size_t lf = text.find('\n', begin);
        const size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
        size_t end = lf == std::string_view::npos ? text.size() : lf;
        if (end > begin && text[end - 1] == '\r') --end;
        lines.push_back({begin, end, next});
        begin = next;
    }
    return lines;
}

// The name of a section line ("[name]" after blanks), or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trimmed(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return line.substr(1, close - 1);
}

// The name of a key line: the text before its "=", or the whole line when it has none.
std::string_view KeyName(std::string_view line) { return line.substr(0, line.find('=')); }

std::string OneLine(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

}  // namespace

std::string SetIniKeys(std::string_view text, std::string_view section, const IniKeys& keys) {
    const std::vector<Line> lines = SplitLines(text);
    // The first section of the name, from its header to the next header.
    size_t header = lines.size();
    for (size_t i = 0; i < lines.size() && header == lines.size(); ++i) {
        auto name = SectionName(lines[i].Content(text));
        if (name && SameName(*name, section)) header = i;
    }
    size_t stop = header;
    if (header < lines.size())
        for (stop = header + 1; stop < lines.size() && !SectionName(lines[stop].Content(text)); ++stop) {}

    // Which line holds each key, and after which line the keys it lacks go.
    std::vector<size_t> at(keys.size(), lines.size());
    size_t last = header;
    for (size_t i = header + 1; i < stop; ++i) {
        const std::string_view content = lines[i].Content(text);
        if (Trimmed(content).empty()) continue;
        last = i;
        for (size_t k = 0; k < keys.size(); ++k)
            if (at[k] == lines.size() && SameName(KeyName(content), keys[k].first)) at[k] = i;
    }

    std::string added;
    for (size_t k = 0; k < keys.size(); ++k)
        if (at[k] == lines.size()) added += OneLine(keys[k].first) + "=" + OneLine(keys[k].second) + "\r\n";

    std::string out;
    out.reserve(text.size() + added.size() + section.size() + 8);
    size_t copied = 0;  // text up to here is in out already
    auto copyTo = [&](size_t pos) {
        out.append(text.substr(copied, pos - copied));
        copied = pos;
    };
    for (size_t i = header + 1; i < stop; ++i) {
        for (size_t k = 0; k < keys.size(); ++k) {
            if (at[k] != i) continue;
            const std::string_view content = lines[i].Content(text);
            const size_t eq = content.find('=');
            copyTo(lines[i].begin);
            out.append(eq == std::string_view::npos ? Trimmed(content) : content.substr(0, eq));
            out += "=" + OneLine(keys[k].second);
            copied = lines[i].end;
            break;
        }
        if (i == last && !added.empty()) {
            copyTo(lines[i].next);
            if (lines[i].next == lines[i].end) out += "\r\n";  // the last line of the text had no line break
            out += added;
        }
    }
    if (header < lines.size() && last == header && !added.empty()) {
        copyTo(lines[header].next);
        if (lines[header].next == lines[header].end) out += "\r\n";
        out += added;
    }
    copyTo(text.size());
    if (header == lines.size() && !added.empty()) {
        if (!out.empty() && out.back() != '\n') out += "\r\n";
        out += "[" + OneLine(section) + "]\r\n" + added;
    }
    return out;
}

}  // namespace fw
