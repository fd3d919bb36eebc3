#include "engine/item_list.h"

#include "engine/settings_keys.h"

namespace quon {

bool ListGoesOn(int64_t i, int64_t count, bool keyPresent) {
    if (i > kMostListItems || i > count) return false;
    return count <= kMostListItems || keyPresent;
}

std::string ItemKey(int64_t i) { return keys::kItemPrefix + std::to_string(i); }

bool ListHasEntry(const fw::IniFile& ini, const char* section, int64_t i) {
    const int64_t count = ini.ReadInteger(section, keys::kItemCountName, 0);
    // The key is looked up only where it decides.
    const bool believable = count <= kMostListItems;
    return ListGoesOn(i, count, believable || ini.KeyExists(section, ItemKey(i)));
}

}  // namespace quon
