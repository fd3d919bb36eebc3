#include "config/pages/log/activity_playback.h"

#include <algorithm>

namespace quon::config {

int LevelOfCharacter(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

void ShowIndicatorLevel(LevelStrip& strip, int level) {
    std::copy_backward(strip.begin(), strip.end() - 1, strip.end());
    if (level >= 0) strip[0] = std::min(level, 5);
}

unsigned PlaybackInterval(int item) {
    static const unsigned kIntervals[] = {1000, 500, 200, 100, 50, 20, 10};
    return item >= 0 && item < 7 ? kIntervals[item] : 100;
}

void ActivityPlayback::Start(std::string text) {
    text_ = std::move(text);
    next_ = 1;
    playing_ = true;
}

bool ActivityPlayback::Tick(LevelStrip& strip) {
    if (!playing_ || text_.size() < next_) {
        playing_ = false;
        return false;
    }
    ShowIndicatorLevel(strip, LevelOfCharacter(text_[next_ - 1]));
    ++next_;
    return true;
}

LevelStrip StripAfterTicks(const std::string& text, size_t ticks) {
    LevelStrip strip{};
    ActivityPlayback playback;
    playback.Start(text);
    for (size_t i = 0; i < ticks && playback.Tick(strip); ++i) {
    }
    return strip;
}

}  // namespace quon::config
