#include "config/pages/events/page_events.h"

#include "config/dialog/settings_dialog.h"
#include "engine/ras_entry_names.h"
#include "framework/library.h"

namespace quon::config {

void PageEvents::FillRasEntries() {
    try {
        std::vector<std::string> names;
        fw::Library ras("rasapi32");
        if (auto* enumEntries = ras.Proc<RasEnumEntriesFn>("RasEnumEntriesA")) names = ListRasEntryNames(enumEntries).names;
        SetItems(IDC_EDT_ENTRY, names);
        SetIndex(IDC_EDT_ENTRY, 0);
    } catch (...) {
    }
}

void PageEvents::OnInitDialog() {
    RECT area{2, 0, 433, 246};  // the whole page, in dialog units: the sounds part lies under the right column
    MapDialogRect(Handle(), &area);
    sounds_.Create(Handle(), area.left, area.top, area.right - area.left, area.bottom - area.top);
    WireIgnoreListAndActions();
    // The system's entries are what the list offers, whatever the settings hold: listed as the page is made.
    FillRasEntries();
}

void PageEvents::Fill(const SettingsValues& v) {
    SetChecked(IDC_BOX_SHUTDOWN, v.box_shutdown);
    SetChecked(IDC_BOX_BALOON, v.box_baloon);
    sounds_.Fill(v);
    SetItems(IDC_EDT_IGNORE, v.edt_ignore);
}

void PageEvents::Collect(SettingsValues& v) const {
    v.box_shutdown = Checked(IDC_BOX_SHUTDOWN);
    v.box_baloon = Checked(IDC_BOX_BALOON);
    sounds_.Collect(v);
    v.edt_ignore.clear();
    for (int i = 0; i < ItemCount(IDC_EDT_IGNORE); ++i) v.edt_ignore.push_back(ItemText(IDC_EDT_IGNORE, i));
}

}  // namespace quon::config
