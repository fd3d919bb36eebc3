#pragma once
// A file of the running test in the temporary folder, %TEMP%\<prefix><Suite.Test><extension>: neither a
// file nor an empty folder of that name is there when it is made or after it goes. The path is code page
// 1251 like the program's.
#include <string>

namespace quon::test {

class ScratchFile {
public:
    ScratchFile(const std::string& prefix, const std::string& extension);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& Path() const { return path_; }
    std::wstring WPath() const;
    bool Write(const std::string& text) const;  // the whole file, the bytes as given

private:
    void Remove() const;
    std::string path_;
};

}  // namespace quon::test
