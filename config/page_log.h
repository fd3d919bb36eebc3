#pragma once
// Page 4 (tab_log): the log options, the event-log viewer and the activity-log playback.
#include "config/page_log_ids.h"
#include "config/settings_page.h"

namespace quon::config {

class PageLog : public SettingsPage {
public:
    using SettingsPage::SettingsPage;
    void Fill(const SettingsValues& values) override;
    void Collect(SettingsValues& values) const override;

private:
    void OnInitDialog() override;
};

}  // namespace quon::config
