#include "engine/settings_store.h"

#include "framework/ini_file.h"

namespace quon {

int64_t SettingsStore::ReadInteger(const std::string& section, const std::string& key, int64_t def) const {
    auto value = fw::ParseInteger(ReadString(section, key, ""));
    return value ? *value : def;
}

bool SettingsStore::KeyExists(const std::string& section, const std::string& key) const {
    const char* probe = "\x01\x02";
    return ReadString(section, key, probe) != probe;
}

}  // namespace quon
