#include "engine/ini_file_store.h"

namespace quon {

std::string IniFileStore::ReadString(const std::string& section, const std::string& key,
                                     const std::string& def) const {
    return file_.ReadString(section.c_str(), key, def);
}

bool IniFileStore::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    if (writes_ == SingleWrites::WholeFile) return file_.WriteKeys(section.c_str(), {{key, value}});
    return file_.WriteString(section.c_str(), key, value);
}

bool IniFileStore::WriteKeys(const std::string& section, const KeyValues& keys) {
    return file_.WriteKeys(section.c_str(), keys);
}

}  // namespace quon
