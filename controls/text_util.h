#pragma once
// Small text and file-name helpers of the edit controls (texts are code page 1251 bytes).
#include <bitset>
#include <functional>
#include <string>
#include <string_view>

namespace controls {

inline int MaxOf(int a, int b) { return a > b ? a : b; }
inline int MinOf(int a, int b) { return a < b ? a : b; }

std::string RepeatChar(char c, int count);
bool AllCharsInSet(std::string_view text, const std::bitset<256>& set);
// Every occurrence left to right; replaced text is not scanned again; an empty search finds nothing.
std::string ReplaceAllText(std::string_view text, std::string_view search, std::string_view replacement);
bool HasAnyCharOf(std::string_view text, std::string_view chars);

// False for an empty name and for one holding < > " [ ] or |.
bool IsValidFileNameText(std::string_view name);
// A name with a blank that does not begin with a double quote comes back wrapped in double quotes.
std::string QuoteIfBlank(std::string_view name);

// The text when it fits the width, else its head cut short with "..." until it fits ("..." at worst).
std::string ShortenTextToWidth(std::string_view text, int width,
                               const std::function<int(std::string_view)>& measure);

}  // namespace controls
