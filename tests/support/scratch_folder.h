#pragma once
// A folder of a test's own: emptied when made, removed with everything in it when the object goes.
// Paths are code page 1251 like the program's and end with a backslash.
#include <string>

namespace quon::test {

// The system's temporary folder, with its trailing backslash.
std::string TempFolder();

class ScratchFolder {
public:
    // %TEMP%\<prefix><Suite.Test>\ for the running test.
    explicit ScratchFolder(const std::string& prefix);
    // <parent><name>\ (parent with its trailing backslash).
    ScratchFolder(const std::string& parent, const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }
    std::wstring WFile(const std::string& name) const;

    // name is relative to the folder; its folders must exist.
    bool Write(const std::string& name, const std::string& text) const;
    bool MakeFolder(const std::string& name) const;

private:
    std::string path_;
};

}  // namespace quon::test
