#include "config/pages/log/page_log.h"

#include "config/dialog/settings_dialog.h"

namespace quon::config {

void PageLog::OnInitDialog() {
    RECT area;
    GetClientRect(Handle(), &area);
    logs_.Create(Handle(), 0, 0, area.right, area.bottom);
    // The balances in the viewer follow the limits of the statistics page.
    logs_.receivedLimitSet = [this] { return form.tab_data.Parts().statistics.Editor().raw[sfMonthLimit - 1] != "0"; };
    logs_.sentLimitSet = [this] { return form.tab_data.Parts().statistics.Editor().raw[sfUpLimit - 1] != "0"; };
}

bool PageLog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
    if (msg == WM_SHOWWINDOW && !wp) logs_.StopPlayback();  // another page was chosen
    return SettingsPage::HandleMessage(msg, wp, lp, result);
}

void PageLog::Fill(const SettingsValues& v) { logs_.Fill(v); }

void PageLog::Collect(SettingsValues& v) const { logs_.Collect(v); }

}  // namespace quon::config
