#pragma once
// An INI layer in memory for the settings library's tests: it answers reads from a map, records every
// write in order ("section.key=value"), and can be told to fail the write of one key.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "config/settings/ini_access.h"

namespace quon::test {

class MemoryIni : public config::IniAccess {
public:
    MemoryIni() = default;
    explicit MemoryIni(std::map<std::pair<std::string, std::string>, std::string> values) : values_(std::move(values)) {}
    using IniAccess::ReadString;
    using IniAccess::WriteString;

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const override {
        auto it = values_.find({section, key});
        return it == values_.end() ? def : it->second;
    }
    bool WriteString(const std::string& section, const std::string& key, const std::string& value) override {
        if (section + "." + key == failingKey) return false;
        writes.push_back(section + "." + key + "=" + value);
        values_[{section, key}] = value;
        return true;
    }
    // The keys written, in order, without their values.
    std::vector<std::string> WrittenKeys() const {
        std::vector<std::string> keys;
        for (const std::string& w : writes) keys.push_back(w.substr(0, w.find('=')));
        return keys;
    }
    std::string Value(const std::string& section, const std::string& key) const { return ReadString(section, key, "(none)"); }

    std::vector<std::string> writes;
    std::string failingKey;  // "section.key" whose write the platform reports as failed

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace quon::test
