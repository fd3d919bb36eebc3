#include "engine/byte_format.h"

#include <gtest/gtest.h>

namespace quon {
namespace {

TEST(FormatBytes, ExamplesInEveryUnit) {
    struct Case { double bytes; int64_t units, decimals; char sep; const char* text; };
    const Case cases[] = {
        // kilobytes: cut, never rounded, never padded after a separator; a whole value gets its zeros
        {1536, 1, 3, ',', "1,5"}, {1024, 1, 3, ',', "1,000"}, {1023, 1, 2, ',', "0,99"},
        {0, 1, 3, ',', "0,000"}, {512, 1, 3, ',', "0,5"}, {1048576, 1, 3, ',', "1024,000"},
        {1536, 1, 0, ',', "1"}, {2048, 1, 0, ',', "2"}, {-1536, 1, 1, ',', "-1,5"},
        {1536, 1, 3, '.', "1.5"},
        // megabytes, also amounts too small for the fixed-point layout of the general format
        {1572864, 2, 0, ',', "1"}, {11, 2, 2, ',', "0,00"}, {1, 2, 2, ',', "0,00"}, {1, 2, 6, ',', "0,000000"},
        {5242880, 2, 3, ',', "5,000"},
        // bytes: digit groups, no decimals; an unknown unit shows bytes
        {16777216, 0, 0, ',', "16 777 216"}, {0, 0, 0, ',', "0"}, {16777217, 0, 0, ',', "16 777 217"},
        {1234, 7, 3, ',', "1 234"}, {-123456, 0, 0, ',', "-123 456"},
        // the decimal count is held to 0..6, whatever the settings file says
        {1536, 1, -2, ',', "1"}, {1, 2, 7, '.', "0.000000"}, {1024, 1, 2147483647, ',', "1,000000"},
        {1536, 1, INT64_MAX, ',', "1,5"}, {1024, 2, INT64_MIN, ',', "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatBytes(c.bytes, c.units, c.decimals, c.sep), c.text)
            << c.bytes << " units " << c.units << " decimals " << c.decimals;
}

TEST(NumberTexts, GroupedDigitsAndBytes) {
    struct Case { double x; const char* grouped; const char* digits; };
    const Case cases[] = {
        {1234567, "1 234 567", "1234567"}, {999, "999", "999"}, {1000, "1 000", "1000"},
        {0, "0", "0"}, {12.5, "12", "125"}, {-123456, "-123 456", "-123456"}, {-1234, "-1 234", "-1234"},
        {-12.75, "-12", "-1275"}, {4294967296.0 * 5, "21 474 836 480", "21474836480"},
        {1e16, "10 000 000 000 000 000", "10000000000000000"}, {0.00000095, "0", "000000095"},
        {-0.5, "0", "-05"}, {1234.9, "1 234", "12349"}, {16777217, "16 777 217", "16777217"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatGrouped(c.x), c.grouped) << c.x;
        EXPECT_EQ(DigitsOnly(c.x), c.digits) << c.x;
    }
    EXPECT_EQ(ByteToText(0), "0");
    EXPECT_EQ(ByteToText(1), "1");
    EXPECT_EQ(ByteToText(255), "255");
}

TEST(NumberTexts, FixedPointWithFifteenDigits) {
    EXPECT_EQ(GeneralNumberText(0.1, ','), "0,1");
    EXPECT_EQ(GeneralNumberText(1.0 / 3, '.'), "0.333333333333333");
    EXPECT_EQ(GeneralNumberText(11.0 / 1048576, ','), "0,0000104904174804688");
    EXPECT_EQ(GeneralNumberText(-2.5, ','), "-2,5");
    EXPECT_EQ(GeneralNumberText(123456789012345678.0, ','), "123456789012346000");
}

TEST(SpeedText, EveryUnitInBothLanguages) {
    struct Case { int64_t bytes, unit; const char* russian; const char* english; };
    const Case cases[] = {
        {3000, 0, "3000 б/с", "3000 b/s"},       {3000, 1, "2 кб/с", "2 kb/s"},
        {3000000, 2, "2 Мб/с", "2 Mb/s"},        {3000, 3, "24000 бит/с", "24000 bps"},
        {3000, 4, "23 кбит/с", "23 kbps"},       {3000000, 5, "22 Мбит/с", "22 Mbps"},
        {1023, 1, "0 кб/с", "0 kb/s"},           {-500, 0, "0 б/с", "0 b/s"},
        // 8 times a large tick does not overflow into a negative figure
        {600000000, 3, "4800000000 бит/с", "4800000000 bps"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpeedText(c.bytes, c.unit, false), c.russian) << c.bytes << " unit " << c.unit;
        EXPECT_EQ(SpeedText(c.bytes, c.unit, true), c.english) << c.bytes << " unit " << c.unit;
    }
    EXPECT_EQ(SpeedText(3000, 6, false), std::nullopt);
    EXPECT_EQ(SpeedText(3000, -1, true), std::nullopt);
}

}  // namespace
}  // namespace quon
