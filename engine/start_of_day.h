#pragma once
// The start of a normal run: the bytes of a session a crash interrupted are added from the protection
// copies, a new day clears the daily counter and may close the own accounting period (or warn that it
// ends soon), a new calendar month clears the logs and rolls the counters, and the day and month of this
// start are stamped. Plain decisions over data.qif; the window side supplies the file, the boxes and beeps.
#include <cstdint>
#include <optional>
#include <string>

#include "engine/calendar_date.h"
#include "engine/event_log_format.h"
#include "engine/options.h"
#include "engine/settings_store.h"
#include "engine/stored_connection.h"

namespace quon {

enum class ProtectCopy { Prev, Next };  // protect_prev.tmp, protect_next.tmp
enum class BoxKind { Information, Error };

// Everything outside data.qif that the start of day touches.
class StartOfDayHost {
public:
    virtual ~StartOfDayHost() = default;
    // The text of [save] key in one protection copy; "" when the file or the key is missing.
    virtual std::string ReadProtectValue(ProtectCopy copy, const char* key) = 0;
    virtual void DeleteProtectFiles() = 0;
    virtual void WriteEventLog(EventLogCode code, const std::string& value) = 0;
    virtual void DeleteLogs() = 0;  // data.log and traffic.log; a failure is ignored
    virtual void ShowBox(const std::string& text, BoxKind kind) = 0;
    virtual void Beep(unsigned hz, unsigned ms) = 0;
    virtual void Sleep(unsigned ms) = 0;
};

struct StartOfDayInput {
    CivilDate today;
    Counters counters;          // as the first settings load of this start read them
    bool eventLogOn = false;
    char decimalSeparator = '.';
};

// A recovered byte count: [save] text as an unsigned 64-bit decimal; nullopt for a missing key, a negative
// or a non-numeric value (all of which count as "below 0").


// The integer part of x, taken as the meter's 32-bit counter, with groups of three digits split by a blank.


// Adds what the counters do not hold yet of the connection the protection copies name. The counters and
// the record of what they hold are written together, so a start that ends anywhere in here (or while
// its notice waits) leaves nothing for the next start to add twice.
void RecoverInterruptedSession(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in);
// The record of data.qif: which connection the counters hold, and up to which of its totals.
StoredConnection ReadStoredConnection(const SettingsStore& store);
// Returns true when this is the first start of a new day.
bool HandleNewDay(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in);
void HandleNewMonth(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in);
void StampThisStart(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in);

// The four steps in their order; returns the new-day flag.
bool RunStartOfDaySteps(SettingsStore& store, StartOfDayHost& host, const StartOfDayInput& in);

}  // namespace quon
