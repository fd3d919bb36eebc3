// Creation of the main window: everything from reading the first options to the first tick's delay.
#include <windows.h>

#include <ras.h>
#include <raserror.h>

#include <vector>

#include "engine/event_log_format.h"
#include "engine/item_list.h"
#include "engine/plugin_list.h"
#include "engine/program_files.h"
#include "engine/ras_entry_names.h"
#include "engine/settings_file.h"
#include "framework/application.h"
#include "framework/library.h"
#include "framework/message_box.h"
#include "framework/program_folder.h"
#include "framework/text.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

template <class F>
void Silently(F&& step) {
    try { step(); } catch (...) {}
}

bool LayeredWindowsAvailable() {
    fw::Library user32("user32");
    return user32.Proc<void()>("SetLayeredWindowAttributes") != nullptr;
}

}  // namespace

void Tfrm_quonm::FormCreate() {
    // 1. Top-most unless the user wants the meter on the desktop level.
    Silently([&] {
        fw::IniFile ini(SettingsPath());
        if (keys::Read(ini, keys::kNotOnTop) != 0) topMost = false;
    });
    if (topMost) SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    // 2. The window is drawn through the layered-window service.
    if (LayeredWindowsAvailable()) {
        LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED;
        if (topMost) ex |= WS_EX_TOOLWINDOW;
        SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex);
    } else {
        fw::ShowBox("программе требуется интегрированная в систему прозрачность\nт.е. операционная система "
                    "Windows 2000, Windows XP и выше…",
                    0);
        fw::Application::Terminate();
    }

    // 3. Without its settings the meter does not start measuring.
    if (LoadSettings()) {
        // 4.
        WriteEventLog(elStart, "Start");
        // 5.
        SetTrayIcon(TraySlot::Offline);
        SetTrayHint(kProductName);
        {
            // 6. One file object for the start-of-day steps.
            fw::IniFile ini(SettingsPath());
            // 7. Auto-restart mode: started by the autostart entry with re-initialisation on.
            if (firstArg_ == "/auto" && keys::Read(ini, keys::kAutoRestart) != 0) {
                tmr_get.SetEnabled(false);
                tmr_offset.SetEnabled(false);
                autoRestartMode = true;
                tmr_auto.SetEnabled(true);
                sub_show->enabled = false;
                sub_hide->enabled = false;
                sub_hangup->enabled = false;
                mnu_popup.autoPopup = false;
                doubleClickEnabled = false;
            }
            // 8.-12. Recovery, new day, new month, the stamp of this start.
            if (!autoRestartMode) RunStartOfDay(ini);
            // 13.
            if (keys::Read(ini, keys::kShowAtStart) != 0) sub_showClick();
        }  // 14.
        // 15. The counters the start-of-day steps wrote are now read back.
        LoadSettings();
        // 16.
        tmr_offset.SetEnabled(true);
    }
    // 17.-22.
    DrawSkin(true);
    fw::Application::HideWindow();
    RunPlugins(peStart);
    if (opt.pluginsOn) BuildPluginSettingsMenu();
    BuildDialUpMenu();
    sub_connect->visible = sub_connect->enabled;
    sub_separator_6->visible = sub_connect->visible;
}

void Tfrm_quonm::tmr_offsetTimer() {
    tmr_get.SetEnabled(true);
    tmr_offset.SetEnabled(false);
    tmr_getTimer();
}

void Tfrm_quonm::tmr_autoTimer() {
    // One attempt: a restart that fails leaves the program running as it is.
    tmr_auto.SetEnabled(false);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
    sub_restartClick();
}

void Tfrm_quonm::BuildPluginSettingsMenu() {
    Silently([&] {
        fw::IniFile list(fw::ProgramFolder() + kPluginListFile);
        for (int64_t i = 1; ListHasEntry(list, keys::kPluginListSection, i); ++i) {
            const std::string key = ItemKey(i);
            fw::MenuItem* item = sub_plugins->Add("", list.ReadString(keys::kPluginListSection, key, ""));
            item->data = item->caption;
            const std::string section = list.ReadString(keys::kPluginListSection, key, keys::kItemMissing);
            item->imageIndex = list.ReadInteger(section.c_str(), keys::kPluginEnabled, 1) != 0 ? fw::kCheckImage
                                                                                      : fw::kUncheckImage;
            item->onClick = [this](fw::MenuItem& clicked) { sub_pluginsClick(clicked); };
            sub_plugins->visible = true;
            sub_separator_4->visible = true;
        }
    });
}

void Tfrm_quonm::BuildDialUpMenu() {
    try {
        fw::Library ras("rasapi32");
        auto enumEntries = ras.Proc<RasEnumEntriesFn>("RasEnumEntriesA");
        auto errorString = ras.Proc<decltype(RasGetErrorStringA)>("RasGetErrorStringA");
        if (!enumEntries) throw std::runtime_error("no RasEnumEntriesA");

        const RasEntryNames list = ListRasEntryNames(enumEntries);
        if (list.result != 0 && list.secondCall) {
            char text[256] = {};
            if (errorString) errorString(list.result, text, sizeof text);
            text[sizeof text - 1] = '\0';
            fw::ShowMessage(text);
        }
        for (const std::string& entry : list.names) {
            fw::MenuItem* item = sub_connect->Add("", entry,
                                                  [this](fw::MenuItem& clicked) { sub_connectClick(clicked); });
            item->data = entry;
        }
        sub_connect->enabled = !list.names.empty();
    } catch (...) {
        sub_connect->enabled = false;
    }
}

}  // namespace quon
