// Reading every option of data.qif into the main window and applying it.
#include "engine/display_figures.h"
#include "engine/program_files.h"
#include "engine/settings_file.h"
#include "engine/value_forms.h"
#include "framework/application.h"
#include "framework/message_box.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

void CheckExactly(std::initializer_list<fw::MenuItem*> group, int64_t value) {
    for (fw::MenuItem* item : group) item->SetChecked(item->tag == value);
}

}  // namespace

void Tfrm_quonm::PlaceWindowFromOptions() {
    int left = GetSystemMetrics(SM_CXSCREEN) - static_cast<int>(opt.viewX);
    int top = GetSystemMetrics(SM_CYSCREEN) - static_cast<int>(opt.viewY);
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Tfrm_quonm::LoadSettings() {
    bool ok = true;
    try {
        fw::IniFile ini(SettingsPath());
        ReadOptions(ini, opt);
    } catch (...) {
        ok = false;
    }
    // What was read is applied, also after a failure: the values before the failing one are new.
    PlaceWindowFromOptions();
    opacity = static_cast<int>(opt.opacity);
    sub_lock->SetChecked(opt.positionLocked);
    CheckExactly({sub_db, sub_dkb, sub_dmb}, opt.units);
    CheckExactly({sub_sb, sub_skb, sub_smb, sub_sb8, sub_skb8, sub_smb8}, opt.speedUnit);
    if (!ok) {
        fw::ShowBox("внимание! произошла критическая ошибка\nво время загрузки и обработки параметров\n\n"
                    "чтобы эта ошибка не повторялась вновь,\nпроизведите полную настройку программы\n"
                    "и перезагрузите её...",
                    MB_ICONERROR);
        return false;
    }
    CheckExactly({sub_0, sub_1, sub_2, sub_3}, opt.hintMode);
    tmr_get.SetInterval(opt.tickIntervalMs);
    tmr_protect.SetInterval(opt.protectIntervalMs);
    if (!opt.protectionOn) tmr_protect.SetEnabled(false);

    if (!LoadSkin(opt.skinFile, opt.skinVariation, true) && !LoadSkin(kBuiltInName, 0, true)) {
        fw::Application::Terminate();
        return false;
    }
    SetTrayIconVisible(!opt.trayHidden);
    if (!LoadTrayIcons(opt.iconSetName, true) && !LoadTrayIcons(kBuiltInName, true)) {
        fw::Application::Terminate();
        return false;
    }
    SetTrayIcon(TraySlot::Offline);
    if (eng.countedOnline && opt.animationOn && !opt.fullStopOn) SetTrayIcon(TraySlot::Level0);
    // Until the start-up delay lets the tick measure, the window shows the stored counters.
    if (!eng.pollingStarted) ComputeOfflineFigures(eng, opt, LocaleDecimalSeparator(), texts);
    return true;
}

}  // namespace quon
