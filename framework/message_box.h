#pragma once
// The program's message boxes: no owner, empty caption unless given, always top-most.
#include <string>

namespace fw {

int ShowBox(const std::string& text, unsigned flags, const std::string& caption = "");
// A plain message: the application title as caption and an OK button.
void ShowMessage(const std::string& text);
void Beep100();  // the short 100 Hz beep that marks a failed write or a failed command

}  // namespace fw
