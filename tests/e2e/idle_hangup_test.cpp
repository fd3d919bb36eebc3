// The idle hang-up of a quiet connection, counted again after a busy tick.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/meter_session.h"

namespace quon::e2e {
namespace {

TEST(IdleHangUp, AQuietMinuteAfterTheLastBusyTickHangsUp) {
    // Busy first (every tick far above level 1), then quiet.
    MeterSession m(QuietSettings({{"events", "hangup=1\r\n"}}),
                   rig::RasScript().Connected("Dial", 1000, 10).Growing(50000, 100));
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    // Busy ticks keep the count at 0 for a while.
    ASSERT_FALSE(rig::WaitUntil([&] { return !m.folder.RasCalls("RasHangUpA").empty(); }, 8000));
    m.folder.WriteRasScript(rig::RasScript().Connected("Dial", 5000000, 2000));
    const DWORD quietFrom = GetTickCount();
    ASSERT_TRUE(m.folder.WaitForRasCall("RasHangUpA", 80000));
    const DWORD quiet = GetTickCount() - quietFrom;
    // hangup × 60 s and one second more of level-0 ticks; the first quiet tick may come a second late.
    EXPECT_GE(quiet, 59000u);
    EXPECT_LE(quiet, 66000u);
    EXPECT_TRUE(m.WaitCounted(false));
}

}  // namespace
}  // namespace quon::e2e
