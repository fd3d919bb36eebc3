#include "engine/protect_copy.h"

#include <cmath>

namespace quon {

std::string ProtectCountText(double bytes) {
    if (!(bytes > 0)) return "0";
    if (bytes >= 18446744073709551615.0) return "18446744073709551615";
    return std::to_string(static_cast<uint64_t>(std::trunc(bytes)));
}

}  // namespace quon
