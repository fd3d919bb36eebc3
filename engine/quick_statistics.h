#pragma once
// The text of the statistics box: the session, day and month figures, the balances and the connection.
#include <string>

#include "engine/options.h"

namespace quon {

struct QuickStatisticsInput {
    double connIn = 0;
    double connOut = 0;
    double storedIn = 0;      // the part of the connection the counters hold already
    double storedOut = 0;
    double connDuration = 0;  // milliseconds; negative when unknown
    std::string entryName;
    bool online = false;      // the counted connection state
    Counters counters;        // [bytes] day, month, up, monthlim, uplim
};

std::string QuickStatisticsText(const QuickStatisticsInput& in);

// A connection's duration as shown in the box: ": hh:mm:ss" (hours of any width, at least two digits),
// or " неизвестна" for a negative duration.
std::string DurationSuffix(double durationMs);

// "статистика на hh ч. nn м. ss с."
std::string QuickStatisticsCaption(int hour, int minute, int second);

}  // namespace quon
