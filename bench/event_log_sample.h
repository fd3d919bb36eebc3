#pragma once
// An event log as the meter writes it over many months of connections, grown to a given size: the
// section header, then per connection its connect, disconnect and the two lines of figures, a start
// now and then, in the order of writing (a new month starts a new run of the day-first text order).
#include <cstdio>
#include <string>

namespace bench {

inline std::string EventLogSample(size_t bytes) {
    std::string log = "[status]\r\n";
    log.reserve(bytes + 256);
    int day = 1, month = 1, year = 26, second = 0, connection = 0;
    char line[160];
    auto stamp = [&](int code) {
        std::snprintf(line, sizeof line, "%02d.%02d.%02d|%02d:%02d:%02d|%d=", day, month, year, second / 3600,
                      second / 60 % 60, second % 60, code);
        log += line;
    };
    while (log.size() < bytes) {
        if (connection % 40 == 0) {
            stamp(1);
            log += "Start\r\n";
        }
        stamp(3);
        log += "Connected:Провайдер\r\n";
        second += 37 + connection % 23;
        stamp(4);
        log += "Disconnected\r\n";
        stamp(5);
        std::snprintf(line, sizeof line, "%d:%d:%d:%d:Провайдер\r\n", 1000 + connection % 9000,
                      20000 + connection % 700, 4000000 + connection, 31457280 - 4000000 - connection);
        log += line;
        stamp(6);
        std::snprintf(line, sizeof line, "%d:%d:%d\r\n", 100 + connection % 900, 300000 + connection, -300000 - connection);
        log += line;
        second += 11;
        if (second >= 86400) {
            second -= 86400;
            if (++day > 28) {
                day = 1;
                if (++month > 12) month = 1, ++year;
            }
        }
        ++connection;
    }
    return log;
}

}  // namespace bench
