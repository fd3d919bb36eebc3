#pragma once
// Whole folder trees: removing one with everything in it, copying one.
#include <string>

namespace quon::test {

// Removes folder (no trailing backslash needed) with its files and subfolders, read-only ones too;
// what cannot be removed (a module still loaded, say) stays.
void RemoveTree(const std::wstring& folder);
// Copies from into to (made when missing), subfolders included; false when anything was not copied.
bool CopyTree(const std::wstring& from, const std::wstring& to);

}  // namespace quon::test
