#pragma once
// Message boxes as a test sees them: their text, caption and buttons, and pressing one.
// Texts are code page 1251 like the program's.
#include <windows.h>

#include <string>
#include <vector>

namespace quon::test {

struct MessageBoxInfo {
    HWND window = nullptr;
    std::string text;     // the static control 0xFFFF
    std::string caption;
    std::vector<int> buttons;  // ids of its visible buttons (IDOK, IDYES, ...)
};
MessageBoxInfo ReadMessageBox(HWND box);
// The message boxes (#32770) of a process that are shown and ready.
std::vector<MessageBoxInfo> MessageBoxesOf(DWORD pid);
// Posts the button's command, as a click on it does; false when the box has no such button.
bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId = IDOK);

}  // namespace quon::test
