#pragma once
// Page 5 (tab_info): the version labels, the help and the links.
#include "config/pages/info/page_info_ids.h"
#include "config/pages/common/settings_page.h"

namespace quon::config {

class PageInfo : public SettingsPage {
public:
    using SettingsPage::SettingsPage;
    void Fill(const SettingsValues&) override {}
    void Collect(SettingsValues&) const override {}

private:
    void OnInitDialog() override;
};

}  // namespace quon::config
