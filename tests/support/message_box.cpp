#include "tests/support/message_box.h"

#include <iterator>

#include "framework/text.h"
#include "tests/support/dialog_windows.h"

namespace quon::test {
namespace {

std::string WindowText(HWND w) {
    wchar_t buf[4096] = {};
    GetWindowTextW(w, buf, static_cast<int>(std::size(buf)));
    return fw::Narrow(buf);
}

}  // namespace

MessageBoxInfo ReadMessageBox(HWND box) {
    MessageBoxInfo info;
    info.window = box;
    if (HWND text = GetDlgItem(box, 0xFFFF)) info.text = WindowText(text);
    info.caption = WindowText(box);
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDCLOSE, IDHELP, IDTRYAGAIN, IDCONTINUE})
        // The box template holds buttons it does not use, hidden.
        if (HWND b = GetDlgItem(box, id); b && (GetWindowLongW(b, GWL_STYLE) & WS_VISIBLE))
            info.buttons.push_back(id);
    return info;
}

std::vector<MessageBoxInfo> MessageBoxesOf(DWORD pid) {
    std::vector<MessageBoxInfo> boxes;
    for (HWND w : ShownDialogsOf(pid)) boxes.push_back(ReadMessageBox(w));
    return boxes;
}

bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId) {
    HWND button = GetDlgItem(box.window, buttonId);
    return button && PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                                  reinterpret_cast<LPARAM>(button));
}

}  // namespace quon::test
