#include "engine/event_log_format.h"

#include <gtest/gtest.h>

#include "engine/protect_copy.h"

namespace quon {
namespace {

TEST(EventLogFormat, KeyHasFixedPositions) {
    SYSTEMTIME t{};
    t.wYear = 2026; t.wMonth = 3; t.wDay = 7; t.wHour = 9; t.wMinute = 5; t.wSecond = 4;
    EXPECT_EQ(EventLogKey(t, ":", 3), "07.03.26|09:05:04|3");
    EXPECT_EQ(EventLogKey(t, ":", 3).size(), 19u);
    t.wYear = 2009; t.wHour = 23;
    EXPECT_EQ(EventLogKey(t, ".", 0), "07.03.09|23.05.04|0");
}

TEST(EventLogFormat, ConnectionFigures) {
    EXPECT_EQ(ReceivedEventValue(1000, 5000, 70000, 100000, "Dial", ','), "1000:6000:71000:29000:Dial");
    EXPECT_EQ(SentEventValue(200, 3000, 0, ','), "200:3200:-3200");
    EXPECT_EQ(ReceivedEventValue(0.5, 0, 0, 0, "[reset]", ','), "0,5:0,5:0,5:-0,5:[reset]");
    EXPECT_EQ(ReceivedEventValue(4294967296.0 + 16777217, 0, 0, 0, "x", ','),
              "4311744513:4311744513:4311744513:-4311744513:x");
}

TEST(ProtectCopy, CountsAreUnsignedDecimals) {
    EXPECT_EQ(ProtectCountText(0), "0");
    EXPECT_EQ(ProtectCountText(1234.9), "1234");
    EXPECT_EQ(ProtectCountText(2147483648.0), "2147483648");
    EXPECT_EQ(ProtectCountText(4294967296.0 * 3 + 7), "12884901895");
    EXPECT_EQ(ProtectCountText(-5), "0");
}

}  // namespace
}  // namespace quon
