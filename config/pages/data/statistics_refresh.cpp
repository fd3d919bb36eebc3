#include "config/pages/data/statistics_refresh.h"

#include "config/pages/data/byte_field.h"
#include "engine/settings_keys.h"
#include "engine/value_forms.h"

namespace quon::config {

const char* StatFieldKey(int field) {
    using namespace keys;
    static const char* const kKeys[kStatFieldCount] = {kDayLimit.name, kDay.name,    kMonthLimit.name, kMonth.name,
                                                       kBackup.name,   kUpLimit.name, kUp.name};
    return field >= 1 && field <= kStatFieldCount ? kKeys[field - 1] : nullptr;
}

StatRefresh RefreshStatistics(const StatTexts& raw, int unit, int decimals, char separator) {
    StatRefresh out;
    std::array<double, kStatFieldCount> value{};
    const int order[] = {sfMonthLimit, sfDayLimit, sfBackup, sfMonth, sfDay, sfUpLimit, sfUp};
    for (int field : order) {
        std::optional<double> v = ParseCounter(raw[field - 1]);
        if (!v) return out;
        value[field - 1] = *v;
        out.shown[field - 1] = FormatByteField(static_cast<float>(*v), unit, decimals, separator);
    }
    auto at = [&](int field) { return value[field - 1]; };
    if (raw[sfMonthLimit - 1] != "0") {
        out.day = JudgeLimit(at(sfDay), at(sfDayLimit));
        out.month = JudgeLimit(at(sfMonth), at(sfMonthLimit));
    }
    if (raw[sfUpLimit - 1] != "0") out.up = JudgeLimit(at(sfUp), at(sfUpLimit));
    return out;
}

}  // namespace quon::config
