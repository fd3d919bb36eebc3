#pragma once
// The names of the dial-up phone-book entries, read with RasEnumEntriesA (default phone book).
#include <windows.h>

#include <ras.h>
#include <raserror.h>

#include <string>
#include <vector>

namespace quon {

using RasEnumEntriesFn = DWORD WINAPI(LPCSTR, LPCSTR, LPRASENTRYNAMEA, LPDWORD, LPDWORD);

struct RasEntryNames {
    std::vector<std::string> names;  // in the order returned; empty on a failure
    DWORD result = 0;                // the last call's answer
    bool secondCall = false;         // the first call asked for more room
};

// A first call with room for one record; when it answers ERROR_BUFFER_TOO_SMALL, a second with room
// for what it reported.
RasEntryNames ListRasEntryNames(RasEnumEntriesFn* enumEntries);

}  // namespace quon
