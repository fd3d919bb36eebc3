#pragma once
// The modules the build puts beside the test programs (build\bin\): the RAS double, probe plug-ins,
// hosts and stand-ins that tests copy into a folder of their own.
#include <string>

namespace quon::test {

// The folder of the running test program, with its trailing backslash.
std::wstring TestModulesFolder();
// Copies the module of that folder named module to target (a full path), replacing what is there.
bool CopyTestModule(const std::string& module, const std::wstring& target);

}  // namespace quon::test
