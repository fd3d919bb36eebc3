#pragma once
// Answers the message boxes of this process from a thread of its own while it lives, so that an
// in-process test can run code that shows a modal box. Texts() lists what was answered.
#include <windows.h>

#include <string>
#include <vector>

namespace quon::test {

class BoxAnswerer {
public:
    explicit BoxAnswerer(int buttonId = IDOK);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    std::vector<std::string> Texts() const;

private:
    struct Shared;
    Shared* shared_;
    HANDLE thread_;
};

}  // namespace quon::test
