// The order of a sorted list box, found mostly without the locale, against the locale's own comparison.
#include "config/pages/log/list_order.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace quon::config {
namespace {

int LocaleOrder(std::string_view a, std::string_view b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) - CSTR_EQUAL;
}

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(ListOrder, EveryPairAsTheLocaleOrdersIt) {
    const char* const pairs[][2] = {
        {"05.03.26|10:00:01|1=Start", "05.03.26|10:00:01|3=Connected:Дом"},  // decided by a digit
        {"05.03.26|10:00:01|1=Start", "04.04.26|10:00:01|1=Start"},
        {"05.03.26|10:00:01|3=Connected:а", "05.03.26|10:00:01|3=Connected:Б"},  // by the locale, ignoring case
        {"05.03.26|10:00:01|3=Connected:abc", "05.03.26|10:00:01|3=Connected:ABC"},
        {"05.03.26|10:00:01|5=1:2", "05.03.26|10:00:01|5=12:2"},  // a digit against a colon
        {"05.03.26|10:00:01|5=-1", "05.03.26|10:00:01|5=1"},
        {"co-op 5", "coop 3"},  // a hyphen the locale may pass over
        {"a-5", "a-3"},
        {"[status]", "01.01.26|00:00:00|1=Start"},
        {"x", "x1"},
        {"", "1"},
        {"9", "10"},
        {"ё1", "е2"},
        {"same", "same"},
    };
    for (const auto& p : pairs) {
        EXPECT_EQ(Sign(CompareInListOrder(p[0], p[1])), Sign(LocaleOrder(p[0], p[1]))) << p[0] << " / " << p[1];
        EXPECT_EQ(Sign(CompareInListOrder(p[1], p[0])), Sign(LocaleOrder(p[1], p[0]))) << p[1] << " / " << p[0];
    }
}

// Three months of a log written in time order, with lines out of the form and ties of equal lines.
TEST(ListOrder, SortingByRunsGivesTheStableSortOfTheLocale) {
    std::vector<std::string> owned = {"[status]", "odd line", "Odd line", "", "odd line"};
    char line[64];
    for (int month = 1; month <= 3; ++month)
        for (int day = 1; day <= 28; day += 3)
            for (int code : {3, 4, 5, 6}) {
                std::snprintf(line, sizeof line, "%02d.%02d.26|%02d:00:00|%d=%s", day, month, 10 + code % 2, code,
                              code == 3 ? "Connected:Дом" : "1:2:3");
                owned.push_back(line);
            }
    owned.push_back("01.01.26|10:00:00|3=Connected:Дом");  // a tie with a line of the first run
    owned.push_back("odd line");
    std::vector<std::string_view> sorted(owned.begin(), owned.end()), expected = sorted;
    SortInListOrder(sorted);
    std::stable_sort(expected.begin(), expected.end(),
                     [](std::string_view a, std::string_view b) { return LocaleOrder(a, b) < 0; });
    ASSERT_EQ(sorted.size(), expected.size());
    for (size_t i = 0; i < sorted.size(); ++i)  // the same views: ties stay in the order of the file
        EXPECT_EQ(sorted[i].data(), expected[i].data()) << i << ": " << sorted[i] << " / " << expected[i];

    for (std::vector<std::string_view> few : {std::vector<std::string_view>{}, {"b"}, {"b", "a"}, {"c", "b", "a"}}) {
        std::vector<std::string_view> want = few;
        std::sort(want.begin(), want.end());
        SortInListOrder(few);
        EXPECT_EQ(few, want);
    }
}

}  // namespace
}  // namespace quon::config
