#pragma once
// Dialling a phone-book entry in this process, asynchronously: RasDialA returns at once and reports its
// progress to a small window of its own, so the GUI thread never waits for the line. Credentials go to
// RasDialA in memory only, never on a command line.
#include <windows.h>

#include <ras.h>

#include <string>

namespace quon {

struct RasDialApi {
    decltype(&RasGetEntryDialParamsA) getEntryDialParams = nullptr;
    decltype(&RasDialA) dial = nullptr;
    decltype(&RasHangUpA) hangUp = nullptr;
};

// The functions of rasapi32, loaded by name once and kept (a dial in progress calls back into it).
RasDialApi SystemRasDialApi();
// Tests put their own functions in place; an empty api restores the system's.
void OverrideRasDialApiForTests(const RasDialApi& api);
RasDialApi CurrentRasDialApi();

// The saved parameters of an entry: size and entry name filled, everything else zero. `saved` tells
// whether a password is saved (then szPassword holds what only RasDialA understands). False when the
// entry name does not fit or the lookup failed; the user and password fields are then empty.
bool GetEntryDialParams(const RasDialApi& api, const std::string& entry, RASDIALPARAMSA& params, bool& saved);

// Starts dialling; the result of RasDialA (0 when the dial is under way). A dial that fails, at once
// or later, has its handle hung up so that the port is free again.
DWORD StartDial(const RasDialApi& api, const RASDIALPARAMSA& params);

// Dials whose outcome is still open.
int DialsInProgress();

}  // namespace quon
