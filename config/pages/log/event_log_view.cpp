#include "config/pages/log/event_log_view.h"

#include <cstdio>

#include "engine/event_log_format.h"

namespace quon::config {
namespace {

constexpr uint32_t kBlack = 0x000000, kRed = 0x0000FF, kGreen = 0x008000, kNavy = 0x800000, kMaroon = 0x000080;

// The text from a 0-based position to the end, and `count` characters from one; shorter or empty where
// the line is shorter.
std::string From(std::string_view s, size_t at) { return at < s.size() ? std::string(s.substr(at)) : std::string(); }
std::string Piece(std::string_view s, size_t at, size_t count) {
    return at < s.size() ? std::string(s.substr(at, count)) : std::string();
}

bool IsSectionHeader(std::string_view s) { return s.size() >= 2 && s.front() == '[' && s.back() == ']'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
    return s;
}

// The event code: the digit at the code's place; a line without one there counts as a message of the
// program (elPluginFault).
// -1: not a line of the log (a section header, an empty line).
int CodeOf(std::string_view s) {
    if (s.find_first_not_of(" \t") == std::string_view::npos || IsSectionHeader(s)) return -1;
    return s.size() > 18 && s[18] >= '0' && s[18] <= '9' ? s[18] - '0' : elPluginFault;
}

bool Shows(int code, const ViewerFilter& f) {
    switch (code) {
        case elConnected: case elDisconnected: return f.state;
        case elReceived: case elSent: return f.statistics;
        case elRestart: case elStart: case elQuit: return f.program;
        case elInterrupted: case elPluginFault: return f.important;
        default: return false;  // 9 and what is no line of the log
    }
}

// How many lines a shown event makes: the figures have a sub-line each, a balance only with its limit.
size_t LineCount(int code, bool receivedBalance, bool sentBalance) {
    if (code == elReceived) return 1 + 4 + (receivedBalance ? 1 : 0);
    if (code == elSent) return 1 + 2 + (sentBalance ? 1 : 0);
    return 1;
}

// value split at ":" into `count` fields; the last runs to the end, a missing one is empty.
std::vector<std::string> Fields(const std::string& value, size_t count) {
    std::vector<std::string> out;
    size_t from = 0;
    while (out.size() + 1 < count) {
        const size_t colon = value.find(':', from);
        if (colon == std::string::npos) break;
        out.push_back(value.substr(from, colon - from));
        from = colon + 1;
    }
    out.push_back(From(value, from));
    out.resize(count);
    return out;
}

void AddSubLine(std::vector<ViewerLine>& out, const char* label, const std::string& field) {
    out.push_back({std::string(38, ' ') + "» " + label + field, kViewerGrey});
}

void AddEvent(std::vector<ViewerLine>& out, std::string_view s, int code, bool receivedBalance, bool sentBalance) {
    const std::string prefix = Piece(s, 0, 8) + " | " + Piece(s, 9, 8) + " (*" + std::to_string(code) + ") - ";
    const std::string value = From(s, 20);
    switch (code) {
        case elRestart: out.push_back({prefix + "Перезапуск...", kBlack}); break;
        case elStart: out.push_back({prefix + "Запуск программы.", kBlack}); break;
        case elInterrupted: out.push_back({prefix + "Внимание! Обнаружено прерванное соединение.", kRed}); break;
        case elConnected:
            out.push_back({prefix + "Обнаружено активное соединение (учётная запись «" + From(s, 30) + "»).", kGreen});
            break;
        case elDisconnected: out.push_back({prefix + "Соединение завершено.", kNavy}); break;
        case elReceived: {
            out.push_back({prefix + "Cтатистика (скачано = получено):", kBlack});
            const std::vector<std::string> f = Fields(value, 5);
            AddSubLine(out, "байт получено за соединение: ", f[0]);
            AddSubLine(out, "байт получено скачано за день: ", f[1]);
            AddSubLine(out, "байт получено скачано за месяц: ", f[2]);
            if (receivedBalance) AddSubLine(out, "байт осталось на балансе: ", f[3]);
            AddSubLine(out, "учётная запись: ", f[4] == "[reset]" ? "(неизвестна)" : f[4]);
            break;
        }
        case elSent: {
            out.push_back({prefix + "Cтатистика (закачано = отправлено):", kBlack});
            const std::vector<std::string> f = Fields(value, 3);
            AddSubLine(out, "байт отправлено за соединение: ", f[0]);
            AddSubLine(out, "байт отправлено за месяц: ", f[1]);
            if (sentBalance) AddSubLine(out, "отсалось на балансе: ", f[2]);
            break;
        }
        case elQuit:
            out.push_back({prefix + (value.compare(0, 4, "Kill") == 0
                                         ? "Внимание! Программа была закрыта до завершения соединения."
                                         : "Внимание! Программа закрыта вручную."),
                           kMaroon});
            break;
        default: out.push_back({prefix + "Программа сообщает: «" + value + "».", kViewerGrey}); break;
    }
}

}  // namespace

std::vector<ViewerLine> BuildViewerLines(const std::vector<std::string_view>& raw, const ViewerFilter& filter,
                                         bool showReceivedBalance, bool showSentBalance) {
    std::vector<ViewerLine> out;
    for (std::string_view stored : raw) {
        const std::string_view line = Trimmed(stored);
        const int code = CodeOf(line);
        if (Shows(code, filter)) AddEvent(out, line, code, showReceivedBalance, showSentBalance);
    }
    return out;
}

void ViewerModel::Build(LogLines log, const ViewerFilter& filter, bool showReceivedBalance, bool showSentBalance) {
    fixed_.clear();
    entries_.clear();
    log_ = std::move(log);
    filter_ = filter;
    receivedBalance_ = showReceivedBalance;
    sentBalance_ = showSentBalance;
    for (size_t i = 0; i < log_.lines.size(); ++i) {
        const int code = CodeOf(Trimmed(log_.lines[i]));
        if (!Shows(code, filter)) continue;
        const size_t count = LineCount(code, showReceivedBalance, showSentBalance);
        for (size_t part = 0; part < count; ++part)
            entries_.push_back({static_cast<uint32_t>(i), static_cast<uint32_t>(part)});
    }
}

void ViewerModel::Show(std::vector<ViewerLine> lines) {
    log_ = {};
    entries_.clear();
    fixed_ = std::move(lines);
}

ViewerLine ViewerModel::Line(size_t index) const {
    if (index < fixed_.size()) return fixed_[index];
    if (index >= entries_.size()) return {"", kViewerGrey};
    const Entry e = entries_[index];
    const std::vector<ViewerLine> made =
        BuildViewerLines({log_.lines[e.stored]}, filter_, receivedBalance_, sentBalance_);
    return e.part < made.size() ? made[e.part] : ViewerLine{"", kViewerGrey};
}

std::string LogClearedLine(const SYSTEMTIME& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02u.%02u.%02u | %02u.%02u.%02u", unsigned(t.wDay), unsigned(t.wMonth),
                  unsigned(t.wYear % 100), unsigned(t.wHour), unsigned(t.wMinute), unsigned(t.wSecond));
    return std::string(buf) + " - Журнал очищен.";
}

}  // namespace quon::config
