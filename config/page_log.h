#pragma once
// Page 4 (tab_log): the log options, the event-log viewer and the activity-log playback.
#include "config/form_page_host.h"
#include "config/logs_page.h"
#include "config/page_log_ids.h"
#include "config/settings_page.h"

namespace quon::config {

class PageLog : public SettingsPage {
public:
    using SettingsPage::SettingsPage;
    void Fill(const SettingsValues& values) override;
    void Collect(SettingsValues& values) const override;

    LogsPage& Logs() { return logs_; }

private:
    void OnInitDialog() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    FormPageHost host_{form};
    LogsPage logs_{host_};
};

}  // namespace quon::config
