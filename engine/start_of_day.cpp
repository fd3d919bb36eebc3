#include "engine/start_of_day.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/byte_format.h"
#include "engine/event_log_format.h"
#include "engine/product.h"
#include "engine/protect_copy.h"
#include "engine/settings_keys.h"
#include "engine/value_forms.h"

namespace quon {

using namespace keys;

namespace {

const char* const kRecoveredNotice =
    "данные прерванного соединения были успешно сохранены\n[ отключить оповещение можно в настройках программы ]";
const char* const kRecoveryWriteError =
    "внимание! возникла ошибка при попытке записать данные на диск\n[ сохранённые данные прерванного соединения не "
    "будут учтены ]";

// A counter of data.qif read as text and converted, a missing one as 0 (a missing limit too); nullopt when
// the text is not a number.
std::optional<double> ReadCounterValue(const SettingsStore& store, const Key& key) {
    return ParseCounter(ReadText(store, key, "0"));
}

// Writes the keys of one section in order; stops at the first write that fails.
bool WriteAll(SettingsStore& store, std::initializer_list<std::pair<Key, std::string>> kv) {
    for (const auto& [key, value] : kv)
        if (!Write(store, key, value)) return false;
    return true;
}

bool ZeroPeriodCounters(SettingsStore& store) { return WriteAll(store, {{kMonth, "0"}, {kDay, "0"}, {kUp, "0"}}); }

// The bank gains what the closed period left of its limit (and loses what it overran).
void CreditBank(SettingsStore& store, const std::string& usedText, char separator) {
    if (Read(store, kBankOn) == 0) return;
    auto backup = ReadCounterValue(store, kBackup);
    auto monthlim = ReadCounterValue(store, kMonthLimit);
    auto used = ParseCounter(usedText);
    if (!backup || !monthlim || !used) return;
    (void)Write(store, kBackup, FormatCounter(*backup + *monthlim - *used, separator));
}

// A day count from data.qif held to a century either way, so the date arithmetic cannot overflow.
int64_t DaySpan(int64_t days) { return std::clamp<int64_t>(days, -36525, 36525); }

std::string TodayText(const StartOfDayInput& in) { return FormatDateText(in.today); }
std::string TomorrowText(const StartOfDayInput& in) { return FormatDateText(AddDays(in.today, 1)); }

void ShowPeriodSummary(SettingsStore& store, StartOfDayHost& host, const std::string& usedText) {
    auto used = ParseCounter(usedText);
    auto monthlim = ReadCounterValue(store, kMonthLimit);
    auto backup = ReadCounterValue(store, kBackup);
    if (!used || !monthlim || !backup) return;
    host.ShowBox(std::string(kProductName) + " »»» смена отчётного периода\n\n  байт скачано за период: " +
                     FormatGrouped(*used) + "\n  байт на балансе на конец периода: " +
                     FormatGrouped(*monthlim - *used) + "\n  байт на балансе на начало периода: " +
                     FormatGrouped(*monthlim) + "\n  байт сохранено (в банке): " + FormatGrouped(*backup),
                 BoxKind::Information);
}

// The own period whose first day of the next period has come: bank, zeroing, the dates moved on.
void ClosePeriod(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in, const CivilDate& next) {
    const std::string used = Read(store, kMonth);
    CreditBank(store, used, in.decimalSeparator);
    if (!ZeroPeriodCounters(store)) return;

    // The new next date lies after today, however many periods passed since the last start, so a
    // long pause closes the period once and the next new day does not close it again.
    const int64_t length = DaySpan(Read(store, kPeriodDays));
    const int64_t base = DayNumber(next);
    int64_t moved = base + length;
    if (length >= 1 && moved <= DayNumber(in.today)) moved += (DayNumber(in.today) - moved) / length * length + length;
    if (!Write(store, kNextPeriod, FormatDateText(FromDayNumber(moved)))) return;
    // Moving the period on reckons a missing warning as five days.
    const int64_t warn = DaySpan(Read(store, kWarnDays, 5));
    if (!Write(store, kRemindDate, FormatDateText(FromDayNumber(moved - warn)))) return;

    if (Read(store, kPeriodNotice) != 0) ShowPeriodSummary(store, host, used);
}

void WarnBeforePeriodEnd(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in) {
    const int64_t warn = Read(store, kWarnDays);
    if (warn < 1) return;
    if (CompareDates(TodayText(in), ReadText(store, kRemindDate, TomorrowText(in))) < 0) return;
    std::string text = "внимание! до конца текущего отчётного периода осталось менее ";
    text += warn == 1 ? std::string("дня") : ReadText(store, kWarnDays, "0") + " дней";
    host.ShowBox(text, BoxKind::Information);
}

}  // namespace

StoredConnection ReadStoredConnection(const SettingsStore& store) {
    return ParseStoredConnection([&](const char* key) { return store.ReadString(kBytes, key, ""); });
}

void RecoverInterruptedSession(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in) {
    ProtectCopy copy = ProtectCopy::Prev;
    auto d = ParseProtectCount(host.ReadProtectValue(copy, kProtectReceivedKey));
    auto u = ParseProtectCount(host.ReadProtectValue(copy, kProtectSentKey));
    if (!d && !u) {
        copy = ProtectCopy::Next;
        d = ParseProtectCount(host.ReadProtectValue(copy, kProtectReceivedKey));
        u = ParseProtectCount(host.ReadProtectValue(copy, kProtectSentKey));
    }
    const uint64_t received = d.value_or(0), sent = u.value_or(0);
    if (received == 0 && sent == 0) return;  // nothing was interrupted: the copies stay as they are

    const ConnectionId id{ParseProtectCount(host.ReadProtectValue(copy, kProtectHandleKey)).value_or(0),
                          host.ReadProtectValue(copy, kProtectEntryKey),
                          ParseStart(host.ReadProtectValue(copy, kProtectStartKey))};
    const double duration =
        static_cast<double>(ParseProtectCount(host.ReadProtectValue(copy, kProtectDurationKey)).value_or(0));
    const ConnectionTotals copied{static_cast<double>(received), static_cast<double>(sent), duration};
    const ConnectionTotals added = Unstored(ReadStoredConnection(store), id, copied);
    if (added.in == 0 && added.out == 0) {  // the counters hold all of it already
        host.DeleteProtectFiles();
        return;
    }

    const Counters& c = in.counters;
    const char sep = in.decimalSeparator;
    if (in.eventLogOn) {
        host.WriteEventLog(elInterrupted, "Reset");
        host.WriteEventLog(elReceived, ReceivedEventValue(added.in, c.day, c.month, c.monthlim, "[reset]", sep));
        host.WriteEventLog(elSent, SentEventValue(added.out, c.up, c.uplim, sep));
    }
    const bool stored = store.WriteKeys(kBytes, CounterStoreKeys(c, added, StoredConnection{id, copied}, sep));
    if (!stored) host.ShowBox(kRecoveryWriteError, BoxKind::Error);
    else if (Read(store, kRecoveryNotice) != 0) host.ShowBox(kRecoveredNotice, BoxKind::Information);
    host.DeleteProtectFiles();
}

bool HandleNewDay(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in) {
    if (Read(store, kLastStartDay) == DayText(in.today)) return false;
    (void)Write(store, kDay, "0");
    if (Read(store, kOwnPeriod) <= 1) return true;

    // A next date that names no real day is treated like an unreadable one: nothing is closed.
    const std::string next = ReadText(store, kNextPeriod, TomorrowText(in));
    auto nextDate = ParseDateText(next);
    if (nextDate && CompareDates(TodayText(in), next) >= 0) ClosePeriod(store, host, in, *nextDate);
    else WarnBeforePeriodEnd(store, host, in);
    return true;
}

void HandleNewMonth(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in) {
    if (Read(store, kLastStartMonth) == MonthText(in.today)) return;
    if (Read(store, kClearLogs) != 0) host.DeleteLogs();
    if (Read(store, kUnlimited) != 0 || Read(store, kOwnPeriod) > 1) return;

    const char sep = in.decimalSeparator;
    [&] {  // the three-month table moves down by one and takes the month that ended
        auto month2 = ReadCounterValue(store, kPastMonths[1]);
        if (!month2 || !Write(store, kPastMonths[2], FormatCounter(*month2, sep))) return;
        auto month1 = ReadCounterValue(store, kPastMonths[0]);
        if (!month1 || !Write(store, kPastMonths[1], FormatCounter(*month1, sep))) return;
        (void)Write(store, kPastMonths[0], Read(store, kMonth));
    }();
    CreditBank(store, Read(store, kMonth), sep);
    (void)ZeroPeriodCounters(store);
}

void StampThisStart(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in) {
    if (Write(store, kLastStartDay, DayText(in.today)) && Write(store, kLastStartMonth, MonthText(in.today)))
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
