// The main window's own menu items: position lock, units, speed unit, tray hint, top-most state, version.
#include "engine/settings_file.h"
#include "framework/message_box.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

// Checks the chosen item of a group, stores its tag and reloads the settings.
void ChooseInGroup(Tfrm_quonm& form, std::initializer_list<fw::MenuItem*> group, fw::MenuItem& chosen,
                   const keys::Key& key) {
    for (fw::MenuItem* item : group) item->SetChecked(false);
    chosen.SetChecked(true);
    if (!fw::IniFile(SettingsPath()).WriteKeys(key.section, {{key.name, std::to_string(chosen.tag)}})) fw::Beep100();
    form.LoadSettings();
}

}  // namespace

void Tfrm_quonm::sub_lockClick() {
    sub_lock->SetChecked(!sub_lock->checked);
    const keys::Key& key = keys::kPositionLocked;
    if (!fw::IniFile(SettingsPath()).WriteKeys(key.section, {{key.name, sub_lock->checked ? "1" : "0"}})) fw::Beep100();
}

void Tfrm_quonm::OnUnitItem(fw::MenuItem& item) {
    ChooseInGroup(*this, {sub_db, sub_dkb, sub_dmb}, item, keys::kUnits);
}

void Tfrm_quonm::OnSpeedItem(fw::MenuItem& item) {
    ChooseInGroup(*this, {sub_sb, sub_skb, sub_smb, sub_sb8, sub_skb8, sub_smb8}, item, keys::kSpeedUnit);
}

void Tfrm_quonm::OnHintItem(fw::MenuItem& item) {
    ChooseInGroup(*this, {sub_3, sub_2, sub_1, sub_0}, item, keys::kTrayHint);
}

void Tfrm_quonm::RestoreTopMosts() {
    if (topMost) SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Tfrm_quonm::sub_versionClick() {
    fw::ShowBox(std::string("« ") + kProductName + " »\nглавный  модуль  программы", MB_ICONINFORMATION, kVersionText);
}

}  // namespace quon
