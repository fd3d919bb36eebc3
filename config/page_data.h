#pragma once
// Page 3 (tab_data): the statistics with their lock, the accounting period, the plug-in list.
#include <array>
#include <string>
#include <vector>

#include "config/page_data_ids.h"
#include "config/settings_page.h"

namespace quon::config {

// The statistics fields in the order they are written (their Hints hold the raw byte texts).
inline constexpr int kCounterEdits[kCounterFields] = {IDC_EDT_DATA_MONTHLIM, IDC_EDT_DATA_DAYLIM, IDC_EDT_DATA_BACKUP,
                                                      IDC_EDT_DATA_MONTH,    IDC_EDT_DATA_DAY,    IDC_EDT_DATA_UPLIM,
                                                      IDC_EDT_DATA_UP};

class PageData : public SettingsPage {
public:
    using SettingsPage::SettingsPage;
    void Fill(const SettingsValues& values) override;
    void Collect(SettingsValues& values) const override;

    // The statistics refresh: the counters in the chosen unit.
    void lst_unitsChange();
    // The lock texts of the statistics group for the lock (visible when it is not 0).
    void ShowLockTexts(int lock);
    // After a save the counters as written become those the next save compares with.
    void CountersSaved();

    // The plug-in rows: row i of edt_plugins and line i of the hidden lists describe one module.
    void SetPluginRows(const std::vector<PluginRow>& rows);
    const std::vector<PluginRow>& PluginRows() const { return rows_; }

private:
    void OnInitDialog() override;
    std::vector<PluginRow> rows_;  // buf_enabled, buf_event, buf_class, buf_desc, buf_author, buf_mail, buf_web
    std::array<std::string, kCounterFields> countersAtOpening_;
};

}  // namespace quon::config
