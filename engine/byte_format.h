#pragma once
// The texts of byte amounts and speeds as the window, the tray and the command replies show them.
// Pure functions: the decimal separator comes in as an argument.
#include <cstdint>
#include <optional>
#include <string>

namespace quon {

// Decimal text of x with up to 15 significant digits, always in fixed-point notation (never an exponent),
// no trailing zeros after the separator, no separator for a whole value, "-" in front when negative.
std::string GeneralNumberText(double x, char separator);

// The most digits a figure shows after the separator.
constexpr int64_t kMostDecimals = 6;

// A byte amount in the window's unit: 0 bytes (digit groups), 1 kilobytes, 2 megabytes; any other unit is
// shown as bytes. In KB and MB at most `decimals` digits are kept after the separator, cut, not rounded;
// a whole value gets the separator and `decimals` zeros. `decimals` is held to 0..kMostDecimals.
std::string FormatBytes(double x, int64_t units, int64_t decimals, char separator);

// The whole part with groups of three digits joined by one blank; the sign stays on the digits ("-123 456").
std::string FormatGrouped(double x);

// The number's text without any separator: 12.5 gives "125".
std::string DigitsOnly(double x);

// 0..255 as decimal text.
std::string ByteToText(uint8_t b);

// The speed text of the bytes of one tick in the given speed unit (0..5) and language (Russian unless
// english); nullopt for a unit outside 0..5 (the text then stays as it was). A negative amount counts as 0.
std::optional<std::string> SpeedText(int64_t bytesPerTick, int64_t speedUnit, bool english);

}  // namespace quon
