// The one sender of WM_COPYDATA messages: replies to commands, the indicator's level and close, the
// plug-ins' clear request.
#include <windows.h>

#include "framework/text.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

// A target that does not take the message within this time is given up, so that a hung window
// cannot stop the counting.
constexpr UINT kSendTimeoutMs = 2000;

}  // namespace

void Tfrm_quonm::SendCopyData(const std::string& name, int code, bool byClass, const std::string& text) {
    if (name.empty()) return;
    const std::wstring wide = fw::Widen(name);
    HWND target = byClass ? FindWindowW(wide.c_str(), nullptr) : FindWindowW(nullptr, wide.c_str());
    if (!target) return;
    COPYDATASTRUCT cds{};
    cds.dwData = static_cast<ULONG_PTR>(static_cast<LONG_PTR>(code));
    cds.cbData = static_cast<DWORD>(text.size());
    cds.lpData = const_cast<char*>(text.c_str());
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(Handle()), reinterpret_cast<LPARAM>(&cds),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
}

}  // namespace quon
