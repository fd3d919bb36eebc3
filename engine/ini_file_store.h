#pragma once
// data.qif or plugins.qif itself, through fw::IniFile: read value by value through the private-profile
// API; the keys of WriteKeys, and of every single write where the file must survive a kill, land by
// replacing the file as a whole.
#include <string>

#include "engine/settings_store.h"
#include "framework/ini_file.h"

namespace quon {

class IniFileStore : public SettingsStore {
public:
    // How one value is written: through the platform's writer (the settings dialog's save, value after
    // value), or by replacing the file as a whole, so that a kill in the middle of the start of day's
    // roll-over leaves each counter with its old value or its new one, and the file whole.
    enum class SingleWrites { Platform, WholeFile };

    explicit IniFileStore(std::string path, SingleWrites writes = SingleWrites::Platform)
        : file_(std::move(path)), writes_(writes) {}
    using SettingsStore::ReadString;
    using SettingsStore::WriteString;

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const override;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value) override;
    bool WriteKeys(const std::string& section, const KeyValues& keys) override;

private:
    fw::IniFile file_;
    SingleWrites writes_;
};

}  // namespace quon
