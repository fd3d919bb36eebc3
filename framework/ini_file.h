#pragma once
// One INI file read value by value through the private-profile API and written either through it or, for
// what must survive a kill or a power cut, by replacing the file as a whole: nothing is cached, every write
// is on disk when it returns.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fw {

// Parses a whole decimal integer (optional sign, or "$"/"0x" hex) into 64 bits; nullopt for anything else.
std::optional<int64_t> ParseInteger(const std::string& text);

// The longest value the platform's writer keeps; from this length on it removes the key instead.
inline constexpr size_t kLongestPlatformValue = 32766;

class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    std::string ReadString(const char* section, const std::string& key, const std::string& def) const;
    // A missing key or a text that is not a whole number gives def.
    int64_t ReadInteger(const char* section, const std::string& key, int64_t def) const;
    bool KeyExists(const char* section, const std::string& key) const;

    // False when the platform reports the write as failed. A value too long for the platform's writer (which
    // would drop the key and report success) is written by replacing the file, as WriteKeys does.
    [[nodiscard]] bool WriteString(const char* section, const std::string& key, const std::string& value) const;
    // Sets these keys of one section in a single replacement of the whole file (framework/whole_file.h),
    // keeping every other line as it was: a process that ends at any moment leaves the file with all of
    // them or with none. Its cost grows with the file's size alone. False when the write failed.
    [[nodiscard]] bool WriteKeys(const char* section,
                                 const std::vector<std::pair<std::string, std::string>>& keys) const;

private:
    std::string path_;
};

}  // namespace fw
