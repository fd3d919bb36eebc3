#pragma once
// The text of an INI file edited as the private-profile writer edits it, and read by the same rules as its
// reader: a section is the first "[name]" line of that name, a key the first "name=" line of its section,
// names matched without regard to letter case or the blanks around them.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

using IniKeys = std::vector<std::pair<std::string, std::string>>;

// The text with these keys of one section set. A key the section has keeps its line, the text before its
// "=" and its place; the value after it is the new one. A key the section lacks follows its last line, and
// a section the text lacks is added at its end. Every other byte stays as it was; new lines end in CR LF.
// A line break inside a name or a value would start a line of its own and becomes a blank.
std::string SetIniKeys(std::string_view text, std::string_view section, const IniKeys& keys);

}  // namespace fw
