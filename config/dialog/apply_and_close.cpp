// Saving (Apply, Ctrl+S), OK (Ctrl+Enter) and Cancel (Esc), and the commands to the main window.
#include <windows.h>

#include "config/dialog/settings_dialog.h"
#include "config/settings/save_settings.h"
#include "engine/copydata_commands.h"
#include "engine/ini_file_store.h"
#include "engine/program_files.h"
#include "framework/program_folder.h"

namespace quon::config {

namespace {
constexpr const char* kSaveFailedText =
    "внимание! не удалось сохранить настройки программы.\n\n"
    "возможно, файл настроек защищён от записи или диск недоступен.\n"
    "изменения не применены; окно настроек остаётся открытым.";
constexpr const char* kPluginListNotSavedText =
    "внимание! не удалось сохранить список модулей расширения.\n\n"
    "возможно, файл «plugins.qif» защищён от записи или занят другой программой.\n"
    "остальные настройки сохранены, а изменения в списке модулей не записаны.";
}  // namespace

void SendCommandToMainWindow(HWND sender, int code, const std::string& message) {
    const std::string text = message;  // the sender's own copy for the length of the call
    COPYDATASTRUCT data{};
    data.dwData = static_cast<ULONG_PTR>(static_cast<LONG_PTR>(code));
    data.cbData = static_cast<DWORD>(text.size());
    data.lpData = const_cast<char*>(text.c_str());
    SendMessageA(FindWindowA(kMainWindowClass, nullptr), WM_COPYDATA, reinterpret_cast<WPARAM>(sender),
                 reinterpret_cast<LPARAM>(&data));
}

bool Tfrm_quons::SaveSettings() {
    opacityPreviewed = false;
    try {
        SettingsValues values;
        tab_options.Collect(values);
        tab_interface.Collect(values);
        tab_events.Collect(values);
        tab_data.Collect(values);
        tab_log.Collect(values);
        const std::string folder = fw::ProgramFolder();
        IniFileStore data(folder + kSettingsFile);
        IniFileStore plugins(folder + kPluginListFile);
        pluginListUnsaved_ = !SaveSettingsValues(values, StatisticsLock(), data, plugins).pluginListSaved;
        tab_data.CountersSaved();
        return true;
    } catch (...) {
        return false;
    }
}

void Tfrm_quons::btn_applyClick() {
    if (SaveSettings()) {
        // Cancel from now on puts back the opacity just saved, not the one read at opening.
        savedOpacityPosition = tab_interface.Position(IDC_BAR_OPACITY);
        Enable(IDC_BTN_APPLY, false);
        SendToMainWindow(cdReloadSettings, "0");
        lastSaveFailed_ = false;
        // Said after the reload: everything else took effect, only the choice of modules was lost.
        if (pluginListUnsaved_) showWarning(kPluginListNotSavedText);
    } else {
        lastSaveFailed_ = true;
        showWarning(kSaveFailedText);
    }
}

void Tfrm_quons::btn_okClick() {
    btn_applyClick();
    if (!lastSaveFailed_) btn_cancelClick();  // a failed save keeps what was typed on screen
}

void Tfrm_quons::btn_cancelClick() {
    if (opacityPreviewed) {
        tab_interface.SetPosition(IDC_BAR_OPACITY, savedOpacityPosition);
        tab_interface.bar_opacityChange();
    }
    try {
        EndModal();
    } catch (...) {
    }
}

}  // namespace quon::config
