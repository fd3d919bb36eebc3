#pragma once
// Page 4 (tab_log): the log options, the event-log viewer and the activity-log playback.
#include "config/dialog/form_page_host.h"
#include "config/pages/log/log_part.h"
#include "config/pages/log/page_log_ids.h"
#include "config/pages/common/settings_page.h"

namespace quon::config {

class PageLog : public SettingsPage {
public:
    using SettingsPage::SettingsPage;
    void Fill(const SettingsValues& values) override;
    void Collect(SettingsValues& values) const override;

    LogPart& Logs() { return logs_; }

private:
    void OnInitDialog() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    FormPageHost host_{form};
    LogPart logs_{host_};
};

}  // namespace quon::config
