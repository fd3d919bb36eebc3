#pragma once
// How the dialog turns stored values into what its controls show and back.
#include <cstdint>
#include <optional>
#include <string>

namespace quon::config {

// [reset] interval in seconds <-> the item of box_interval (-1: a value the box has no item for).
int IntervalIndexFor(int64_t seconds);
// nullopt: the box has no selection, and the key is left as it is.
std::optional<int64_t> IntervalSecondsFor(int index);

// [events] hint <-> the radio buttons rad_none (0) .. rad_max (3).
int HintRadioFor(int64_t hint);

// [bytes] level_n in bytes <-> the kilobytes in edt_a .. edt_e; nullopt for a text that is not an integer.
std::string LevelKilobytesText(int64_t bytes);
std::optional<int64_t> LevelBytesFor(const std::string& kilobytesText);

// [view] o <-> the position of bar_opacity (the bar shows transparency).
int64_t OpacityBarPosition(int64_t opacity);
int64_t OpacityFor(int64_t barPosition);

// A sound's box is ticked when its path is longer than 3 characters.
bool SoundBoxChecked(const std::string& path);

// The main program's version as the information page shows it: 2010 -> "2.1", 2013 -> "2.1.3".
std::string VersionLabel(int version);

// The statistics lock from the caller's state text: 0 offline ("0"), 1 online ("1"), -1 anything else.
int StatisticsLock(const char* state);

// [alt] remind: the next period's start minus the warning days, "dd.mm.yy"; nullopt when either is invalid.
std::optional<std::string> RemindDateFor(const std::string& nextPeriod, const std::string& warnDays);

// A plug-in's [<file>] enabled as the main program reads it: 0 off, anything else (missing, text) on.
bool PluginEnabled(const std::string& text);
// The text of the activation column for an event code.
std::string ActivationText(int64_t code);

}  // namespace quon::config
