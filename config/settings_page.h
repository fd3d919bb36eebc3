#pragma once
// The base of the dialog's pages: a child dialog of the form with its controls found by id. Each page
// fills its controls from the values read and collects them again for a save; its handlers reach the
// form's hint panel, the loading flag and the Apply button through `form`.
#include "config/settings_values.h"
#include "framework/dialog.h"

namespace quon::config {

class Tfrm_quons;

class SettingsPage : public fw::Dialog {
public:
    explicit SettingsPage(Tfrm_quons& owner) : form(owner) {}
    virtual void Fill(const SettingsValues& values) = 0;
    virtual void Collect(SettingsValues& values) const = 0;

protected:
    Tfrm_quons& form;
    void OnHandlerFault() override;
};

}  // namespace quon::config
