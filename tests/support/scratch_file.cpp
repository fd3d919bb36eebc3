#include "tests/support/scratch_file.h"

#include <windows.h>

#include "framework/text.h"
#include "tests/support/plain_file.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/test_name.h"

namespace quon::test {

ScratchFile::ScratchFile(const std::string& prefix, const std::string& extension)
    : path_(TempFolder() + prefix + CurrentTestName() + extension) {
    Remove();
}

ScratchFile::~ScratchFile() { Remove(); }

std::wstring ScratchFile::WPath() const { return fw::Widen(path_); }

bool ScratchFile::Write(const std::string& text) const { return WritePlainFile(WPath(), text); }

void ScratchFile::Remove() const {
    DeleteFileW(WPath().c_str());
    RemoveDirectoryW(WPath().c_str());
}

}  // namespace quon::test
