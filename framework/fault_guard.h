#pragma once
// Runs a call into foreign code (a plug-in, the settings library) so that a hardware fault inside it
// (access violation, illegal instruction, division by zero, ...) returns here instead of ending the
// process. A vectored exception handler is installed only for the duration of the call. C++ exceptions
// of our own never cross the call: the callable must not throw (it is foreign code behind a C ABI).
#include <functional>

namespace fw {

struct FaultResult {
    bool faulted = false;
    unsigned long code = 0;  // the exception code when faulted
};

FaultResult RunGuarded(const std::function<void()>& call);

}  // namespace fw
