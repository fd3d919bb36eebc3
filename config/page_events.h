#pragma once
// Page 2 (tab_events): sounds and limit actions, additional actions, the ignored dial-up entries.
#include "config/page_events_ids.h"
#include "config/settings_page.h"

namespace quon::config {

class PageEvents : public SettingsPage {
public:
    using SettingsPage::SettingsPage;
    void Fill(const SettingsValues& values) override;
    void Collect(SettingsValues& values) const override;

    // Fills edt_entry with the dial-up phone-book entries; a failure leaves it empty.
    void FillRasEntries();
};

}  // namespace quon::config
