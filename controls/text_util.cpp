#include "controls/text_util.h"

namespace controls {

std::string RepeatChar(char c, int count) { return count > 0 ? std::string(static_cast<size_t>(count), c) : ""; }

bool AllCharsInSet(std::string_view text, const std::bitset<256>& set) {
    for (char c : text)
        if (!set.test(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string ReplaceAllText(std::string_view text, std::string_view search, std::string_view replacement) {
    if (search.empty()) return std::string(text);
    std::string out;
    size_t from = 0;
    for (size_t at; (at = text.find(search, from)) != std::string_view::npos; from = at + search.size()) {
        out.append(text.substr(from, at - from));
        out.append(replacement);
    }
    out.append(text.substr(from));
    return out;
}

bool HasAnyCharOf(std::string_view text, std::string_view chars) {
    return text.find_first_of(chars) != std::string_view::npos;
}

bool IsValidFileNameText(std::string_view name) { return !name.empty() && !HasAnyCharOf(name, "<>\"[]|"); }

std::string QuoteIfBlank(std::string_view name) {
    if (name.find(' ') != std::string_view::npos && name.front() != '"') return "\"" + std::string(name) + "\"";
    return std::string(name);
}

std::string ShortenTextToWidth(std::string_view text, int width,
                               const std::function<int(std::string_view)>& measure) {
    if (measure(text) <= width) return std::string(text);
    std::string result = "...";
    for (size_t i = 1; i <= text.size(); ++i) {
        size_t keep = text.size() > i + 1 ? text.size() - i - 1 : 0;
        result = std::string(text.substr(0, keep)) + "...";
        if (measure(result) <= width || keep == 0) break;
    }
    return result;
}

}  // namespace controls
