#pragma once
// The text forms in which data.qif and the protection copies hold a connection's values: its byte
// counts and connect time, its entry name and its beginning.
#include <cstdint>
#include <optional>
#include <string>

namespace quon {

// A count as the files hold it: unsigned 64-bit decimal, the fraction cut (negative gives "0").
std::string ProtectCountText(double bytes);

// A count read back; nullopt for a missing, negative or non-numeric value.
std::optional<uint64_t> ParseProtectCount(const std::string& text);

// An entry name as an INI value: quoted, so that the reader gives back its blanks as they were.
std::string QuotedEntry(const std::string& entry);

// A connection's beginning: decimal milliseconds, "0" when not known; a missing or unreadable text
// gives 0.
std::string StartText(int64_t startMs);
int64_t ParseStart(const std::string& text);

}  // namespace quon
