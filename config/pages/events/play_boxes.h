#pragma once
// The four "play a sound file" boxes of the events page and their file-name edits: a box is ticked
// exactly when its edit holds a usable name, and an unticked box has an empty edit.
#include <array>
#include <string>

namespace quon::config {

enum SoundSlot : int { ssMonthLimit, ssDayLimit, ssConnect, ssDisconnect };  // m, d, o, x
inline constexpr int kSoundSlots = 4;

struct PlayBox {
    bool ticked = false;
    std::string name;
};

// What a change does to the rest of the page: Apply is enabled, and the hint panel shows the warning
// below (kind 3), is cleared (kind 0), or is left alone.
enum class PlayBoxHint { Leave, Clear, ChooseFileFirst };
struct PlayBoxEffect {
    bool apply = false;
    PlayBoxHint hint = PlayBoxHint::Leave;
};

inline constexpr const char* kChooseSoundFirst =
    "Чтобы воспроизвести звуковой файл, его сначала нужно выбрать (нажмите на кнопку «...» справа от данной опции)";

// A name of more than three characters.
bool UsableSoundName(const std::string& name);

class PlayBoxes {
public:
    std::array<PlayBox, kSoundSlots> boxes;

    // The user clicked a box (its new state is already in `boxes`).
    PlayBoxEffect BoxClicked();
    // The user typed into an edit, or chose a file for it (the new text is already in `boxes`).
    PlayBoxEffect NameChanged(int slot);
};

// The name data.qif gets for a slot: an unticked box switches the sound off.
std::string SavedSoundName(const PlayBox& box);

// The name a test button plays: double quotes around the whole name are dropped.
std::string PlayableSoundName(const std::string& text);

}  // namespace quon::config
