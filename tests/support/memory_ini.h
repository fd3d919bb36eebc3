#pragma once
// data.qif or plugins.qif in memory for the tests: reads are answered from a map (a value in quotes
// without them, as the platform's reader gives it), every write is recorded in order
// ("section.key=value"), and chosen keys refuse to be written.
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/settings_store.h"

namespace quon::test {

class MemoryIni : public SettingsStore {
public:
    using Key = std::pair<std::string, std::string>;
    MemoryIni() = default;
    explicit MemoryIni(std::map<Key, std::string> stored) : values(std::move(stored)) {}
    using SettingsStore::ReadString;
    using SettingsStore::WriteString;

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const override {
        auto it = values.find({section, key});
        if (it == values.end()) return def;
        const std::string& v = it->second;
        return v.size() >= 2 && v.front() == '"' && v.back() == '"' ? v.substr(1, v.size() - 2) : v;
    }
    bool WriteString(const std::string& section, const std::string& key, const std::string& value) override {
        if (failing.count(section + "." + key)) return false;
        values[{section, key}] = value;
        writes.push_back(section + "." + key + "=" + value);
        return true;
    }
    // All keys or, when one of them refuses, none.
    bool WriteKeys(const std::string& section, const KeyValues& keys) override {
        for (const auto& kv : keys)
            if (failing.count(section + "." + kv.first)) return false;
        for (const auto& [key, value] : keys) (void)WriteString(section, key, value);
        return true;
    }

    void Set(const std::string& section, const std::string& key, const std::string& value) { values[{section, key}] = value; }
    struct Entry { const char* section; const char* key; std::string value; };
    void Fill(std::initializer_list<Entry> entries) {
        for (const Entry& e : entries) Set(e.section, e.key, e.value);
    }
    std::string Get(const std::string& section, const std::string& key) const { return ReadString(section, key, "<missing>"); }
    // The keys written, in order, without their values.
    std::vector<std::string> WrittenKeys() const {
        std::vector<std::string> keys;
        for (const std::string& w : writes) keys.push_back(w.substr(0, w.find('=')));
        return keys;
    }

    std::map<Key, std::string> values;
    std::set<std::string> failing;    // "section.key" of the keys whose writes the platform reports as failed
    std::vector<std::string> writes;  // "section.key=value" in the order written
};

}  // namespace quon::test
