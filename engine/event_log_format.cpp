#include "engine/event_log_format.h"

#include <cstdio>

#include "engine/value_forms.h"

namespace quon {

std::string EventLogKey(const SYSTEMTIME& t, const std::string& ts, int code) {
    char date[16], hh[4], nn[4], ss[4];
    std::snprintf(date, sizeof date, "%02u.%02u.%02u", unsigned(t.wDay), unsigned(t.wMonth), unsigned(t.wYear % 100));
    std::snprintf(hh, sizeof hh, "%02u", unsigned(t.wHour));
    std::snprintf(nn, sizeof nn, "%02u", unsigned(t.wMinute));
    std::snprintf(ss, sizeof ss, "%02u", unsigned(t.wSecond));
    return std::string(date) + "|" + hh + ts + nn + ts + ss + "|" + std::to_string(code);
}

std::string ReceivedEventValue(double r, double day, double month, double monthlim, const std::string& tail,
                               char sep) {
    return FormatCounter(r, sep) + ":" + FormatCounter(r + day, sep) + ":" + FormatCounter(r + month, sep) + ":" +
           FormatCounter(monthlim - (r + month), sep) + ":" + tail;
}

std::string SentEventValue(double s, double up, double uplim, char sep) {
    return FormatCounter(s, sep) + ":" + FormatCounter(s + up, sep) + ":" + FormatCounter(uplim - (s + up), sep);
}

}  // namespace quon
