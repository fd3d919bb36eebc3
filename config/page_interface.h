#pragma once
// Page 1 (tab_interface): the theme, the tray icons, the animation and the window options.
#include <windows.h>

#include <array>
#include <string>

#include "config/page_interface_ids.h"
#include "config/settings_page.h"

namespace quon::config {

class PageInterface : public SettingsPage {
public:
    using SettingsPage::SettingsPage;
    ~PageInterface() override;
    void Fill(const SettingsValues& values) override;
    void Collect(SettingsValues& values) const override;

    // Refills box_variations from a theme ("Default" is the built-in one) and selects the first item.
    void ListThemeVariants(const std::string& file);
    // The opacity bar moved: the main window previews the new opacity.
    void bar_opacityChange();
    // Refills the list of the theme's shown data.
    void ListThemeElements(const std::string& file);

private:
    void OnInitDialog() override;
    // Shows the icon files in the preview pictures; false when one of them does not load.
    bool ShowIconFiles(const std::array<std::string, 7>& paths);
    void ShowBuiltInIcons();
    void SetPreview(int slot, HICON icon);
    void ReleaseIcons();

    std::array<HICON, 7> previews_{};  // the pictures img_o, img_0 .. img_5 show (owned)
};

}  // namespace quon::config
