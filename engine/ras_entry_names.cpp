#include "engine/ras_entry_names.h"

#include <cstring>

namespace quon {

RasEntryNames ListRasEntryNames(RasEnumEntriesFn* enumEntries) {
    RasEntryNames list;
    DWORD& result = list.result;
    RASENTRYNAMEA blank{};
    std::vector<RASENTRYNAMEA> entries(1, blank);
    entries[0].dwSize = sizeof(RASENTRYNAMEA);
    DWORD bytes = sizeof(RASENTRYNAMEA);
    DWORD count = 0;
    result = enumEntries(nullptr, nullptr, entries.data(), &bytes, &count);
    if (result == ERROR_BUFFER_TOO_SMALL) {
        list.secondCall = true;
        // Room for what the first call reported, in whole records, and exactly that size passed on.
        size_t records = (bytes + sizeof(RASENTRYNAMEA) - 1) / sizeof(RASENTRYNAMEA);
        if (records < count) records = count;
        if (records == 0) records = 1;
        entries.assign(records, blank);
        entries[0].dwSize = sizeof(RASENTRYNAMEA);
        bytes = static_cast<DWORD>(records * sizeof(RASENTRYNAMEA));
        count = 0;
        result = enumEntries(nullptr, nullptr, entries.data(), &bytes, &count);
    }
    if (result != 0) return list;
    if (count > entries.size()) count = static_cast<DWORD>(entries.size());
    for (DWORD i = 0; i < count; ++i)
        list.names.emplace_back(entries[i].szEntryName, strnlen(entries[i].szEntryName, sizeof entries[i].szEntryName));
    return list;
}

}  // namespace quon
