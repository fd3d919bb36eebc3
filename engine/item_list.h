#pragma once
// The lists of data.qif and plugins.qif: a count under "items" and the keys item_1 .. item_<count>.
// The count is read again before every entry, as the list may change while it is walked.
#include <cstdint>
#include <string>

#include "framework/ini_file.h"

namespace quon {

// No user keeps more entries than this in one list.
constexpr int64_t kMostListItems = 256;

// Whether the list goes on with entry i (counted from 1), given the count read just before it and whether
// the entry's key is in the file. Within a believable count a missing key still counts (it reads as its
// default). A count above kMostListItems is not believed: the list then ends at its first missing key.
// No list goes past kMostListItems entries.
bool ListGoesOn(int64_t i, int64_t count, bool keyPresent);

std::string ItemKey(int64_t i);  // "item_<i>"

// ListGoesOn with the count and the key read from the section of the file.
bool ListHasEntry(const fw::IniFile& ini, const char* section, int64_t i);

}  // namespace quon
