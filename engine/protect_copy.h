#pragma once
// The two crash-protection copies: identical INI files holding the running connection's byte counts.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/program_files.h"
#include "engine/stored_values.h"

namespace quon {

inline constexpr const char* kProtectSection = "save";
inline constexpr const char* kProtectReceivedKey = "Dbytes";
inline constexpr const char* kProtectSentKey = "Ubytes";
// Which connection the counts belong to: its RAS handle, entry name, connect time and beginning.
inline constexpr const char* kProtectHandleKey = "Handle";
inline constexpr const char* kProtectEntryKey = "Entry";
inline constexpr const char* kProtectDurationKey = "Duration";
inline constexpr const char* kProtectStartKey = "Start";

struct ConnectionId;
struct ConnectionTotals;
// The [save] section of a copy for one connection, written as a whole.
std::vector<std::pair<std::string, std::string>> ProtectCopyKeys(const ConnectionId& id,
                                                                 const ConnectionTotals& totals);

}  // namespace quon
