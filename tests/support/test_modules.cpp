#include "tests/support/test_modules.h"

#include <windows.h>

#include "framework/text.h"

namespace quon::test {

std::wstring TestModulesFolder() {
    std::wstring exe(32768, L'\0');
    exe.resize(GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size())));
    return exe.substr(0, exe.find_last_of(L"\\/") + 1);
}

bool CopyTestModule(const std::string& module, const std::wstring& target) {
    return CopyFileW((TestModulesFolder() + fw::Widen(module)).c_str(), target.c_str(), FALSE) != FALSE;
}

}  // namespace quon::test
