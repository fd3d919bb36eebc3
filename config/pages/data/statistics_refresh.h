#pragma once
// The statistics page's refresh: each counter's raw byte text (as read from and written to data.qif)
// rendered in the chosen unit, and the three status rows judged from the raw texts.
#include <array>
#include <optional>
#include <string>

#include "config/pages/data/limit_status.h"

namespace quon::config {

// The seven edited fields, numbered as their edit boxes are tagged.
enum StatField : int { sfDayLimit = 1, sfDay, sfMonthLimit, sfMonth, sfBackup, sfUpLimit, sfUp };
inline constexpr int kStatFieldCount = 7;

// data.qif [bytes] key of a field; nullptr outside 1..7.
const char* StatFieldKey(int field);

using StatTexts = std::array<std::string, kStatFieldCount>;  // index = field - 1

struct StatRefresh {
    std::array<std::optional<std::string>, kStatFieldCount> shown;  // nullopt: the box keeps its text
    std::optional<LimitStatus> day, month, up;                      // nullopt: the row keeps its look
};

// Fields are rendered in the order monthly limit, daily limit, backup, month, day, upload limit, upload;
// a raw text that is not a number stops the refresh there (later fields and every status row keep what
// they show). The day and month rows are judged only when the monthly limit is not "0", the upload row
// only when the upload limit is not "0".
StatRefresh RefreshStatistics(const StatTexts& raw, int unit, int decimals, char separator);

}  // namespace quon::config
