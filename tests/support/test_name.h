#pragma once
// The name of the running GoogleTest test, for the files and folders a test makes of its own.
#include <string>

namespace quon::test {

// "Suite.Test" of the running test, usable as a file name ("no-test" outside a test).
std::string CurrentTestName();

}  // namespace quon::test
