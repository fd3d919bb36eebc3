#include "config/pages/data/typed_counter.h"

#include <cmath>
#include <cstdio>

#include "config/pages/data/byte_field.h"
#include "engine/byte_format.h"

namespace quon::config {

TypedCommit CommitTypedValue(const std::string& typed, int unit, char separator) {
    if (typed.empty()) return {TypedKind::Ignored, {}};
    std::string plain;  // the number with "." as separator, for strtod in the C locale
    size_t digits = 0, separators = 0;
    for (char c : typed) {
        if (c >= '0' && c <= '9') {
            ++digits;
            plain += c;
        } else if (c == separator && ++separators == 1) {
            plain += '.';
        } else {
            return {TypedKind::Invalid, {}};
        }
    }
    if (digits == 0) return {TypedKind::Invalid, {}};
    const float bytes = static_cast<float>(std::ldexp(std::strtod(plain.c_str(), nullptr), 10 * StatUnitOrBytes(unit)));
    if (!std::isfinite(bytes) || bytes >= 9223372036854775808.0f) return {TypedKind::Invalid, {}};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", std::trunc(static_cast<double>(bytes)));
    return {TypedKind::Stored, buf};
}

StatKey StatKeyAction(char key, char separator) {
    if (key == '\r') return StatKey::Commit;
    if (key == 27) return StatKey::Swallow;
    if ((key >= '0' && key <= '9') || key == '-' || key == separator || key == '\b') return StatKey::Pass;
    return StatKey::Refuse;
}

std::string DailyFromMonthly(double monthlyLimit, char separator) {
    return GeneralNumberText(monthlyLimit * (1.0 / 30), separator);
}

}  // namespace quon::config
