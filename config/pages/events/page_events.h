#pragma once
// Page 2 (tab_events): sounds and limit actions, additional actions, the ignored dial-up entries.
#include "config/pages/events/events_part.h"
#include "config/dialog/form_page_host.h"
#include "config/pages/events/page_events_ids.h"
#include "config/pages/common/settings_page.h"

namespace quon::config {

class PageEvents : public SettingsPage {
public:
    using SettingsPage::SettingsPage;
    void Fill(const SettingsValues& values) override;
    void Collect(SettingsValues& values) const override;

    // Fills edt_entry with the dial-up phone-book entries; a failure leaves it empty.
    void FillRasEntries();

    // The sounds and limit actions (grp_month, grp_day, grp_on, grp_off, grp_test).
    EventsPart& Sounds() { return sounds_; }

    // The ignored dial-up entries (page_events_ignore.cpp).
    void btn_ignoreClick();
    void sub_removeClick();
    void mnu_ignorePopup(POINT at);

private:
    void OnInitDialog() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    void WireIgnoreListAndActions();
    FormPageHost host_{form};
    EventsPart sounds_{host_};
};

}  // namespace quon::config
