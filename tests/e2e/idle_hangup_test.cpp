// The idle hang-up of a quiet connection, counted again after a busy tick.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/meter_session.h"

namespace quon::e2e {
namespace {

TEST(IdleHangUp, AQuietMinuteHangsUpAndABusyTickStartsTheCountAgain) {
    MeterSession m(QuietSettings({{"events", "hangup=1\r\n"}}), rig::RasScript().Connected("Dial", 1000, 10));
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    auto hungUp = [&] { return !m.folder.RasCalls("RasHangUpA").empty(); };
    // Twenty quiet seconds count, then a few busy ticks (far above level 1) reset the count.
    ASSERT_FALSE(rig::WaitUntil(hungUp, 20000));
    m.folder.WriteRasScript(rig::RasScript().Connected("Dial", 2000, 10).Growing(50000, 100));
    ASSERT_FALSE(rig::WaitUntil(hungUp, 3000));
    m.folder.WriteRasScript(rig::RasScript().Connected("Dial", 5000000, 2000));
    const DWORD quietFrom = GetTickCount();
    ASSERT_TRUE(m.folder.WaitForRasCall("RasHangUpA", 80000));
    const DWORD quiet = GetTickCount() - quietFrom;
    // hangup × 60 s and one second more of level-0 ticks after the last busy one (the jump to the new
    // figures is that busy tick); without the reset it would come some 20 seconds earlier.
    EXPECT_GE(quiet, 59000u);
    EXPECT_LE(quiet, 66000u);
    EXPECT_TRUE(m.WaitCounted(false));
}

}  // namespace
}  // namespace quon::e2e
