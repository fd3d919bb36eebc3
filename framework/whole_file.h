#pragma once
// A file read and replaced as a whole. Paths are in the system's code page, as the private-profile API
// takes them, so that both name the same file.
#include <optional>
#include <string>

namespace fw {

// The bytes of the file; "" for a file that does not exist, nullopt when it exists and cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Puts bytes in place of the file: written to a file beside it, flushed to the disk and moved over it, so
// that a process ended at any moment, or a power cut, leaves the old file or the new one. Where the file
// cannot be replaced (another program holds it open), it is written over in place, as the platform's
// writers do. False when neither could be done; the file is then as it was.
bool ReplaceWholeFile(const std::string& path, const std::string& bytes);

}  // namespace fw
