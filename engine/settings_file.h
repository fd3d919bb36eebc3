#pragma once
// data.qif: where it lives and how the main window's options are read from it.
#include <stdexcept>
#include <string>

#include "engine/options.h"
#include "engine/settings_keys.h"
#include "framework/ini_file.h"

namespace quon {

std::string SettingsPath();  // ProgramFolder + kSettingsFile

// A counter text that is not a number: the whole reload fails.
struct SettingsError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the options in the order of the file's loader, assigning each field as it is read. On a
// SettingsError the fields read before the failing value hold their new values, the later ones their old.
void ReadOptions(const fw::IniFile& ini, Options& o);

// One counter of [bytes]; throws SettingsError when its text is not a number.
double ReadCounter(const fw::IniFile& ini, const keys::TextKey& key);

// The fade step from [visibility] fade.
int FadeStepFor(int64_t fade);

// An interval setting clamped to 1000..60000 ms; the comparison is unsigned, so a negative setting gives 60000.
unsigned ClampIntervalMs(int64_t ms);

}  // namespace quon
