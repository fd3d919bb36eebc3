#pragma once
// One poll tick: poll, connect and disconnect transitions, figures, level, idle timer, limits, logs,
// tray hint and the external indicator. Decisions only; every outside action goes through the port.
#include "engine/engine_state.h"
#include "engine/options.h"
#include "engine/tick_port.h"

namespace quon {

inline constexpr const char* kBalloonOnline = "Интернет онлайн (";
inline constexpr const char* kBalloonOffline = "Интернет оффлайн";
inline constexpr const char* kBalloonDayLimit = "Внимание! Превышен дневной лимит входящего трафика";
inline constexpr const char* kBalloonMonthLimit = "Внимание! Превышен месячный лимит входящего трафика";

// A tick started while another one runs (the window shown at a connect runs one) does nothing.
void RunPollTick(EngineState& eng, Options& opt, DisplayTexts& texts, TickPort& port);

// A balloon text as the tray's field holds it: 256 characters or more become the first 254 and "…".
std::string BoundedBalloonText(const std::string& text);

}  // namespace quon
