#pragma once
// The live previews the settings send the running meter while the user edits: where its window sits
// (command 1).
#include <string>

namespace quon::config {

// "xxxxx:yyyyy": each distance (from the right and from the bottom screen edge, in pixels) padded with
// zeros on the left to five digits. A distance whose text is empty or longer than five characters gives
// nothing on its side of the colon.
std::string PositionPreviewText(const std::string& fromRight, const std::string& fromBottom);

}  // namespace quon::config
