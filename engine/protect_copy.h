#pragma once
// The two crash-protection copies: identical INI files holding the running connection's byte counts.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/program_files.h"

namespace quon {

inline constexpr const char* kProtectSection = "save";
inline constexpr const char* kProtectReceivedKey = "Dbytes";
inline constexpr const char* kProtectSentKey = "Ubytes";
// Which connection the counts belong to: its RAS handle, entry name, connect time and beginning.
inline constexpr const char* kProtectHandleKey = "Handle";
inline constexpr const char* kProtectEntryKey = "Entry";
inline constexpr const char* kProtectDurationKey = "Duration";
inline constexpr const char* kProtectStartKey = "Start";

// A byte count as the copies hold it: unsigned 64-bit decimal, the fraction cut (negative gives "0").
std::string ProtectCountText(double bytes);

// A count read back from a copy; nullopt for a missing, negative or non-numeric value.
std::optional<uint64_t> ParseProtectCount(const std::string& text);

struct ConnectionId;
struct ConnectionTotals;
// The [save] section of a copy for one connection, written as a whole.
std::vector<std::pair<std::string, std::string>> ProtectCopyKeys(const ConnectionId& id,
                                                                 const ConnectionTotals& totals);

}  // namespace quon
