#pragma once
// The keys and values of data.log, the program's event log ([status], one key per event).
#include <windows.h>

#include <string>

#include "engine/program_files.h"

namespace quon {

inline constexpr const char* kEventLogSection = "status";

// The number of an event, last in its key.
enum EventLogCode : int {
    elRestart = 0,
    elStart = 1,
    elInterrupted = 2,  // a connection a crash interrupted was found at start
    elConnected = 3,
    elDisconnected = 4,
    elReceived = 5,
    elSent = 6,
    elQuit = 7,
    elPluginFault = 8,
};

// "dd.mm.yy|hh:nn:ss|N" with the locale's time separator in place of ":".
std::string EventLogKey(const SYSTEMTIME& at, const std::string& timeSeparator, int code);

// Code 5: R ":" R + day ":" R + month ":" monthlim - (R + month) ":" tail, where the tail is the entry name
// (or "[reset]" after a recovery). Counters before the connection is added.
std::string ReceivedEventValue(double received, double day, double month, double monthlim,
                               const std::string& tail, char separator);

// Code 6: S ":" S + up ":" uplim - (S + up).
std::string SentEventValue(double sent, double up, double uplim, char separator);

}  // namespace quon
