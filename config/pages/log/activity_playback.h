#pragma once
// Playback of the activity log (one level digit per online tick) on a strip of twenty level pictures.
#include <array>
#include <cstddef>
#include <string>

namespace quon::config {

inline constexpr size_t kStripLength = 20;
// Level pictures on the strip, newest first (index 0 is the rightmost picture). A fresh strip shows level 0.
using LevelStrip = std::array<int, kStripLength>;

// A digit is its level (6..9 show the highest picture, 5); any other character is level 0.
int LevelOfCharacter(char c);

// Every picture moves one place toward the oldest end and the newest shows `level` (5 or more: 5);
// a negative level moves nothing and keeps the newest.
void ShowIndicatorLevel(LevelStrip& strip, int level);

// Timer interval of the speed list's item ("x1" .. "x100"); an unknown item keeps x10.
unsigned PlaybackInterval(int item);

class ActivityPlayback {
public:
    // Starts from the first character of the log's text.
    void Start(std::string text);
    bool Playing() const { return playing_; }
    void Stop() { playing_ = false; }
    // Plays one character; false (and playback ends) when the text is exhausted.
    bool Tick(LevelStrip& strip);
    size_t Length() const { return text_.size(); }
    // The progress bar's position: the 1-based index of the next character.
    size_t Position() const { return next_; }

private:
    std::string text_;
    size_t next_ = 1;
    bool playing_ = false;
};

// The strip after n ticks of playing text on a fresh strip.
LevelStrip StripAfterTicks(const std::string& text, size_t ticks);

}  // namespace quon::config
