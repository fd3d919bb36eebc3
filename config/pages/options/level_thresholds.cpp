#include "config/pages/options/level_thresholds.h"

#include "framework/ini_file.h"

namespace quon::config {

namespace {

constexpr unsigned kKeyPageUp = 0x21, kKeyPageDown = 0x22, kKeyEnd = 0x23, kKeyHome = 0x24;
constexpr int64_t kStep = 50;

}  // namespace

std::optional<std::string> LevelTextAfterKey(const std::string& text, unsigned virtualKey) {
    std::string result = text;
    const auto value = fw::ParseInteger(text);
    if (virtualKey == kKeyPageDown && value && *value >= INT64_MIN + kStep) result = std::to_string(*value - kStep);
    else if (virtualKey == kKeyPageUp && value && *value <= INT64_MAX - kStep) result = std::to_string(*value + kStep);
    else if (virtualKey == kKeyEnd) result = "1";
    else if (virtualKey == kKeyHome) result = "25000";
    const auto now = fw::ParseInteger(result);
    if (now && *now < 1) result = "1";
    if (result == text) return std::nullopt;
    return result;
}

bool LevelsOutOfOrder(const std::array<std::string, kLevelCount>& texts) {
    std::array<int64_t, kLevelCount> v{};
    for (int i = 0; i < kLevelCount; ++i) {
        const auto n = fw::ParseInteger(texts[i]);
        if (!n) return false;
        v[i] = *n;
    }
    for (int i = 0; i + 1 < kLevelCount; ++i)
        if (v[i] > v[i + 1]) return true;
    return false;
}

const char* const kLevelOrderWarning =
    "Внимание! Одно из значений верхней границы графика неудовлетворяет логическому алгоритму 5 > 4 > 3 > 2 > 1.";

}  // namespace quon::config
