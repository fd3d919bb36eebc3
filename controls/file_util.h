#pragma once
// File-system questions of the file-name edit; names are code page 1251 texts.
#include <string>
#include <string_view>

namespace controls {

bool DirectoryExistsTest(std::string_view path);
// The bare name of the file found at path (long or 8.3 form, the other as a fallback); "" when none.
std::string LongFileNameOf(std::string_view path);
std::string ShortFileNameOf(std::string_view path);
std::string FolderOf(std::string_view path);    // up to, without, the last backslash or slash
std::string FilePartOf(std::string_view path);  // after the last backslash, slash or drive colon

}  // namespace controls
