#pragma once
// Page 0 (tab_options): the general options, the autostart choice, the window's place and the levels.
#include "config/page_options_ids.h"
#include "config/settings_page.h"

namespace quon::config {

class PageOptions : public SettingsPage {
public:
    using SettingsPage::SettingsPage;
    void Fill(const SettingsValues& values) override;
    void Collect(SettingsValues& values) const override;

    // The autostart box: the place choices and box_reinit follow it.
    void box_autostartClick();

private:
    void OnInitDialog() override;
};

}  // namespace quon::config
