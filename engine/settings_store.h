#pragma once
// data.qif and plugins.qif as the meter's start of day and the settings dialog see them: one value at a
// time, nothing cached, every write through to the file before it returns. IniFileStore
// (engine/ini_file_store.h) is the file itself; tests put a store in memory in its place to see the
// order of the writes.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/settings_keys.h"

namespace quon {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& def) const = 0;
    // False when the value did not reach the file.
    [[nodiscard]] virtual bool WriteString(const std::string& section, const std::string& key,
                                           const std::string& value) = 0;
    // These keys of one section in a single write that keeps its other keys: all of them or none.
    [[nodiscard]] virtual bool WriteKeys(const std::string& section, const KeyValues& keys) = 0;

    // A missing key or a text that is not a whole number gives def.
    int64_t ReadInteger(const std::string& section, const std::string& key, int64_t def) const;
    bool KeyExists(const std::string& section, const std::string& key) const;
};

}  // namespace quon
