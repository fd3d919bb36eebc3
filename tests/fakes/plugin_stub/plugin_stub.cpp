// A plug-in module for the tests: records its settings calls; QUON_STUB_PLUGIN "fault" faults inside.
#include "../common/stub_record.h"

STUB_DLLMAIN

extern "C" __declspec(dllexport) void _getSettings(int version, const char* caller) {
    stub::Record("settings|" + std::to_string(version) + "|" + (caller ? caller : "(null)"));
    if (stub::Mode("QUON_STUB_PLUGIN") == "fault") stub::Fault();
}
