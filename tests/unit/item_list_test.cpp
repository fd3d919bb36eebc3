#include "engine/item_list.h"

#include <gtest/gtest.h>

namespace quon {
namespace {

TEST(ItemList, ListGoesOnWithinABelievableCountAndStopsAtItsBound) {
    struct Case { int64_t i, count; bool keyPresent, goesOn; };
    const Case cases[] = {
        // a believable count: every counted entry, present or not (a missing one reads as its default)
        {1, 0, true, false}, {1, 1, true, true}, {2, 1, true, false}, {2, 3, false, true},
        {kMostListItems, kMostListItems, false, true},
        // past the count
        {4, 3, true, false}, {1, -5, true, false},
        // an unbelievable count: the list ends at its first missing key, and never goes past the bound
        {1, kMostListItems + 1, true, true}, {2, kMostListItems + 1, false, false},
        {7, 2000000000, true, true}, {7, 2000000000, false, false},
        {kMostListItems, INT64_MAX, true, true}, {kMostListItems + 1, INT64_MAX, true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListGoesOn(c.i, c.count, c.keyPresent), c.goesOn)
            << "entry " << c.i << " of " << c.count << (c.keyPresent ? " present" : " missing");
    EXPECT_EQ(ItemKey(12), "item_12");
}

}  // namespace
}  // namespace quon
