#pragma once
// The text forms of data.qif values.
#include <optional>
#include <string>

namespace quon {

// The user's decimal separator (the platform's current one).
char LocaleDecimalSeparator();

// A counter text: decimal with the locale separator, "." or ","; an optional exponent. nullopt when not a number.
std::optional<double> ParseCounter(const std::string& text);

// A counter as stored: whole values as integer text ("0" stays "0"), otherwise the shortest decimal text
// of up to 15 significant digits with the given separator.
std::string FormatCounter(double value, char separator);

}  // namespace quon
