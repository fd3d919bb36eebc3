#pragma once
#include <string>

namespace fw {

// The folder of the running program's executable, with its trailing backslash.
// Inside a DLL this is still the host program's folder.
const std::string& ProgramFolder();

// In-process tests of the main window point it at a folder of their own.
void OverrideProgramFolderForTests(std::string folder);

// Full path of the running executable, for starting it again.
std::wstring ProgramPathW();

}  // namespace fw
