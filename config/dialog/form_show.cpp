// FormShow: what the dialog does as it appears, the reading of every setting into the controls among it.
#include <windows.h>

#include "config/pages/options/autostart_entry.h"
#include "config/settings/conversions.h"
#include "config/settings/read_settings.h"
#include "config/dialog/settings_dialog.h"
#include "framework/text.h"

namespace quon::config {

int DetectAutostart(const std::string& userLink, const std::string& commonLink) {
    return static_cast<int>(DetectedPlace(FindAutostart({fw::Widen(userLink), fw::Widen(commonLink)})));
}

void Tfrm_quons::ReadSettings() {
    const SettingsValues values = ReadProgramFolderSettings();
    fillingPages_ = true;
    try {
        tab_options.Fill(values);
        tab_interface.Fill(values);
        tab_events.Fill(values);
        tab_data.Fill(values);
        tab_log.Fill(values);
    } catch (...) {
        fillingPages_ = false;
        throw;
    }
    fillingPages_ = false;
    Enable(IDC_BTN_APPLY, false);
}

void Tfrm_quons::FormShow() {
    SetText(IDC_TXT_MODULE, std::string("ID:") + kModuleVersion);
    tab_info.SetText(IDC_TXT_VERSION_RIGHT, VersionLabel(mainVersion));

    tab_options.SetChecked(IDC_BOX_AUTOSTART, false);
    const int autostart = DetectAutostart(userStartupLink, commonStartupLink);
    isLoading = true;
    static const int kRadios[4] = {IDC_RAD_USER_LNK, IDC_RAD_MACHINE_LNK, IDC_RAD_USER_REG, IDC_RAD_MACHINE_REG};
    if (autostart > 0) tab_options.SetChecked(kRadios[autostart - 1], true);
    tab_options.SetChecked(IDC_BOX_AUTOSTART, autostart > 0);
    try {
        ReadSettings();
    } catch (...) {
        isLoading = false;
        throw;
    }
    isLoading = false;

    if (firstArgument() == "/instance") {
        for (int id : {IDC_RAD_USER_LNK, IDC_RAD_USER_REG, IDC_BOX_AUTOSTART, IDC_RAD_MACHINE_LNK, IDC_RAD_MACHINE_REG})
            tab_options.Enable(id, false);
    } else {
        try {
            tab_options.box_autostartClick();
        } catch (...) {
        }
    }
    tab_data.ShowLockTexts(StatisticsLock());
}

}  // namespace quon::config
