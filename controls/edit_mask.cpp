#include "controls/edit_mask.h"

#include <algorithm>

namespace controls {
namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

EditMask::EditMask(std::string_view maskText, char separator) {
    const size_t end = std::min(maskText.find(';'), maskText.size());
    if (end < maskText.size()) {
        const size_t second = maskText.find(';', end + 1);
        if (second != std::string_view::npos && second + 1 < maskText.size()) blankChar_ = maskText[second + 1];
    }
    for (size_t i = 0; i < end; ++i) {
        const char m = maskText[i];
        if (m == '!') continue;
        if (m == '9' || m == '0' || m == '#') {
            slots_.push_back(true);
            blank_ += blankChar_;
        } else {
            if (m == '\\' && i + 1 < end) ++i;
            slots_.push_back(false);
            blank_ += maskText[i] == '/' && m != '\\' ? separator : maskText[i];
        }
    }
}

bool EditMask::Fits(std::string_view text) const {
    if (text.size() != slots_.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (slots_[i] ? !(IsDigit(text[i]) || text[i] == blankChar_) : text[i] != blank_[i]) return false;
    }
    return true;
}

std::string EditMask::Conform(std::string_view text) const {
    if (Empty() || Fits(text)) return std::string(text);
    return Paste(blank_, 0, 0, text).text;
}

size_t EditMask::NextDigitPlace(size_t from) const {
    while (from < slots_.size() && !slots_[from]) ++from;
    return from;
}

EditMask::Result EditMask::Blank(const std::string& text, size_t start, size_t end) const {
    Result r{Fits(text) ? text : Conform(text), std::min(start, slots_.size())};
    for (size_t i = r.caret; i < std::min(end, slots_.size()); ++i)
        if (slots_[i]) r.text[i] = blankChar_;
    r.changed = r.text != text;
    return r;
}

EditMask::Result EditMask::TypeInto(Result r, char c) const {
    const size_t n = slots_.size();
    if (IsDigit(c) || c == blankChar_) {
        const size_t at = NextDigitPlace(r.caret);
        if (at >= n) return r;
        r.text[at] = c;
        r.caret = NextDigitPlace(at + 1);
        return r;
    }
    // A separator: the literal just passed, or the end of the part being typed.
    if (r.caret > 0 && r.caret <= n && !slots_[r.caret - 1] && blank_[r.caret - 1] == c) return r;
    size_t literal = r.caret;
    while (literal < n && (slots_[literal] || blank_[literal] != c)) ++literal;
    if (literal >= n) return r;
    size_t partStart = r.caret;
    while (partStart > 0 && slots_[partStart - 1]) --partStart;
    const size_t typed = r.caret - partStart;
    if (typed > 0) {
        const std::string digits = r.text.substr(partStart, typed);
        const size_t width = literal - partStart;
        r.text.replace(partStart, width, std::string(width - typed, blankChar_) + digits);
    }
    r.caret = literal + 1;
    return r;
}

EditMask::Result EditMask::Type(const std::string& text, size_t start, size_t end, char c) const {
    const bool literal = blank_.find(c) != std::string::npos && !(IsDigit(c) || c == blankChar_);
    if (!(IsDigit(c) || c == blankChar_ || literal)) return Result{text, start, false};
    Result r = start < end ? Blank(text, start, end) : Blank(text, start, start);
    r = TypeInto(r, c);
    r.changed = r.text != text;
    return r;
}

EditMask::Result EditMask::Paste(const std::string& text, size_t start, size_t end, std::string_view pasted) const {
    Result r = Blank(text, start, std::max(start, end));
    for (char c : pasted) {
        const bool literal = blank_.find(c) != std::string::npos;
        if (IsDigit(c) || c == blankChar_ || literal) r = TypeInto(r, c);
    }
    r.changed = r.text != text;
    return r;
}

EditMask::Result EditMask::Erase(const std::string& text, size_t start, size_t end, bool backward) const {
    if (start < end) return Blank(text, start, end);
    Result r = Blank(text, start, start);
    if (backward) {
        size_t at = r.caret;
        while (at > 0 && !slots_[at - 1]) --at;
        if (at == 0) return r;
        r.text[at - 1] = blankChar_;
        r.caret = at - 1;
    } else {
        const size_t at = NextDigitPlace(r.caret);
        if (at < slots_.size()) r.text[at] = blankChar_;
    }
    r.changed = r.text != text;
    return r;
}

}  // namespace controls
