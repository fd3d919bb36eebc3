#pragma once
// The tray icon's tooltip after a counted tick, by hint mode (0 none, 1 short, 2 detailed, 3 extended).
#include <cstdint>
#include <string>

#include "engine/engine_state.h"
#include "engine/options.h"

namespace quon {

std::string TrayHintText(int64_t hintMode, const EngineState& eng, const Options& opt, const DisplayTexts& texts);

}  // namespace quon
