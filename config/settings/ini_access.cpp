#include "config/settings/ini_access.h"

namespace quon::config {

int64_t IniAccess::ReadInteger(const std::string& section, const std::string& key, int64_t def) const {
    auto value = fw::ParseInteger(ReadString(section, key, ""));
    return value ? *value : def;
}

std::string IniFileAccess::ReadString(const std::string& section, const std::string& key,
                                      const std::string& def) const {
    return file_.ReadString(section.c_str(), key, def);
}

bool IniFileAccess::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    return file_.WriteString(section.c_str(), key, value);
}

}  // namespace quon::config
