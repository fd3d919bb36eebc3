#pragma once
// The body of the library's one entry, kept out of the DLL's own file so that tests can call it.
#include <windows.h>

namespace quon::config {

// The module that holds the dialog's templates and pictures: the library itself, or the test program.
void SetResourceModule(HINSTANCE module);
HINSTANCE ResourceModule();

// Opens the settings dialog modally on the page asked for; state is the caller's connection state
// text ("0" offline, "1" online; anything else, null included, locks the statistics). Always true.
bool CallSettings(int page, int version, const char* state);

}  // namespace quon::config
