#pragma once
// The days-left label of the own accounting period and the repair of a malformed next-period date.
#include <optional>
#include <string>

#include "engine/calendar_date.h"

namespace quon::config {

struct DaysLeftLabel {
    int64_t days = -1;  // -1: the next period starts in the past or more than a period ahead
    std::string text;   // "(ЧЕРЕЗ  N  СУТКИ)", "(ЧЕРЕЗ  N  СУТОК)", "(СЕГОДНЯ)" or empty
    bool alarm = false; // within the reminder days: shown red and bold
};

// next "dd.mm.yy", the period and reminder day counts as typed. nullopt (the label is hidden) when a
// piece is not an integer or the date does not exist.
std::optional<DaysLeftLabel> DaysLeft(const std::string& next, const std::string& period, const std::string& remind,
                                      const CivilDate& today);

// Leaving the date box: a text that reads as a date is written "dd.mm.yy" ("1. 3.25" as 01.03.25); of the
// rest, a text whose day, month or year piece is not an integer becomes today's date.
std::string RepairedNextDate(const std::string& text, const CivilDate& today);

}  // namespace quon::config
