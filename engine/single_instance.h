#pragma once
#include <windows.h>

#include <string>

namespace quon {

inline constexpr const char* kInstanceMutexName = "QGD_2_2_x";

// CreateMutexA(NULL, TRUE, name); null when the platform reports any error (in practice: it already exists).
// The handle is kept by the caller until the process ends.
HANDLE CreateSingleInstanceMutex(const char* name);

// The first argument exactly as given; only "/reboot" and "/instance" skip the single-instance test.
bool SkipsSingleInstanceTest(const std::string& firstArgument);

}  // namespace quon
