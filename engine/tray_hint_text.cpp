// Placeholder until the tray hint texts are built; the tick already calls it after every counted tick.
#include "engine/tray_hint_text.h"

namespace quon {

std::string TrayHintText(int64_t, const EngineState&, const Options&, const DisplayTexts&) { return ""; }

}  // namespace quon
