// The WM_COPYDATA commands of other windows.
#include <windows.h>

#include "engine/copydata_commands.h"
#include "framework/text.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

struct CommandFailed {};

}  // namespace

void Tfrm_quonm::MoveByCommand(const std::string& text) {
    const MoveRequest move = ParseMove(text);
    RECT r{};
    GetWindowRect(Handle(), &r);
    if (!move.x) throw CommandFailed{};
    const int left = GetSystemMetrics(SM_CXSCREEN) - static_cast<int>(MoveDistance(*move.x));
    SetWindowPos(Handle(), nullptr, left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The sideways move stays done when y is not a number.
    if (!move.y) throw CommandFailed{};
    const int top = GetSystemMetrics(SM_CYSCREEN) - static_cast<int>(MoveDistance(*move.y));
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Tfrm_quonm::AnswerQuery(const std::string& text) {
    const Query query = ParseQuery(text);
    const std::string reply = QueryReply(query.name, {eng, texts.speed, texts.upload});
    SendCopyData(query.requester, query.replyCode, query.byClass, reply);
}

LRESULT Tfrm_quonm::WMCopyData(const COPYDATASTRUCT* data) {
    try {
        const std::string text = data ? BoundedCommandText(data->lpData, data->cbData) : std::string();
        const int32_t code = data ? static_cast<int32_t>(data->dwData) : -1;
        switch (code) {
            case cdReloadSettings:
                LoadSettings();
                DrawSkin(false);
                break;
            case cdMoveWindow:
                MoveByCommand(text);
                break;
            case cdSetOpacity:
                // A text that is not a number changes nothing, silently.
                if (auto value = ParseOpacity(text)) {
                    opacity = static_cast<int>(*value);
                    DrawSkin(false);
                }
                break;
            case cdHangUp:
                if (text == kHangUpText) sub_hangupClick();
                break;
            case cdReboot:
                if (text == kRebootText) sub_restartClick();
                break;
            case cdShowWindow:
                if (auto show = ParseShowWord(text)) *show ? sub_showClick() : sub_hideClick();
                break;
            case cdShowTrayIcon:
                if (auto show = ParseShowWord(text)) SetTrayIconVisible(*show);
                break;
            case cdQuery:
                AnswerQuery(text);
                break;
            default:
                break;
        }
    } catch (...) {
        Beep(100, 200);
    }
    return 0;
}

}  // namespace quon
