#pragma once
// The INI layer under ReadSettings and SaveSettings: one file, value by value, nothing cached. Tests put
// a recording layer in its place to see the order of the writes.
#include <cstdint>
#include <string>

#include "engine/settings_keys.h"
#include "framework/ini_file.h"

namespace quon::config {

class IniAccess {
public:
    virtual ~IniAccess() = default;
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& def) const = 0;
    // False when the platform reports the write as failed.
    [[nodiscard]] virtual bool WriteString(const std::string& section, const std::string& key,
                                           const std::string& value) = 0;

    // A missing key or a text that is not a whole number gives def.
    int64_t ReadInteger(const std::string& section, const std::string& key, int64_t def) const;
    bool KeyExists(const std::string& section, const std::string& key) const {
        const char* probe = "\x01\x02";
        return ReadString(section, key, probe) != probe;
    }

    std::string ReadString(keys::Key key, const std::string& def) const { return ReadString(key.section, key.name, def); }
    int64_t ReadInteger(keys::Key key, int64_t def) const { return ReadInteger(key.section, key.name, def); }
    [[nodiscard]] bool WriteString(keys::Key key, const std::string& value) {
        return WriteString(key.section, key.name, value);
    }
};

// The file itself, through the private-profile API.
class IniFileAccess : public IniAccess {
public:
    explicit IniFileAccess(std::string path) : file_(std::move(path)) {}
    using IniAccess::ReadString;
    using IniAccess::WriteString;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const override;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value) override;

private:
    fw::IniFile file_;
};

}  // namespace quon::config
