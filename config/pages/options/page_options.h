#pragma once
// Page 0 (tab_options): the general options, the autostart choice, the window's place and the levels.
#include <functional>

#include "config/pages/options/autostart_entry.h"
#include "config/pages/options/page_options_ids.h"
#include "config/pages/common/settings_page.h"

namespace quon::config {

class PageOptions : public SettingsPage {
public:
    explicit PageOptions(Tfrm_quons& owner);
    void Fill(const SettingsValues& values) override;
    void Collect(SettingsValues& values) const override;

    // Writes the autostart entry for the ticked box and the chosen place at once, and removes the
    // other places; the place choices and box_reinit follow the box.
    void box_autostartClick();
    void edt_xChange();
    void edt_eChange();
    void edt_aKeyDown(int editId, unsigned virtualKey);
    void img_languageClick();

    // The autostart entry on the system; tests that are not about it put something else here.
    std::function<AutostartResult(bool on, AutostartPlace chosen, const StartupLinks& links)> applyAutostart;

private:
    void OnInitDialog() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    void DrawItem(const DRAWITEMSTRUCT& item);
    StartupLinks Links() const;
    void box_disconnectClick();
    void edt_hideChange();
    void box_unitsChange();
};

}  // namespace quon::config
