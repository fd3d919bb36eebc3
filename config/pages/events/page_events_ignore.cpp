// Page 2's ignored dial-up entries with their popup menu, and the additional actions.
#include <windows.h>

#include "config/pages/common/general_hints.h"
#include "config/pages/common/option_change.h"
#include "config/pages/events/page_events.h"
#include "config/dialog/settings_dialog.h"
#include "framework/text.h"

namespace quon::config {
namespace {

constexpr UINT kMenuRemove = 1, kMenuAdd = 2;

}  // namespace

void PageEvents::WireIgnoreListAndActions() {
    OnCommand(IDC_BTN_IGNORE, BN_CLICKED, [this] { btn_ignoreClick(); });
    OnCommand(IDC_BUTTON1, BN_CLICKED, [this] { sub_removeClick(); });
    OnCommand(IDC_BOX_SHUTDOWN, BN_CLICKED, [this] { OptionChanged(form, ShutdownHint(Checked(IDC_BOX_SHUTDOWN))); });
    OnCommand(IDC_BOX_BALOON, BN_CLICKED, [this] { OptionChanged(form); });
}

bool PageEvents::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
    if (msg == WM_CONTEXTMENU) {
        const HWND from = reinterpret_cast<HWND>(wp);
        if (from == Item(IDC_EDT_IGNORE) || from == Item(IDC_EDT_ENTRY) || GetParent(from) == Item(IDC_EDT_ENTRY)) {
            POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
            if (at.x == -1 && at.y == -1) GetCursorPos(&at);  // from the keyboard
            mnu_ignorePopup(at);
            result = 0;
            return true;
        }
    }
    return SettingsPage::HandleMessage(msg, wp, lp, result);
}

void PageEvents::mnu_ignorePopup(POINT at) {
    const bool selected = Index(IDC_EDT_IGNORE) >= 0;
    const bool typed = !Text(IDC_EDT_ENTRY).empty();
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING | (selected ? 0 : MF_GRAYED), kMenuRemove,
                fw::Widen(selected ? "удалить" : "удалить (ничего не выделено)").c_str());
    AppendMenuW(menu, MF_STRING | (typed ? 0 : MF_GRAYED), kMenuAdd,
                fw::Widen(typed ? "добавить" : "добавить (нечего добавлять)").c_str());
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, Handle(), nullptr));
    DestroyMenu(menu);
    if (chosen == kMenuRemove) sub_removeClick();
    else if (chosen == kMenuAdd) btn_ignoreClick();
}

void PageEvents::btn_ignoreClick() {
    const std::string entry = Text(IDC_EDT_ENTRY);
    if (entry.empty()) return;
    form.EnableApply();
    AddItem(IDC_EDT_IGNORE, entry);
    form.ShowHintMessage(true, 3, "Активные соединения по учётной записи «" + entry + "» буду проигнорированы программой.");
}

void PageEvents::sub_removeClick() {
    const int index = Index(IDC_EDT_IGNORE);
    if (index < 0) return;
    const std::string entry = ItemText(IDC_EDT_IGNORE, index);
    form.EnableApply();
    form.ShowHintMessage(true, 3, "Учётная запись «" + entry + "» была удалена из списка исключений.");
    SendMessageW(Item(IDC_EDT_IGNORE), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

}  // namespace quon::config
