#include "config/event_log_view.h"

#include <cstdio>

namespace quon::config {
namespace {

constexpr uint32_t kBlack = 0x000000, kRed = 0x0000FF, kGreen = 0x008000, kNavy = 0x800000, kMaroon = 0x000080;

// The text from a 0-based position to the end; empty when the line is shorter.
std::string From(const std::string& s, size_t at) { return at < s.size() ? s.substr(at) : std::string(); }

// "dd.mm.yy|hh:nn:ss|N=value" with N a known event code.
bool IsEventLine(const std::string& s) {
    return s.size() >= 20 && s[8] == '|' && s[17] == '|' && s[18] >= '0' && s[18] <= '8' && s[19] == '=';
}

bool IsSectionHeader(const std::string& s) { return s.size() >= 2 && s.front() == '[' && s.back() == ']'; }

bool Shows(int code, const ViewerFilter& f) {
    switch (code) {
        case 3: case 4: return f.state;
        case 5: case 6: return f.statistics;
        case 0: case 1: case 7: return f.program;
        default: return f.important;
    }
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

void AddEvent(std::vector<ViewerLine>& out, const std::string& s, bool receivedBalance, bool sentBalance) {
    const int code = s[18] - '0';
    const std::string prefix = s.substr(0, 8) + " | " + s.substr(9, 8) + " (*" + s[18] + ") - ";
    const std::string value = From(s, 20);
    switch (code) {
        case 0: out.push_back({prefix + "Перезапуск...", kBlack}); break;
        case 1: out.push_back({prefix + "Запуск программы.", kBlack}); break;
        case 2: out.push_back({prefix + "Внимание! Обнаружено прерванное соединение.", kRed}); break;
        case 3:
            out.push_back({prefix + "Обнаружено активное соединение (учётная запись «" + From(s, 30) + "»).", kGreen});
            break;
        case 4: out.push_back({prefix + "Соединение завершено.", kNavy}); break;
        case 5: {
            out.push_back({prefix + "Cтатистика (скачано = получено):", kBlack});
            const std::vector<std::string> f = Fields(value, 5);
            AddSubLine(out, "байт получено за соединение: ", f[0]);
            AddSubLine(out, "байт получено скачано за день: ", f[1]);
            AddSubLine(out, "байт получено скачано за месяц: ", f[2]);
            if (receivedBalance) AddSubLine(out, "байт осталось на балансе: ", f[3]);
            AddSubLine(out, "учётная запись: ", f[4] == "[reset]" ? "(неизвестна)" : f[4]);
            break;
        }
        case 6: {
            out.push_back({prefix + "Cтатистика (закачано = отправлено):", kBlack});
            const std::vector<std::string> f = Fields(value, 3);
            AddSubLine(out, "байт отправлено за соединение: ", f[0]);
            AddSubLine(out, "байт отправлено за месяц: ", f[1]);
            if (sentBalance) AddSubLine(out, "отсалось на балансе: ", f[2]);
            break;
        }
        case 7:
            out.push_back({prefix + (value.compare(0, 4, "Kill") == 0
                                         ? "Внимание! Программа была закрыта до завершения соединения."
                                         : "Внимание! Программа закрыта вручную."),
                           kMaroon});
            break;
        default: out.push_back({prefix + "Программа сообщает: «" + value + "».", kViewerGrey}); break;
    }
}

}  // namespace

std::vector<ViewerLine> BuildViewerLines(const std::vector<std::string>& raw, const ViewerFilter& filter,
                                         bool showReceivedBalance, bool showSentBalance) {
    std::vector<ViewerLine> out;
    for (std::string line : raw) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || IsSectionHeader(line)) continue;
        if (!IsEventLine(line)) {
            if (filter.important) out.push_back({line, kViewerGrey});
            continue;
        }
        if (Shows(line[18] - '0', filter)) AddEvent(out, line, showReceivedBalance, showSentBalance);
    }
    return out;
}

std::string LogClearedLine(const SYSTEMTIME& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02u.%02u.%02u | %02u.%02u.%02u", unsigned(t.wDay), unsigned(t.wMonth),
                  unsigned(t.wYear % 100), unsigned(t.wHour), unsigned(t.wMinute), unsigned(t.wSecond));
    return std::string(buf) + " - Журнал очищен.";
}

}  // namespace quon::config
