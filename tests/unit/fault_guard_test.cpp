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

// Bytes in use on the process heap, where the system keeps the list of vectored exception handlers.
long long ProcessHeapBytes() {
    long long total = 0;
    HANDLE heap = GetProcessHeap();
    PROCESS_HEAP_ENTRY e{};
    HeapLock(heap);
    while (HeapWalk(heap, &e))
        if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += e.cbData;
    HeapUnlock(heap);
    return total;
}

TEST(FaultGuard, NoHandlerStaysInstalledAfterTheCall) {
    // The meter guards every call into a plug-in, several per tick: a handler left installed by each
    // call is an entry more on the process heap and one more call on every exception of the process.
    RunGuarded([] {});
    const long long before = ProcessHeapBytes();
    for (int i = 0; i < 5000; ++i) RunGuarded([] {});
    EXPECT_LT(ProcessHeapBytes() - before, 16 * 1024) << "5000 guarded calls kept heap blocks";
    // Outside any guard a C++ exception of our own passes the vectored handlers untouched.
    EXPECT_THROW(throw 42, int);
}

}  // namespace
}  // namespace fw
