#pragma once
// The texts of the tray icon: the tooltip of each hint mode and the extended statistics balloon.
#include <cstdint>
#include <string>

#include "engine/engine_state.h"
#include "engine/options.h"

namespace quon {

// The tooltip after a counted tick for hint mode 0 (none), 1 (short), 2 (detailed), 3 (extended: empty,
// the balloon takes its place). Figures are whole megabytes, cut towards zero.
std::string TrayTooltipText(int64_t hintMode, const EngineState& eng, const Options& opt);

// The extended statistics balloon: incoming and outgoing figures in grouped whole megabytes, the limits'
// rest when a limit is set (> 1), the speeds of the last tick and the entry while counted online.
// Not yet cut to the balloon's length (see BalloonLengthText).
std::string ExtendedBalloonText(const EngineState& eng, const Options& opt, const DisplayTexts& texts);

// A balloon text of 256 characters or more becomes its first 254 characters and "…".
std::string BalloonLengthText(const std::string& text);

}  // namespace quon
