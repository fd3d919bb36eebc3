#include "config/pages/data/plugins_part.h"

#include <commctrl.h>
#include <shellapi.h>

#include "config/pages/common/page_controls.h"
#include "config/pages/data/plugin_calls.h"
#include "framework/context_menu_point.h"
#include "framework/program_folder.h"
#include "framework/text.h"

namespace quon::config {
namespace {

constexpr const char* kNoSettingsBox =
    "внимание! невозможно вызвать окно настроек модуля.\n\nвозможные причины:\n   * файл не найден\n"
    "   * файл повреждён\n   * файл не не имеет настроек\n   * файл не совместим с программой\n"
    "   * файл не содержит процедуру «getSettings»";

}  // namespace

bool PluginsPart::Create(HWND parent, int x, int y, int w, int h) {
    if (!CreatePart(L"QuonPluginsPart", parent, x, y, w, h))
        return false;
    HWND p = Handle();
    AddGroup(p, " д о п о л н и т е ль н ы е    в о з м о ж н о с т и ", 0, 0, w, h);
    control_ = AddCheck(p, "ИСПОЛЬЗОВАТЬ  ВНЕШНИЕ  МОДУЛИ  ДЛЯ  РАСШИРЕНИЯ  ВОЗМОЖНОСТЕЙ  ПРОГРАММЬI", 10, 13, w - 122,
                        14, idControl);
    UseSmallFont(control_);  // the long caption fits beside the button
    restore_ = AddButton(p, "НАСТРОИТЬ", w - 112, 12, 104, 19, idRestore);
    ShowWindow(restore_, SW_HIDE);
    const int side = w - 132;
    list_ = AddControl(p, WC_LISTVIEWW, "", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, 10, 28,
                       side - 16, h - 32, idList, WS_EX_CLIENTEDGE);
    UseSmallFont(list_);  // four rows and more show above the scroll bar
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, 0x130);
    const char* columns[kPluginColumns] = {"МОДУЛЬ", "СТАТУС", "АКТИВАЦИЯ", "НАЗВАНИЕ", "АВТОР", "MAIL", "WEB"};
    const int widths[kPluginColumns] = {110, 70, 90, 130, 80, 90, 90};
    for (int c = 0; c < kPluginColumns; ++c) {
        std::wstring text = fw::Widen(columns[c]);
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.pszText = text.data();
        col.cx = widths[c];
        col.iSubItem = c;
        SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
    }
    on_ = AddButton(p, "ВКЛЮЧИТЬ", side, 28, 58, 20, idOn);
    off_ = AddButton(p, "ВЬIКЛЮЧИТЬ", side + 60, 28, 64, 20, idOff);
    enabled_ = AddCheck(p, "", side + 2, 52, 16, 16, idEnabled);
    config_ = AddButton(p, "НАСТРОИТЬ", side + 20, 50, 104, 20, idConfig);
    scan_ = AddButton(p, "СКАНИРОВАТЬ", side, 72, 124, 20, idScan);
    for (HWND b : {on_, off_, config_, scan_}) UseSmallFont(b);
    SetChecked(enabled_, true);
    for (HWND c : {on_, off_, enabled_, config_}) EnableWindow(c, FALSE);
    return true;
}

void PluginsPart::Fill(const SettingsValues& v) {
    SetChecked(control_, v.box_control);
    fw::Enable(list_, v.box_control);
    std::vector<PluginRecord> rows;
    for (const PluginRow& row : v.plugins) rows.push_back(RecordOf(row));
    Fill(std::move(rows));
    if (onPluginsOption) onPluginsOption(v.box_control);
}

void PluginsPart::Collect(SettingsValues& v) const {
    v.box_control = Checked(control_);
    v.plugins.clear();
    for (const PluginRecord& r : RowsShown()) v.plugins.push_back(RowOf(r));
}

bool PluginsPart::PluginsOn() const { return Checked(control_); }

std::vector<PluginRecord> PluginsPart::RowsShown() const {
    std::vector<PluginRecord> rows;
    const int count = static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        rows.push_back(records_.at(static_cast<size_t>(item.lParam)));
    }
    return rows;
}

void PluginsPart::Fill(std::vector<PluginRecord> rows) {
    records_ = std::move(rows);
    const bool hadRows = SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0) > 0;
    if (!hadRows && records_.empty()) return;  // nothing to clear, nothing to add
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);  // one redraw for the whole list
    if (hadRows) SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    for (size_t r = 0; r < records_.size(); ++r) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(r);
        std::wstring caption = fw::Widen(records_[r].file);
        item.pszText = caption.data();
        item.lParam = static_cast<LPARAM>(r);
        SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        ShowRowCells(static_cast<int>(r));
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void PluginsPart::ShowRowCells(int listRow) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = listRow;
    SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    const PluginCells cells = CellsOf(records_.at(static_cast<size_t>(item.lParam)));
    for (int c = 1; c < kPluginColumns; ++c) {
        std::wstring text = fw::Widen(cells[static_cast<size_t>(c)]);
        LVITEMW sub{};
        sub.iSubItem = c;
        sub.pszText = text.data();
        SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(listRow), reinterpret_cast<LPARAM>(&sub));
    }
}

int PluginsPart::Selected() const {
    const int row = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0) return -1;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<int>(item.lParam);
}

void PluginsPart::SelectRow(int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    FollowSelection();
}

void PluginsPart::FollowSelection() {
    const int r = Selected();
    if (r >= 0) {
        EnableWindow(enabled_, TRUE);
        EnableWindow(config_, TRUE);
        const bool on = records_[static_cast<size_t>(r)].enabled;
        SetChecked(enabled_, on);
        enabledTag_ = on;
        EnableWindow(off_, on);
        EnableWindow(on_, !on);
    }
    host_.EnableApply();
}

void PluginsPart::SetEnabled(bool on) {
    SetChecked(enabled_, on);
    EnabledClicked();
}

void PluginsPart::EnabledClicked() {
    const int r = Selected();
    if (r < 0) {
        SetChecked(enabled_, enabledTag_);
        return;
    }
    const bool on = Checked(enabled_);
    EnableWindow(off_, on);
    EnableWindow(on_, !on);
    EnableWindow(config_, on);
    records_[static_cast<size_t>(r)].enabled = on;
    ShowRowCells(static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)));
    host_.EnableApply();
    enabledTag_ = on;
}

void PluginsPart::Scan() {
    EnableWindow(scan_, FALSE);
    Fill(ScanPluginFolder(fw::ProgramFolder(), [this] {
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Beep(1000, 50);
        Sleep(50);
    }));
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(250);
    EnableWindow(scan_, TRUE);
}

void PluginsPart::OpenSettings() {
    const int r = Selected();
    if (r < 0) return;
    const std::string& file = records_[static_cast<size_t>(r)].file;
    switch (OpenPluginSettings(fw::ProgramFolder(), file, host_.MainVersion())) {
        case SettingsCall::Shown: return;
        case SettingsCall::Missing:
            host_.ShowHint(true, 2, "Внимание! Файл «" + file + "» не содержит процедуры «getSettings».");
            host_.Box(kNoSettingsBox, MB_ICONWARNING);
            return;
        case SettingsCall::Faulted: Beep(100, 100); return;
    }
}

void PluginsPart::ClickColumn(int column) {
    sort_.Click(column);
    SendMessageW(list_, LVM_SORTITEMS, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(&Compare));
}

int CALLBACK PluginsPart::Compare(LPARAM a, LPARAM b, LPARAM self) {
    const auto* part = reinterpret_cast<const PluginsPart*>(self);
    return ComparePluginRows(part->records_.at(static_cast<size_t>(a)), part->records_.at(static_cast<size_t>(b)),
                             part->sort_);
}

void PluginsPart::ShowList(bool on) {
    for (HWND c : {list_, on_, off_, enabled_, config_, scan_}) ShowWindow(c, on ? SW_SHOW : SW_HIDE);
    ShowWindow(restore_, on ? SW_HIDE : SW_SHOW);
}

void PluginsPart::OpenAddress(bool mail) {
    const int r = Selected();
    if (r < 0) return;
    const PluginRecord& rec = records_[static_cast<size_t>(r)];
    const std::wstring address = fw::Widen(mail ? "mailto:" + rec.mail : "http://" + rec.web);
    ShellExecuteW(Handle(), L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void PluginsPart::Popup(POINT at) {
    const bool selected = Selected() >= 0;
    const bool ticked = Checked(enabled_);
    std::string toggle = ticked ? "отключить" : "включить";
    if (!selected) toggle += " (ничего не выделено)";
    HMENU menu = CreatePopupMenu();
    const UINT state = selected ? MF_ENABLED : MF_GRAYED;
    AppendMenuW(menu, MF_STRING | state, idMenuToggle, fw::Widen(toggle).c_str());
    AppendMenuW(menu, MF_STRING, idMenuScan, fw::Widen("сканировать на наличие модулей").c_str());
    AppendMenuW(menu, MF_SEPARATOR | state, 0, nullptr);
    AppendMenuW(menu, MF_STRING | state, idMenuMail, fw::Widen("написать письмо автору модуля").c_str());
    AppendMenuW(menu, MF_STRING | state, idMenuWeb, fw::Widen("посетить сайт автора модуля").c_str());
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
    DestroyMenu(menu);
}

void PluginsPart::OnCommand(int id, int code) {
    switch (id) {
        case idControl: {
            const bool on = Checked(control_);
            host_.EnableApply();
            EnableWindow(list_, on);
            if (on)
                host_.ShowHint(true, 4, "Возможность использования модулей расширения от сторонних производителей и пользователей.");
            else
                host_.ShowHint(true, 0, "");
            if (onPluginsOption) onPluginsOption(on);
            return;
        }
        case idEnabled: if (code == BN_CLICKED) EnabledClicked(); return;
        case idOn: SetEnabled(true); return;
        case idOff: SetEnabled(false); return;
        case idMenuToggle: SetEnabled(!Checked(enabled_)); return;
        case idConfig: OpenSettings(); return;
        case idScan:
        case idMenuScan: Scan(); return;
        case idRestore: if (onRestore) onRestore(); return;
        case idMenuMail: OpenAddress(true); return;
        case idMenuWeb: OpenAddress(false); return;
        default: return;
    }
}

LRESULT PluginsPart::OnNotify(const NMHDR& n) {
    if (n.hwndFrom != list_) return 0;
    switch (n.code) {
        case NM_CLICK:
        case NM_RCLICK:
        case LVN_KEYDOWN: FollowSelection(); return 0;
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(n);
            if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED)) FollowSelection();
            return 0;
        }
        case NM_DBLCLK: OpenSettings(); return 0;
        case LVN_COLUMNCLICK: ClickColumn(reinterpret_cast<const NMLISTVIEW&>(n).iSubItem); return 0;
        default: return 0;
    }
}

LRESULT PluginsPart::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lp));
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wp) == list_) {
                Popup(fw::ContextMenuPoint(list_, lp));  // from the keyboard: under the selected row
                return 0;
            }
            return DefaultMessage(msg, wp, lp);
        case WM_ERASEBKGND: EraseWithFace(Handle(), reinterpret_cast<HDC>(wp)); return 1;
        default: return DefaultMessage(msg, wp, lp);
    }
}

}  // namespace quon::config
