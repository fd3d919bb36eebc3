#include "engine/single_instance.h"

namespace quon {

HANDLE CreateSingleInstanceMutex(const char* name) {
    SetLastError(ERROR_SUCCESS);
    HANDLE h = CreateMutexA(nullptr, TRUE, name);
    if (GetLastError() != ERROR_SUCCESS) return nullptr;  // a handle to an existing mutex stays open
    return h;
}

bool SkipsSingleInstanceTest(const std::string& firstArgument) {
    return firstArgument == "/reboot" || firstArgument == "/instance";
}

}  // namespace quon
