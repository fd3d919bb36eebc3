#pragma once
// The date edit's mask: digit places at fixed positions between literal separators, the blank character
// where nothing was typed. Built from a mask text such as "!99/99/99;1; " (9 or 0 a digit place, the
// slash the date separator, other characters literals; after the first ";" whether literals are kept,
// after the second the blank character). Every edit of the text goes through here, typed or pasted,
// so the text always keeps the mask's layout. Plain text operations, testable without a window.
#include <string>
#include <string_view>
#include <vector>

namespace controls {

class EditMask {
public:
    EditMask() = default;
    EditMask(std::string_view maskText, char separator);

    struct Result {
        std::string text;
        size_t caret = 0;
        bool changed = false;
    };

    bool Empty() const { return slots_.empty(); }
    const std::string& BlankText() const { return blank_; }
    bool IsDigitPlace(size_t at) const { return at < slots_.size() && slots_[at]; }
    // A text in the mask's layout: its length, its literals in place, digits or blanks elsewhere.
    bool Fits(std::string_view text) const;
    // Any text as the mask takes it: unchanged when it fits, else typed into the blank mask.
    std::string Conform(std::string_view text) const;

    // A character typed with the selection [start, end) (start == end: the caret). A digit (or a blank)
    // overwrites the next digit place and the caret moves past any literal after it; a separator ends
    // the part being typed (what was typed of it moves to the part's right end) and the caret goes
    // after it; a separator typed just after one is taken as that one. Anything else is refused.
    Result Type(const std::string& text, size_t start, size_t end, char c) const;
    // Each character of pasted text as if typed, from the selection on; the characters the mask refuses
    // are skipped.
    Result Paste(const std::string& text, size_t start, size_t end, std::string_view pasted) const;
    // Delete (forward) or Backspace: a selection is blanked; else the digit after (before) the caret.
    Result Erase(const std::string& text, size_t start, size_t end, bool backward) const;
    // The selection's digit places blanked, literals kept.
    Result Blank(const std::string& text, size_t start, size_t end) const;

private:
    size_t NextDigitPlace(size_t from) const;  // size() when none
    Result TypeInto(Result r, char c) const;

    std::vector<bool> slots_;  // true: a digit place
    std::string blank_;
    char blankChar_ = ' ';
};

}  // namespace controls
