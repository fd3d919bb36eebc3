#include "config/pages/data/statistics_editor.h"

#include "engine/value_forms.h"

namespace quon::config {

StatisticsEditor::Toggle StatisticsEditor::ToggleField(int field) {
    if (Locked()) return Toggle::Refused;
    if (!Editing(field)) {
        editing_[Index(field)] = true;
        return Toggle::Editing;
    }
    Commit(field);
    return Toggle::Committed;
}

void StatisticsEditor::Commit(int field) {
    editing_[Index(field)] = false;
    held_ = false;
}

TypedKind StatisticsEditor::TextChanged(int field, const std::string& text) {
    if (Locked() || !Editing(field)) return TypedKind::Ignored;
    const TypedCommit typed = CommitTypedValue(text, unit, separator);
    if (typed.kind == TypedKind::Stored) {
        raw[Index(field)] = typed.bytes;
        held_ = true;
    }
    return typed.kind;
}

bool StatisticsEditor::DeriveDailyLimit() {
    if (Locked()) return false;
    const std::optional<double> monthly = ParseCounter(raw[Index(sfMonthLimit)]);
    if (!monthly) return false;
    if (Editing(sfDayLimit)) Commit(sfDayLimit);
    raw[Index(sfDayLimit)] = DailyFromMonthly(*monthly, separator);
    return true;
}

bool StatisticsEditor::ResetCounters() {
    if (Locked()) return false;
    for (int field : {sfUp, sfDay, sfMonth}) raw[Index(field)].assign(1, '0');
    return true;
}

}  // namespace quon::config
