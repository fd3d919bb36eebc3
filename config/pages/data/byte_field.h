#pragma once
// The statistics page shows each byte counter in the chosen unit with a chosen number of decimals.
#include <string>

namespace quon::config {

inline constexpr int kStatUnitCount = 4;      // bytes, KB, MB, GB
inline constexpr int kStatMaxDecimals = 6;

// A unit index outside 0..3 shows bytes; a decimal count outside 0..6 shows none.
int StatUnitOrBytes(int unit);
int StatDecimalsOrNone(int decimals);

// "б", "Кб", "Мб", "Гб".
const char* StatUnitLabel(int unit);

// The counter divided by 1024 per unit step (in single precision, as the counters are kept), cut (never
// rounded) to `decimals` digits after the separator; a whole value gets the separator and that many zeros.
std::string FormatByteField(float value, int unit, int decimals, char separator);

}  // namespace quon::config
