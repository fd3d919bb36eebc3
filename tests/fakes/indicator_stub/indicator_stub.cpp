// The external indicator for the tests: a window of class Tfrm_quonx that records every WM_COPYDATA
// it gets and closes on code 11 "Close()"; _doExecute returns when the window is gone.
// QUON_STUB_INDICATOR "fault" faults inside the call instead.
#include "../common/stub_record.h"

STUB_DLLMAIN

namespace {

LRESULT CALLBACK IndicatorProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        std::string text(static_cast<const char*>(data->lpData), data->cbData);
        stub::Record("copydata|" + std::to_string(static_cast<long long>(data->dwData)) + "|" + text);
        if (data->dwData == 11 && text == "Close()") PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcW(window, msg, wp, lp);
}

}  // namespace

extern "C" __declspec(dllexport) void _doExecute(int version, int event) {
    stub::Record("execute|" + std::to_string(version) + "|" + std::to_string(event));
    if (stub::Mode("QUON_STUB_INDICATOR") == "fault") stub::Fault();
    stub::RunWindowUntilClosed(L"Tfrm_quonx", IndicatorProc);
    stub::Record("closed");
}
