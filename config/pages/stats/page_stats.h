#pragma once
// Page 7 (tab_stats): the statistics table, a page without controls.
#include "config/pages/stats/page_stats_ids.h"
#include "config/pages/common/settings_page.h"

namespace quon::config {

class PageStats : public SettingsPage {
public:
    using SettingsPage::SettingsPage;
    void Fill(const SettingsValues&) override {}
    void Collect(SettingsValues&) const override {}
};

}  // namespace quon::config
