#pragma once
// The base of the dialog's pages: a child dialog of the form with its controls found by id. Each page
// fills its controls from the values read and collects them again for a save; its handlers reach the
// form's hint panel, the loading flag and the Apply button through `form`.
//
// The dialog's pages come in two kinds of pieces. Every page is a SettingsPage: the notebook switches
// between these child dialogs, and a page whose controls fit a template (general options, appearance,
// information, the ignored entries of the events page) keeps them there, next to the handlers that
// work on the whole form. Groups whose controls are made in code (the events page's sounds, the data
// page's statistics, period and plug-ins, the whole log page: owner-drawn strips and lines, a group that
// folds, lists built from the files) are PageParts (page_part.h) placed on their page's empty or partial
// template. A part reaches the dialog only through PageHost, so a test puts it in a window of its own
// with a recording host, where a page needs the whole form.
#include "config/settings/settings_values.h"
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
