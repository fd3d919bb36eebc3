#pragma once
// The two crash-protection copies: identical INI files holding the running connection's byte counts.
#include <cstdint>
#include <string>

namespace quon {

inline constexpr const char* kProtectPrevFile = "protect_prev.tmp";
inline constexpr const char* kProtectNextFile = "protect_next.tmp";
inline constexpr const char* kProtectSection = "save";
inline constexpr const char* kProtectReceivedKey = "Dbytes";
inline constexpr const char* kProtectSentKey = "Ubytes";

// A byte count as the copies hold it: unsigned 64-bit decimal, the fraction cut (negative gives "0").
std::string ProtectCountText(double bytes);

}  // namespace quon
