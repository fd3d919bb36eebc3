#pragma once
// What the user types into a statistics field, turned into the raw byte text the field keeps.
#include <string>

namespace quon::config {

enum class TypedKind {
    Stored,   // `bytes` is the new raw text
    Ignored,  // an empty box: the field keeps its value, nothing is said
    Invalid,  // not a plain number, or too large: the field keeps its value and the user is told
};

struct TypedCommit {
    TypedKind kind = TypedKind::Ignored;
    std::string bytes;  // digits only
};

// typed: digits with at most one decimal separator, in the unit shown (0 bytes .. 3 GB). The byte count
// is held in single precision, as every counter is, and cut to its whole part; a count of 2^63 or more
// is refused.
TypedCommit CommitTypedValue(const std::string& typed, int unit, char separator);

// What a key does while a statistics field is being edited.
enum class StatKey { Commit, Swallow, Pass, Refuse };
StatKey StatKeyAction(char key, char separator);

// The daily limit derived from the monthly one: a thirtieth, fraction kept.
std::string DailyFromMonthly(double monthlyLimit, char separator);

}  // namespace quon::config
