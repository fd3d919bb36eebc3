#pragma once
// Command-line texts: tokens separated by blanks and control characters, double quotes group blanks
// into a token and are dropped, empty quote pairs between tokens are skipped. Tokens are taken whole.
#include <string>
#include <string_view>

namespace controls {

// Reads the token at pos and moves pos past it; an empty token means the text is used up.
std::string NextCommandToken(std::string_view text, size_t& pos);
int CountCommandTokens(std::string_view text);
std::string CommandTokenAt(std::string_view text, int index);  // "" past the end
// The first token is the program; the others are joined by one blank, quoted when they hold a blank.
void SplitCommandText(std::string_view text, std::string& program, std::string& parameters);

}  // namespace controls
