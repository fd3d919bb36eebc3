#pragma once
// The order of a sorted list box (case-insensitive text order of the user's locale), for many lines:
// decided without the locale wherever two lines first differ in a digit against a digit, as lines that
// start with a date and a time do.
#include <string_view>
#include <vector>

namespace quon::config {

// Below, at or above 0 as the locale's case-insensitive comparison answers.
int CompareInListOrder(std::string_view a, std::string_view b);

// Sorts stably in that order. A file written in the order of time is a few runs of that order (one a month
// for day-first dates): each run costs one comparison a line to find, and merging them about one a line for
// each halving of their number.
void SortInListOrder(std::vector<std::string_view>& lines);

}  // namespace quon::config
