#include "config/pages/options/position_preview.h"

namespace quon::config {

namespace {

std::string PadToFive(const std::string& digits) {
    if (digits.empty() || digits.size() > 5) return {};
    return std::string(5 - digits.size(), '0') + digits;
}

}  // namespace

std::string PositionPreviewText(const std::string& fromRight, const std::string& fromBottom) {
    return PadToFive(fromRight) + ":" + PadToFive(fromBottom);
}

}  // namespace quon::config
