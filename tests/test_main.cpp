// The tests' main: runs the tests, then ends the process at once. The windows, timers and libraries the
// tests left behind are not taken down one by one at exit: under load, Wine's exit of a process with
// windows stalled now and then after every test had passed, until the time limit failed the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    // Unbuffered, so that a test process that dies still shows how far it got.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
