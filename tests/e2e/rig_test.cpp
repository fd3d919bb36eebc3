// The rig leaves nothing running: a program started some other way (a restart) is ended by its folder.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace {

TEST(Rig, EndsEveryProgramStillRunningFromItsFolder) {
    rig::TestFolder dir;
    rig::TestFolder other("-other");
    rig::Program mine(dir, L"/instance");  // neither depends on who holds the instance mutex
    rig::Program theirs(other, L"/instance");
    ASSERT_NE(mine.WaitForWindow(), nullptr);
    ASSERT_NE(theirs.WaitForWindow(), nullptr);
    rig::EndProcessesIn(dir.Path());
    EXPECT_TRUE(mine.WaitForExit(5000).has_value());
    EXPECT_TRUE(theirs.Running());
}

}  // namespace
