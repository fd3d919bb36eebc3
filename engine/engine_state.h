#pragma once
// What the poll tick knows about the connection; every other part of the program reads it.
#include <array>
#include <cstdint>
#include <string>

#include "engine/stored_connection.h"

namespace quon {

constexpr int kHistorySize = 300;

struct EngineState {
    double connIn = 0;        // bytes received by the current connection (32-bit RAS totals, wraps carried)
    double connOut = 0;       // bytes sent by the current connection
    double connDuration = 0;  // milliseconds, as RAS reports it
    std::string entryName;    // phone-book entry of the polled connection
    uint64_t connHandle = 0;  // RAS handle of the polled connection
    int64_t connStartMs = 0;  // when the polled connection began (ConnectionId::startMs)
    double prevIn = 0;        // connIn and connOut at the end of the previous completed tick
    double prevOut = 0;
    double prevDuration = 0;
    // The counted connection (set at each connect) and how much of it the counters of data.qif hold.
    StoredConnection stored;
    bool polledOnline = false;   // the latest poll found a connection (counted or ignored)
    bool countedOnline = false;  // "online" for everybody else: the state the last completed tick left
    bool dayWarned = false;
    bool monthWarned = false;
    int level = 0;               // activity level of the latest online tick
    std::array<int, kHistorySize> levelHistory{};
    int historyCount = 30;       // the theme's graph bar count, 1..300
    bool newDay = false;         // this run started as the first start of a new day
    // RAS totals are 32-bit: a total that falls within one connection wrapped, and 2^32 is carried.
    uint32_t rawIn = 0;          // the totals of the latest successful poll, as RAS gave them
    uint32_t rawOut = 0;
    uint32_t rawDuration = 0;
    bool lastReadingOk = false;  // the latest poll read a connection
    double carryIn = 0;          // multiples of 2^32 carried in this connection
    double carryOut = 0;
    bool tickRunning = false;    // a tick is in progress; a nested call does nothing
    bool pollingStarted = false; // the start-up delay has ended: the poll timer may measure
};

// The polled connection as the counters' record names connections.
inline ConnectionId PolledConnection(const EngineState& eng) {
    return {eng.connHandle, eng.entryName, eng.connStartMs};
}
// What of the polled connection's bytes the counters do not hold yet: all of them, unless the counters
// hold a part already (the connection went on after an odd poll or across a restart of the program).
inline ConnectionTotals NotYetStored(const EngineState& eng) {
    return Unstored(eng.stored, PolledConnection(eng), {eng.connIn, eng.connOut, eng.connDuration});
}

// The nine texts the window draws; computed by the tick.
struct DisplayTexts {
    std::string d_now, u_now, d_day, d_month, u_month, d_free, u_free, speed, upload;
};

}  // namespace quon
