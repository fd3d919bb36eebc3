#pragma once
// Page 1 (tab_interface): the theme, the tray icons, the animation and the window options.
#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "config/pages/interface/file_choice.h"
#include "config/pages/interface/page_interface_ids.h"
#include "config/pages/common/settings_page.h"

namespace quon::config {

class PageInterface : public SettingsPage {
public:
    explicit PageInterface(Tfrm_quons& owner);
    ~PageInterface() override;
    void Fill(const SettingsValues& values) override;
    void Collect(SettingsValues& values) const override;

    // Refills box_variations from a theme ("Default" is the built-in one) and selects the first item.
    void ListThemeVariants(const std::string& file);
    // Refills the list of the theme's shown data.
    void ListThemeElements(const std::string& file);
    // Checks a theme file, asking about a newer generation or version; shows its description and lists
    // its variants and elements when accepted.
    bool LoadSkinInfo(const std::string& file);
    // The opacity bar moved: the main window previews the new opacity.
    void bar_opacityChange();
    void rad_defaultClick();
    void rad_customClick();
    // The file dialog of the theme field closed; action: the user chose `name`.
    void edt_skinAfterDialog(const std::string& name, bool action);
    void OpenLink(int panelId);
    void btn_loadClick(int slot);
    void btn_resetClick();
    void box_loadClick();
    void btn_saveClick();

    // The open and save dialogs; tests answer them instead of a user.
    std::function<std::optional<std::string>(const FileChoice&)> chooseFile;

private:
    void OnInitDialog() override;
    void LoadBuiltInIcons();
    void ShowBuiltInIcons();
    void SetPreview(int slot, HICON icon);
    void ReleaseIcons();
    void ShowPanels(const struct ThemePanels& panels);
    void RadioChanged();

    std::array<HICON, 7> previews_{};  // pictures loaded from files that img_o, img_0 .. img_5 show (owned)
    std::array<HICON, 4> builtIn_{};   // the built-in offline, idle, online and maximum pictures (owned)
    bool defaultSelected_ = false;     // which theme radio button was selected when last looked at
    std::optional<std::string> elementsListedFrom_;  // the theme lst_visibility was last listed from
};

}  // namespace quon::config
