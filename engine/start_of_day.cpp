#include "engine/start_of_day.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/value_forms.h"
#include "framework/ini_file.h"

namespace quon {
namespace {

const char* const kRecoveredNotice =
    "данные прерванного соединения были успешно сохранены\n[ отключить оповещение можно в настройках программы ]";
const char* const kRecoveryWriteError =
    "внимание! возникла ошибка при попытке записать данные на диск\n[ сохранённые данные прерванного соединения не "
    "будут учтены ]";

// A counter of data.qif read as text and converted; nullopt when the text is not a number.
std::optional<double> ReadCounterValue(const SettingsStore& store, const char* section, const char* key) {
    return ParseCounter(store.ReadString(section, key, "0"));
}

// Writes the keys of one section in order; stops at the first write that fails.
bool WriteAll(SettingsStore& store, const char* section, std::initializer_list<std::pair<const char*, std::string>> kv) {
    for (const auto& [key, value] : kv)
        if (!store.WriteString(section, key, value)) return false;
    return true;
}

bool ZeroPeriodCounters(SettingsStore& store) {
    return WriteAll(store, "bytes", {{"month", "0"}, {"day", "0"}, {"up", "0"}});
}

// The bank gains what the closed period left of its limit (and loses what it overran).
void CreditBank(SettingsStore& store, const std::string& usedText, char separator) {
    if (store.ReadInteger("data", "backup", 0) == 0) return;
    auto backup = ReadCounterValue(store, "bytes", "backup");
    auto monthlim = ReadCounterValue(store, "bytes", "monthlim");
    auto used = ParseCounter(usedText);
    if (!backup || !monthlim || !used) return;
    (void)store.WriteString("bytes", "backup", FormatCounter(*backup + *monthlim - *used, separator));
}

// A day count from data.qif held to a century either way, so the date arithmetic cannot overflow.
int64_t DaySpan(int64_t days) { return std::clamp<int64_t>(days, -36525, 36525); }

std::string TodayText(const StartOfDayInput& in) { return FormatDateText(in.today); }
std::string TomorrowText(const StartOfDayInput& in) { return FormatDateText(AddDays(in.today, 1)); }

void ShowPeriodSummary(SettingsStore& store, StartOfDayHost& host, const std::string& usedText) {
    auto used = ParseCounter(usedText);
    auto monthlim = ReadCounterValue(store, "bytes", "monthlim");
    auto backup = ReadCounterValue(store, "bytes", "backup");
    if (!used || !monthlim || !backup) return;
    host.ShowBox(std::string("Quon Tollen II »»» смена отчётного периода\n\n  байт скачано за период: ") +
                     GroupedWholeBytes(*used) + "\n  байт на балансе на конец периода: " +
                     GroupedWholeBytes(*monthlim - *used) + "\n  байт на балансе на начало периода: " +
                     GroupedWholeBytes(*monthlim) + "\n  байт сохранено (в банке): " + GroupedWholeBytes(*backup),
                 BoxKind::Information);
}

// The own period whose first day of the next period has come: bank, zeroing, the dates moved on.
void ClosePeriod(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in, const CivilDate& next) {
    const std::string used = store.ReadString("bytes", "month", "0");
    CreditBank(store, used, in.decimalSeparator);
    if (!ZeroPeriodCounters(store)) return;

    // The new next date lies after today, however many periods passed since the last start, so a
    // long pause closes the period once and the next new day does not close it again.
    const int64_t length = DaySpan(store.ReadInteger("alt", "period", 30));
    const int64_t base = DayNumber(next);
    int64_t moved = base + length;
    if (length >= 1 && moved <= DayNumber(in.today)) moved += (DayNumber(in.today) - moved) / length * length + length;
    if (!store.WriteString("alt", "next", FormatDateText(FromDayNumber(moved)))) return;
    const int64_t warn = DaySpan(store.ReadInteger("alt", "warn", 5));
    if (!store.WriteString("alt", "remind", FormatDateText(FromDayNumber(moved - warn)))) return;

    if (store.ReadInteger("alt", "notify", 1) != 0) ShowPeriodSummary(store, host, used);
}

void WarnBeforePeriodEnd(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in) {
    const int64_t warn = store.ReadInteger("alt", "warn", 0);
    if (warn < 1) return;
    if (CompareDates(TodayText(in), store.ReadString("alt", "remind", TomorrowText(in))) < 0) return;
    std::string text = "внимание! до конца текущего отчётного периода осталось менее ";
    text += warn == 1 ? std::string("дня") : store.ReadString("alt", "warn", "0") + " дней";
    host.ShowBox(text, BoxKind::Information);
}

}  // namespace

int64_t SettingsStore::ReadInteger(const char* section, const std::string& key, int64_t def) const {
    auto value = fw::ParseInteger(ReadString(section, key, ""));
    return value ? *value : def;
}

std::optional<uint64_t> ParseProtectCount(const std::string& raw) {
    size_t b = raw.find_first_not_of(" \t");
    size_t e = raw.find_last_not_of(" \t");
    if (b == std::string::npos) return std::nullopt;
    uint64_t value = 0;
    for (size_t i = b; i <= e; ++i) {
        const char c = raw[i];
        if (c < '0' || c > '9') return std::nullopt;
        const uint64_t digit = static_cast<uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

std::string GroupedWholeBytes(double x) {
    const double v = std::trunc(static_cast<double>(static_cast<float>(x)));
    char buf[64];
    if (std::fabs(v) < 1e15) std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(v));
    else std::snprintf(buf, sizeof buf, "%.0f", v);
    std::string digits = buf;
    std::string sign;
    if (!digits.empty() && digits[0] == '-') sign = "-", digits.erase(0, 1);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ' ';
        out += digits[i];
    }
    return sign + out;
}

void RecoverInterruptedSession(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in) {
    auto d = ParseProtectCount(host.ReadProtectValue(ProtectCopy::Prev, "Dbytes"));
    auto u = ParseProtectCount(host.ReadProtectValue(ProtectCopy::Prev, "Ubytes"));
    if (!d && !u) {
        d = ParseProtectCount(host.ReadProtectValue(ProtectCopy::Next, "Dbytes"));
        u = ParseProtectCount(host.ReadProtectValue(ProtectCopy::Next, "Ubytes"));
    }
    const uint64_t received = d.value_or(0), sent = u.value_or(0);
    if (received == 0 && sent == 0) return;  // nothing was interrupted: the copies stay as they are

    const Counters& c = in.counters;
    const double dr = static_cast<double>(received), ds = static_cast<double>(sent);
    const char sep = in.decimalSeparator;
    if (in.eventLogOn) {
        host.WriteEventLog(2, "Reset");
        host.WriteEventLog(5, std::to_string(received) + ":" + FormatCounter(dr + c.day, sep) + ":" +
                                  FormatCounter(dr + c.month, sep) + ":" +
                                  FormatCounter(c.monthlim - (dr + c.month), sep) + ":[reset]");
        host.WriteEventLog(6, std::to_string(sent) + ":" + FormatCounter(ds + c.up, sep) + ":" +
                                  FormatCounter(c.uplim - (ds + c.up), sep));
    }
    const bool stored = WriteAll(store, "bytes",
                                 {{"up", FormatCounter(ds + c.up, sep)},
                                  {"day", FormatCounter(dr + c.day, sep)},
                                  {"month", FormatCounter(dr + c.month, sep)}});
    if (!stored) host.ShowBox(kRecoveryWriteError, BoxKind::Error);
    else if (store.ReadInteger("reset", "notify", 1) != 0) host.ShowBox(kRecoveredNotice, BoxKind::Information);
    host.DeleteProtectFiles();
}

bool HandleNewDay(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in) {
    if (store.ReadString("reset", "date", "-1") == DayText(in.today)) return false;
    (void)store.WriteString("bytes", "day", "0");
    if (store.ReadInteger("data", "period", 0) <= 1) return true;

    // A next date that names no real day is treated like an unreadable one: nothing is closed.
    const std::string next = store.ReadString("alt", "next", TomorrowText(in));
    auto nextDate = ParseDateText(next);
    if (nextDate && CompareDates(TodayText(in), next) >= 0) ClosePeriod(store, host, in, *nextDate);
    else WarnBeforePeriodEnd(store, host, in);
    return true;
}

void HandleNewMonth(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in) {
    if (store.ReadString("reset", "month", "-1") == MonthText(in.today)) return;
    if (store.ReadInteger("log", "clear", 1) != 0) host.DeleteLogs();
    if (store.ReadInteger("data", "unlim", 0) != 0 || store.ReadInteger("data", "period", 0) > 1) return;

    const char sep = in.decimalSeparator;
    [&] {  // the three-month table moves down by one and takes the month that ended
        auto month2 = ReadCounterValue(store, "table", "month2");
        if (!month2 || !store.WriteString("table", "month3", FormatCounter(*month2, sep))) return;
        auto month1 = ReadCounterValue(store, "table", "month1");
        if (!month1 || !store.WriteString("table", "month2", FormatCounter(*month1, sep))) return;
        (void)store.WriteString("table", "month1", store.ReadString("bytes", "month", "0"));
    }();
    CreditBank(store, store.ReadString("bytes", "month", "0"), sep);
    (void)ZeroPeriodCounters(store);
}

void StampThisStart(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in) {
    if (store.WriteString("reset", "date", DayText(in.today)) && store.WriteString("reset", "month", MonthText(in.today)))
        return;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) host.Sleep(50);
        host.Beep(150, 50);
    }
}

bool RunStartOfDaySteps(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in) {
    RecoverInterruptedSession(store, host, in);
    const bool newDay = HandleNewDay(store, host, in);
    HandleNewMonth(store, host, in);
    StampThisStart(store, host, in);
    return newDay;
}

}  // namespace quon
