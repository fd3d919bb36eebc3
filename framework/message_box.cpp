#include "framework/message_box.h"

#include <windows.h>

#include "framework/application.h"
#include "framework/text.h"

namespace fw {

int ShowBox(const std::string& text, unsigned flags, const std::string& caption) {
    return MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), flags | MB_TOPMOST);
}

void ShowMessage(const std::string& text) { ShowBox(text, MB_OK, Application::Title()); }

void Beep100() { Beep(100, 100); }

}  // namespace fw
