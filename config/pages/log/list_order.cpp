#include "config/pages/log/list_order.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>

namespace quon::config {

int CompareInListOrder(std::string_view a, std::string_view b) {
    const size_t shorter = std::min(a.size(), b.size());
    size_t i = 0;
    while (i < shorter && a[i] == b[i]) ++i;
    if (i == a.size() && i == b.size()) return 0;
    // After the same characters, the first two digits that differ decide in every locale: digits weigh in
    // their own order and neither is ignored, whatever the characters after them.
    if (i < shorter && a[i] >= '0' && a[i] <= '9' && b[i] >= '0' && b[i] <= '9') return a[i] < b[i] ? -1 : 1;
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) - CSTR_EQUAL;
}

void SortInListOrder(std::vector<std::string_view>& lines) {
    const auto less = [](std::string_view a, std::string_view b) { return CompareInListOrder(a, b) < 0; };
    std::vector<size_t> runs{0};  // where each ascending run starts, then the end
    for (size_t i = 1; i < lines.size(); ++i)
        if (less(lines[i], lines[i - 1])) runs.push_back(i);
    runs.push_back(lines.size());
    const auto at = [&](size_t k) { return lines.begin() + static_cast<std::ptrdiff_t>(runs[k]); };
    while (runs.size() > 2) {
        std::vector<size_t> merged{0};
        size_t k = 0;
        for (; k + 2 < runs.size(); k += 2) {
            std::inplace_merge(at(k), at(k + 1), at(k + 2), less);  // stable: ties keep the earlier run first
            merged.push_back(runs[k + 2]);
        }
        if (merged.back() != lines.size()) merged.push_back(lines.size());  // an odd run left over, as it is
        runs.swap(merged);
    }
}

}  // namespace quon::config
