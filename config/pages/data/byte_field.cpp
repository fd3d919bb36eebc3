#include "config/pages/data/byte_field.h"

#include <cmath>

#include "engine/byte_format.h"

namespace quon::config {

int StatUnitOrBytes(int unit) { return unit >= 0 && unit < kStatUnitCount ? unit : 0; }

int StatDecimalsOrNone(int decimals) { return decimals >= 0 && decimals <= kStatMaxDecimals ? decimals : 0; }

const char* StatUnitLabel(int unit) {
    static const char* const kLabels[kStatUnitCount] = {"б", "Кб", "Мб", "Гб"};
    return kLabels[StatUnitOrBytes(unit)];
}

std::string FormatByteField(float value, int unit, int decimals, char separator) {
    const float shown = std::ldexp(value, -10 * StatUnitOrBytes(unit));
    const size_t k = static_cast<size_t>(StatDecimalsOrNone(decimals));
    std::string text = GeneralNumberText(shown, separator);
    const size_t p = text.find(separator);
    if (p != std::string::npos) return k > 0 ? text.substr(0, p + 1 + k) : text.substr(0, p);
    if (k > 0) text += separator + std::string(k, '0');
    return text;
}

}  // namespace quon::config
