#pragma once
// ReadSettings' file side: every key of data.qif and plugins.qif, read one by one in the dialog's order
// with the dialog's defaults, turned into what the controls show.
#include <string>

#include "engine/settings_store.h"
#include "config/settings/settings_values.h"

namespace quon::config {

// The keys of the seven statistics fields, in their order.
inline constexpr keys::TextKey kCounterKeys[kCounterFields] = {keys::kMonthLimit, keys::kDayLimit, keys::kBackup,
                                                               keys::kMonth,      keys::kDay,      keys::kUpLimit,
                                                               keys::kUp};

// programFolder names the default icon files; today is the default next period ("dd.mm.yy").
SettingsValues ReadSettingsValues(const SettingsStore& data, const SettingsStore& plugins, const std::string& programFolder,
                                  const std::string& today);

// ReadSettingsValues on data.qif and plugins.qif of the program folder, today the default next period:
// all that ReadSettings reads before it fills the pages.
SettingsValues ReadProgramFolderSettings();

// The plug-in rows of plugins.qif.
std::vector<PluginRow> ReadPluginRows(const SettingsStore& plugins);

}  // namespace quon::config
