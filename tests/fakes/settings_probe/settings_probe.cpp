// A stand-in for the settings library for the tests: records each opening; QUON_STUB_CONFIG "modal" keeps a window open
// until it is closed, "fault" faults inside the call.
#include "../common/stub_record.h"

STUB_DLLMAIN

extern "C" __declspec(dllexport) bool _callSettings(int page, int version, const char* state) {
    stub::Record(std::to_string(page) + "|" + std::to_string(version) + "|" + (state ? state : "(null)"));
    const std::string mode = stub::Mode("QUON_STUB_CONFIG");
    if (mode == "fault") stub::Fault();
    if (mode == "modal") stub::RunWindowUntilClosed(L"TStubSettings", DefWindowProcW);
    return true;
}
