#include "config/pages/events/play_boxes.h"

#include <gtest/gtest.h>

namespace quon::config {
namespace {

// The four boxes m, d, o, x as "ticked:name" texts, e.g. "1:a.wav".
std::string State(const PlayBoxes& p) {
    std::string s;
    for (const PlayBox& b : p.boxes) s += (s.empty() ? "" : " ") + std::string(b.ticked ? "1:" : "0:") + b.name;
    return s;
}

PlayBoxes Boxes(std::array<PlayBox, kSoundSlots> boxes) {
    PlayBoxes p;
    p.boxes = std::move(boxes);
    return p;
}

TEST(PlayBoxes, ClickingABoxSettlesAllFour) {
    struct Case { std::array<PlayBox, kSoundSlots> before; PlayBoxHint hint; const char* after; };
    const Case cases[] = {
        // ticking a box with an empty edit unticks it again and asks for a file
        {{{{true, ""}, {}, {}, {}}}, PlayBoxHint::ChooseFileFirst, "0: 0: 0: 0:"},
        {{{{false, ""}, {true, "abc"}, {true, "d.wav"}, {}}}, PlayBoxHint::ChooseFileFirst, "0: 0: 1:d.wav 0:"},
        // unticking a box empties its edit; the others keep theirs
        {{{{true, "m.wav"}, {true, "d.wav"}, {false, "o.wav"}, {true, "x.wav"}}}, PlayBoxHint::Clear,
         "1:m.wav 1:d.wav 0: 1:x.wav"},
        {{{{true, "abcd"}, {}, {}, {}}}, PlayBoxHint::Clear, "1:abcd 0: 0: 0:"},
    };
    for (const Case& c : cases) {
        PlayBoxes p = Boxes(c.before);
        const PlayBoxEffect e = p.BoxClicked();
        EXPECT_TRUE(e.apply);
        EXPECT_EQ(e.hint, c.hint) << c.after;
        EXPECT_EQ(State(p), c.after);
    }
}

TEST(PlayBoxes, TypingTicksTheBoxFromFourCharacters) {
    struct Case { PlayBox before; const char* typed; PlayBoxHint hint; const char* after; };
    const Case cases[] = {
        {{false, ""}, "abc", PlayBoxHint::Leave, "0:abc 0: 0: 0:"},    // three characters stay, unticked
        {{false, "abc"}, "abcd", PlayBoxHint::Clear, "1:abcd 0: 0: 0:"},
        {{true, "a.wav"}, "b.wav", PlayBoxHint::Leave, "1:b.wav 0: 0: 0:"},  // another file: Apply only
        {{true, "abcd"}, "abc", PlayBoxHint::Clear, "0: 0: 0: 0:"},     // the box goes off and takes the name along
        {{true, "a.wav"}, "", PlayBoxHint::Clear, "0: 0: 0: 0:"},
        {{false, ""}, "\"C:\\My Sounds\\a.wav\"", PlayBoxHint::Clear, "1:\"C:\\My Sounds\\a.wav\" 0: 0: 0:"},
    };
    for (const Case& c : cases) {
        PlayBoxes p = Boxes({c.before, {}, {}, {}});
        p.boxes[ssMonthLimit].name = c.typed;
        const PlayBoxEffect e = p.NameChanged(ssMonthLimit);
        EXPECT_TRUE(e.apply) << c.typed;
        EXPECT_EQ(e.hint, c.hint) << c.typed;
        EXPECT_EQ(State(p), c.after) << c.typed;
    }
}

TEST(PlayBoxes, SavedAndPlayedNames) {
    EXPECT_EQ(SavedSoundName({true, "a.wav"}), "a.wav");
    EXPECT_EQ(SavedSoundName({false, "abc"}), "");  // an unticked box switches the sound off
    struct Case { const char* text; const char* played; };
    const Case cases[] = {
        {"\"C:\\My Sounds\\a.wav\"", "C:\\My Sounds\\a.wav"}, {"\"a.wav", "\"a.wav"}, {"a.wav\"", "a.wav\""},
        {"\"\"", ""}, {"\"", "\""}, {"", ""}, {"a.wav", "a.wav"},
    };
    for (const Case& c : cases) EXPECT_EQ(PlayableSoundName(c.text), c.played) << c.text;
}

}  // namespace
}  // namespace quon::config
