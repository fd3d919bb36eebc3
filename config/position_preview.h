#pragma once
// The live previews the settings send the running meter while the user edits: where its window sits
// (command 1) and how opaque it is (command 2).
#include <string>

namespace quon::config {

// "xxxxx:yyyyy": each distance (from the right and from the bottom screen edge, in pixels) padded with
// zeros on the left to five digits. A distance whose text is empty or longer than five characters gives
// nothing on its side of the colon.
std::string PositionPreviewText(const std::string& fromRight, const std::string& fromBottom);

// The opacity the meter gets for a position of the opacity bar (0 opaque .. 200 faint): 255 - position.
std::string OpacityPreviewText(int barPosition);

}  // namespace quon::config
