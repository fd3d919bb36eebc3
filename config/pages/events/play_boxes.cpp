#include "config/pages/events/play_boxes.h"

namespace quon::config {

bool UsableSoundName(const std::string& name) { return name.size() > 3; }

PlayBoxEffect PlayBoxes::BoxClicked() {
    bool warn = false;
    for (const PlayBox& b : boxes)
        if (b.ticked && !UsableSoundName(b.name)) warn = true;
    if (warn)
        for (PlayBox& b : boxes) b.ticked = UsableSoundName(b.name);
    for (PlayBox& b : boxes)
        if (!b.ticked) b.name.clear();
    return {true, warn ? PlayBoxHint::ChooseFileFirst : PlayBoxHint::Clear};
}

PlayBoxEffect PlayBoxes::NameChanged(int slot) {
    PlayBox& b = boxes[static_cast<size_t>(slot)];
    if (b.ticked == UsableSoundName(b.name)) return {true, PlayBoxHint::Leave};  // another file, same state
    b.ticked = !b.ticked;
    return BoxClicked();
}

std::string SavedSoundName(const PlayBox& box) { return box.ticked ? box.name : std::string(); }

std::string PlayableSoundName(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

}  // namespace quon::config
