#pragma once
// SaveSettings' file side: every value written back in the dialog's fixed order, one value per write.
#include <stdexcept>

#include "engine/settings_store.h"
#include "config/settings/settings_values.h"

namespace quon::config {

// A write that the platform reported as failed; it stops the save.
struct SaveError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What a completed save could not write.
struct SaveOutcome {
    bool pluginListSaved = true;  // false: a write to the plug-in list failed, its later writes were skipped
};

// statisticsLock: the counters and limits are written only when it is 0, and then only those whose text
// differs from the text read when the dialog opened (the main program may have stored a finished
// connection meanwhile). Throws SaveError at the first failed write of data.qif; what was written stays
// written. A failed write of the plug-in list ends only the list; the rest is written all the same.
SaveOutcome SaveSettingsValues(const SettingsValues& values, int statisticsLock, SettingsStore& data, SettingsStore& plugins);

}  // namespace quon::config
