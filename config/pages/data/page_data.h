#pragma once
// Page 3 (tab_data): the statistics with their lock, the accounting period, the plug-in list.
#include <array>
#include <string>

#include "config/pages/data/data_parts.h"
#include "config/dialog/form_page_host.h"
#include "config/pages/data/page_data_ids.h"
#include "config/pages/common/settings_page.h"

namespace quon::config {

class PageData : public SettingsPage {
public:
    using SettingsPage::SettingsPage;
    void Fill(const SettingsValues& values) override;
    void Collect(SettingsValues& values) const override;

    // The statistics refresh: the counters in the chosen unit.
    void lst_unitsChange() { parts_.statistics.Refresh(); }
    // The lock texts of the statistics group for the lock (visible when it is not 0).
    void ShowLockTexts(int lock) { parts_.statistics.ShowLockTexts(lock); }
    // After a save the counters as written become those the next save compares with.
    void CountersSaved();

    DataParts& Parts() { return parts_; }
    const DataParts& Parts() const { return parts_; }

private:
    void OnInitDialog() override;
    FormPageHost host_{form};
    DataParts parts_{host_};
    std::array<std::string, kCounterFields> countersAtOpening_;
};

}  // namespace quon::config
