#include "config/page_log.h"

#include "config/settings_dialog.h"

namespace quon::config {

void PageLog::OnInitDialog() {
    for (const char* item : {"x1", "x2", "x5", "x10", "x20", "x50", "x100"}) AddItem(IDC_LST_INTERVAL, item);
    SetIndex(IDC_LST_INTERVAL, 3);  // playback speed x10
}

void PageLog::Fill(const SettingsValues& v) {
    SetChecked(IDC_BOX_LOG_DATA, v.box_log_data);
    SetChecked(IDC_BOX_LOG_CLEAR, v.box_log_clear);
    SetChecked(IDC_BOX_LOG_TRAFFIC, v.box_log_traffic);
}

void PageLog::Collect(SettingsValues& v) const {
    v.box_log_data = Checked(IDC_BOX_LOG_DATA);
    v.box_log_clear = Checked(IDC_BOX_LOG_CLEAR);
    v.box_log_traffic = Checked(IDC_BOX_LOG_TRAFFIC);
}

}  // namespace quon::config
