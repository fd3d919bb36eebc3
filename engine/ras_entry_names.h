#pragma once
// The names of the dial-up phone-book entries, read with RasEnumEntriesA (default phone book).
#include <windows.h>

#include <ras.h>
#include <raserror.h>

#include <string>
#include <vector>

namespace quon {

using RasEnumEntriesFn = DWORD WINAPI(LPCSTR, LPCSTR, LPRASENTRYNAMEA, LPDWORD, LPDWORD);

// The names in the order returned. A first call with room for one record; when it answers
// ERROR_BUFFER_TOO_SMALL, a second with room for what it reported. `result` is the last call's answer;
// on a failure the list is empty.
std::vector<std::string> ListRasEntryNames(RasEnumEntriesFn* enumEntries, DWORD& result);

}  // namespace quon
