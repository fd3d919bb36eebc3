#include "controls/command_text.h"

namespace controls {
namespace {
bool IsGap(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string NextCommandToken(std::string_view text, size_t& pos) {
    for (;;) {
        while (pos < text.size() && IsGap(text[pos]) && text[pos] != '\0') ++pos;
        if (pos + 1 < text.size() && text[pos] == '"' && text[pos + 1] == '"') pos += 2;
        else break;
    }
    std::string token;
    while (pos < text.size() && !IsGap(text[pos])) {
        if (text[pos] == '"') {
            ++pos;
            while (pos < text.size() && text[pos] != '"') token += text[pos++];
            if (pos < text.size()) ++pos;
        } else {
            token += text[pos++];
        }
    }
    return token;
}

int CountCommandTokens(std::string_view text) {
    size_t pos = 0;
    int n = 0;
    while (!NextCommandToken(text, pos).empty()) ++n;
    return n;
}

std::string CommandTokenAt(std::string_view text, int index) {
    size_t pos = 0;
    for (int i = 0;; ++i) {
        std::string token = NextCommandToken(text, pos);
        if (token.empty() || i == index) return token;
    }
}

void SplitCommandText(std::string_view text, std::string& program, std::string& parameters) {
    program.clear();
    parameters.clear();
    size_t pos = 0;
    program = NextCommandToken(text, pos);
    if (program.empty()) return;
    for (std::string token; !(token = NextCommandToken(text, pos)).empty();) {
        if (!parameters.empty()) parameters += ' ';
        parameters += token.find(' ') != std::string::npos ? "\"" + token + "\"" : token;
    }
}

}  // namespace controls
