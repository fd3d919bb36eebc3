#include "config/page_events.h"

#include "config/settings_dialog.h"
#include "engine/ras_entry_names.h"
#include "framework/library.h"

namespace quon::config {

void PageEvents::OnInitDialog() { WireIgnoreListAndActions(); }

void PageEvents::FillRasEntries() {
    try {
        ClearItems(IDC_EDT_ENTRY);
        fw::Library ras("rasapi32");
        if (auto* enumEntries = ras.Proc<RasEnumEntriesFn>("RasEnumEntriesA")) {
            for (const std::string& name : ListRasEntryNames(enumEntries).names) AddItem(IDC_EDT_ENTRY, name);
        }
        SetIndex(IDC_EDT_ENTRY, 0);
    } catch (...) {
    }
}

void PageEvents::Fill(const SettingsValues& v) {
    SetChecked(IDC_BOX_SHUTDOWN, v.box_shutdown);
    SetChecked(IDC_BOX_BALOON, v.box_baloon);
    SetChecked(IDC_BOX_HANGUP_M, v.box_hangup_m);
    SetChecked(IDC_BOX_BEEP_M, v.box_beep_m);
    SetChecked(IDC_BOX_WAV_M, v.box_wav_m);
    SetText(IDC_EDT_WAV_M, v.edt_wav_m);
    SetChecked(IDC_BOX_HANGUP_D, v.box_hangup_d);
    SetChecked(IDC_BOX_BEEP_D, v.box_beep_d);
    SetChecked(IDC_BOX_WAV_D, v.box_wav_d);
    SetText(IDC_EDT_WAV_D, v.edt_wav_d);
    SetChecked(IDC_BOX_WAV_O, v.box_wav_o);
    SetText(IDC_EDT_WAV_O, v.edt_wav_o);
    SetChecked(IDC_BOX_WAV_X, v.box_wav_x);
    SetText(IDC_EDT_WAV_X, v.edt_wav_x);
    FillRasEntries();
    ClearItems(IDC_EDT_IGNORE);
    for (const std::string& entry : v.edt_ignore) AddItem(IDC_EDT_IGNORE, entry);
}

void PageEvents::Collect(SettingsValues& v) const {
    v.box_shutdown = Checked(IDC_BOX_SHUTDOWN);
    v.box_baloon = Checked(IDC_BOX_BALOON);
    v.box_hangup_m = Checked(IDC_BOX_HANGUP_M);
    v.box_beep_m = Checked(IDC_BOX_BEEP_M);
    v.box_wav_m = Checked(IDC_BOX_WAV_M);
    v.edt_wav_m = Text(IDC_EDT_WAV_M);
    v.box_hangup_d = Checked(IDC_BOX_HANGUP_D);
    v.box_beep_d = Checked(IDC_BOX_BEEP_D);
    v.box_wav_d = Checked(IDC_BOX_WAV_D);
    v.edt_wav_d = Text(IDC_EDT_WAV_D);
    v.box_wav_o = Checked(IDC_BOX_WAV_O);
    v.edt_wav_o = Text(IDC_EDT_WAV_O);
    v.box_wav_x = Checked(IDC_BOX_WAV_X);
    v.edt_wav_x = Text(IDC_EDT_WAV_X);
    v.edt_ignore.clear();
    for (int i = 0; i < ItemCount(IDC_EDT_IGNORE); ++i) v.edt_ignore.push_back(ItemText(IDC_EDT_IGNORE, i));
}

}  // namespace quon::config
