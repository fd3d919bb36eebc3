#pragma once
// What the general options explain in the hint panel after a change: the kind (colour and blinking of
// the panel) and the text. An empty text clears the panel.
namespace quon::config {

struct OptionHint {
    int kind = 0;
    const char* text = "";
};

OptionHint ReinitHint(bool ticked, bool onTop);  // ticked without "on top" also unticks the box again
OptionHint ProtectionHint(bool ticked);
OptionHint IntervalHint(int itemIndex);
OptionHint IdleHangUpHint(bool ticked);
OptionHint MethodHint(int itemIndex);  // kind -1: the hint stays as it is
OptionHint FadeHint(int itemIndex);
OptionHint OnTopHint(bool ticked);
OptionHint HoverHint(bool ticked);
OptionHint HangUpButtonHint(bool ticked);
OptionHint ShutdownHint(bool ticked);
OptionHint LanguageHint(bool english);
OptionHint AutostartFailedHint(bool runFailed, bool linkFailed);

}  // namespace quon::config
