#pragma once
// The window classes of the file-name and date fields, registered for one opening of the dialog and
// released before the entry returns (the library is freed after every call).
#include <windows.h>

namespace quon::config {

class ExtendedEdits {
public:
    explicit ExtendedEdits(HINSTANCE module);
    ~ExtendedEdits();
    ExtendedEdits(const ExtendedEdits&) = delete;
    ExtendedEdits& operator=(const ExtendedEdits&) = delete;
};

}  // namespace quon::config
