#pragma once
// Writing a file a test reads back: the bytes as given, the file replaced as a whole.
#include <string>

namespace quon::test {

// Creates or truncates path and writes bytes; false when the file could not be written whole.
bool WritePlainFile(const std::wstring& path, const std::string& bytes);

}  // namespace quon::test
