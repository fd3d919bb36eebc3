#include "framework/fault_guard.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(FaultGuard, AccessViolationInsideTheCallReturnsAsAFault) {
    volatile int* nowhere = nullptr;
    FaultResult r = RunGuarded([&] { *nowhere = 1; });
    EXPECT_TRUE(r.faulted);
    EXPECT_EQ(r.code, static_cast<unsigned long>(EXCEPTION_ACCESS_VIOLATION));
    // The process goes on, and a later guarded call runs normally.
    int ran = 0;
    EXPECT_FALSE(RunGuarded([&] { ran = 1; }).faulted);
    EXPECT_EQ(ran, 1);
}

TEST(FaultGuard, NestedGuardsCatchTheirOwnFaults) {
    volatile int* nowhere = nullptr;
    bool innerFaulted = false;
    FaultResult outer = RunGuarded([&] {
        innerFaulted = RunGuarded([&] { *nowhere = 2; }).faulted;
    });
    EXPECT_TRUE(innerFaulted);
    EXPECT_FALSE(outer.faulted);
}

TEST(FaultGuard, NoHandlerStaysInstalledAfterTheCall) {
    RunGuarded([] {});
    // Outside any guard a C++ exception of our own passes the vectored handlers untouched.
    EXPECT_THROW(throw 42, int);
}

}  // namespace
}  // namespace fw
