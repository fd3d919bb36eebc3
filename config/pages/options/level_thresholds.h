#pragma once
// The five activity thresholds as the settings edit them: kilobytes per tick in the edits, stepped by
// keys and checked for their order.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quon::config {

inline constexpr int kLevelCount = 5;
inline constexpr int kLevelEditMin = 1;
inline constexpr int kLevelEditMax = 25600;  // the up-downs' range; keys may go beyond it

// The text after a key in a threshold edit: Page Down and Page Up step by 50, End gives 1, Home 25000;
// then any whole number below 1 becomes 1. Nothing when the text stays as it was.
std::optional<std::string> LevelTextAfterKey(const std::string& text, unsigned virtualKey);

// True when a lower level starts above the next one (equal neighbours pass); a text that is not a whole
// number ends the check without a finding.
bool LevelsOutOfOrder(const std::array<std::string, kLevelCount>& texts);

extern const char* const kLevelOrderWarning;

}  // namespace quon::config
