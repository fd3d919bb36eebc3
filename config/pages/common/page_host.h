#pragma once
// What a settings page needs from the dialog that holds it: the hint panel, Apply and OK, the loading
// flag, the statistics lock, the caller's interface version and the dialog's message boxes.
#include <string>

namespace quon::config {

class PageHost {
public:
    virtual ~PageHost() = default;
    virtual void ShowHint(bool show, int kind, const std::string& text) = 0;
    virtual void EnableApply() = 0;
    // OK and Apply off while a statistics field holds an uncommitted value, on again after it.
    virtual void EnableOkApply(bool on) = 0;
    virtual bool Loading() const = 0;
    virtual int StatisticsLock() const = 0;
    virtual int MainVersion() const = 0;
    // A top-most message box without owner and with an empty caption; returns the button pressed.
    virtual int Box(const std::string& text, unsigned flags) = 0;
};

}  // namespace quon::config
