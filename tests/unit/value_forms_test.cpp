#include "engine/value_forms.h"

#include <gtest/gtest.h>

namespace quon {
namespace {

TEST(CounterText, ParsesEitherSeparatorAndRejectsNonNumbers) {
    struct Case { const char* text; std::optional<double> value; };
    const Case cases[] = {
        {"0", 0.0}, {"1048576", 1048576.0}, {"12,5", 12.5}, {"12.5", 12.5}, {" 7 ", 7.0},
        {"-3", -3.0}, {"1E3", 1000.0}, {"20000000", 20000000.0},
        {"", std::nullopt}, {"abc", std::nullopt}, {"12abc", std::nullopt}, {"1,2,3", std::nullopt},
        {",", std::nullopt}, {"1e", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCounter(c.text), c.value) << "'" << c.text << "'";
}

TEST(CounterText, WholeValuesAreIntegerTextAndFractionsRoundTrip) {
    EXPECT_EQ(FormatCounter(0, ','), "0");
    EXPECT_EQ(FormatCounter(16777217, ','), "16777217");  // above 2^24: a float would lose the last byte
    EXPECT_EQ(FormatCounter(4294967296.0 * 3, ','), "12884901888");
    EXPECT_EQ(FormatCounter(12.5, ','), "12,5");
    EXPECT_EQ(FormatCounter(12.5, '.'), "12.5");
    EXPECT_EQ(ParseCounter(FormatCounter(0.1, ',')), 0.1);
}

}  // namespace
}  // namespace quon
