#include "tests/support/scratch_folder.h"

#include <windows.h>

#include "framework/text.h"
#include "tests/support/folder_tree.h"
#include "tests/support/plain_file.h"
#include "tests/support/test_name.h"

namespace quon::test {
namespace {

std::wstring WithoutTrailingBackslash(const std::string& folder) {
    std::wstring w = fw::Widen(folder);
    if (!w.empty() && w.back() == L'\\') w.pop_back();
    return w;
}

}  // namespace

std::string TempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    return fw::Narrow(temp);
}

ScratchFolder::ScratchFolder(const std::string& prefix) : ScratchFolder(TempFolder(), prefix + CurrentTestName()) {}

ScratchFolder::ScratchFolder(const std::string& parent, const std::string& name) : path_(parent + name + "\\") {
    const std::wstring folder = WithoutTrailingBackslash(path_);
    RemoveTree(folder);  // left by an earlier run
    CreateDirectoryW(folder.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(WithoutTrailingBackslash(path_)); }

std::wstring ScratchFolder::WFile(const std::string& name) const { return fw::Widen(File(name)); }

bool ScratchFolder::Write(const std::string& name, const std::string& text) const {
    return WritePlainFile(WFile(name), text);
}

bool ScratchFolder::MakeFolder(const std::string& name) const {
    return CreateDirectoryW(WFile(name).c_str(), nullptr) != FALSE;
}

}  // namespace quon::test
