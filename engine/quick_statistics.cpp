#include "engine/quick_statistics.h"

#include "engine/byte_format.h"
#include "engine/product.h"

#include <cmath>
#include <cstdio>

namespace quon {
namespace {

std::string TwoDigits(long long v) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02lld", v);
    return buf;
}

}  // namespace

std::string DurationSuffix(double durationMs) {
    if (durationMs < 0) return " неизвестна";
    const double seconds = durationMs * 0.001;
    const long long h = static_cast<long long>(std::trunc(seconds / 3600));
    const long long s = static_cast<long long>(std::trunc(seconds - static_cast<double>(h) * 3600));
    const long long m = s / 60;
    return ": " + TwoDigits(h) + ":" + TwoDigits(m) + ":" + TwoDigits(s - m * 60);
}

std::string QuickStatisticsCaption(int hour, int minute, int second) {
    return "статистика на " + TwoDigits(hour) + " ч. " + TwoDigits(minute) + " м. " + TwoDigits(second) + " с.";
}

std::string QuickStatisticsText(const QuickStatisticsInput& in) {
    const Counters& c = in.counters;
    const double sessionIn = in.online ? in.connIn - in.storedIn : 0;
    const double sessionOut = in.online ? in.connOut - in.storedOut : 0;
    auto F = [](double x) { return FormatGrouped(x); };
    std::string t = std::string(kProductName) + " »»» мгновенная статистика\n\n";
    t += "  байт скачано (получено):\n\n    за соединение: " + F(in.connIn);
    t += "\n    за день: " + F(sessionIn + c.day);
    t += "\n    за месяц: " + F(sessionIn + c.month);
    if (c.monthlim > 1) t += "\n    на балансе: " + F(c.monthlim - (sessionIn + c.month));
    t += "\n\n  байт закачано (отправлено):\n\n    за соединение: " + F(in.connOut);
    t += "\n    за месяц: " + F(sessionOut + c.up);
    if (c.uplim > 1) t += "\n    на балансе: " + F(c.uplim - (sessionOut + c.up));
    if (in.online) {
        t += "\n\n  информация осоединении:";
        t += "\n    учётная запись: " + in.entryName;
        t += "\n    длительность" + DurationSuffix(in.connDuration);
    }
    return t;
}

}  // namespace quon
