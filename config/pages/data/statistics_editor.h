#pragma once
// The statistics editor's state: the raw byte texts of the seven fields, which of them are being edited,
// and the statistics lock (not 0 while the meter is online or of another version: nothing changes then).
#include <array>
#include <string>

#include "config/pages/data/statistics_refresh.h"
#include "config/pages/data/typed_counter.h"

namespace quon::config {

class StatisticsEditor {
public:
    StatTexts raw{"1048576", "0", "31457280", "0", "0", "0", "0"};
    int unit = 2, decimals = 3;
    char separator = ',';
    int lock = 0;

    bool Locked() const { return lock != 0; }
    bool Editing(int field) const { return editing_[Index(field)]; }
    // The daily-limit button shows while the daily or the monthly limit is edited.
    bool AutoButtonVisible() const { return Editing(sfDayLimit) || Editing(sfMonthLimit); }
    // OK and Apply are held from the first keystroke in a field until a field is committed.
    bool OkApplyHeld() const { return held_; }

    enum class Toggle { Refused, Editing, Committed };
    // The row's "..." panel or a double click in its box: start or end editing; refused while locked.
    Toggle ToggleField(int field);
    // Enter in the box, or the toggle again: the field shows its value again and OK and Apply come back.
    void Commit(int field);

    // A change of the box's text while it is edited: the raw text follows at once.
    TypedKind TextChanged(int field, const std::string& text);

    // The daily limit becomes a thirtieth of the monthly one (an edited daily limit is committed first).
    bool DeriveDailyLimit();
    // The session, day and month counters become 0; the limits and the backup stay. Refused while locked.
    bool ResetCounters();

    StatRefresh Refresh() const { return RefreshStatistics(raw, unit, decimals, separator); }

private:
    static size_t Index(int field) { return static_cast<size_t>(field - 1); }
    std::array<bool, kStatFieldCount> editing_{};
    bool held_ = false;
};

}  // namespace quon::config
