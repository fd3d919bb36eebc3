#include "config/page_data.h"

#include <commctrl.h>

#include "config/conversions.h"
#include "config/settings_dialog.h"
#include "framework/ini_file.h"
#include "framework/text.h"

namespace quon::config {
namespace {

constexpr const char* kLockedByVersionWarn =
    "ИЗМЕНЕНИЕ  ДАННЬIХ  СТАТИСТИКИ\nНЕВОЗМОЖНО,  ТАК  КАК  МОДУЛЬ  НАСТРОЕК\n"
    "НЕ  ПОДХОДИТ  К  ВЕРСИИ  ГЛАВНОГО  МОДУЛЯ\nИ  МОЖЕТ  ВЬIЗВАТЬ  ИСКАЖЕНИЕ  ЭТИХ  ДАННЬIХ";
constexpr const char* kLockedByVersionSolution =
    "ДЛЯ  ИЗМЕНЕНИЯ  ДАННЫХ  ОБНОВИТЕ  ИСПОЛНЯЕМЫЙ\nФАЙЛ  ГЛАВНОГО  МОДУЛЯ  ДО ВЕРСИИ  BETA.06  И  ВЫШЕ";
constexpr const char* kLockedOnlineWarn =
    "ИЗМЕНЕНИЕ  ДАННЬIХ  СТАТИСТИКИ\nНЕВОЗМОЖНО,  КОГДА  ОКНО  НАСТРОЕК\n"
    "ПРОГРАММЬI  ОТКРЬIВАЕТСЯ  ВО  ВРЕМЯ\nАКТИВНОГО  СОЕДИНЕНИЯ  С  ИНТЕРНЕТОМ";
constexpr const char* kLockedOnlineSolution =
    "ДЛЯ  ИЗМЕНЕНИЯ  ДАННЫХ  ОТКРЫВАЙТЕ  НАСТРОЙКИ\nВ  МОМЕНТ  ОТСУТСТВИЯ  СОЕДИНЕНИЯ  С  ИНТЕРНЕТОМ";

constexpr const char* kPluginColumns[] = {"МОДУЛЬ", "СТАТУС", "АКТИВАЦИЯ", "НАЗВАНИЕ", "АВТОР", "MAIL", "WEB"};

}  // namespace

void PageData::OnInitDialog() {
    for (const char* item : {"БАЙТЬI", "КИЛОБАЙТЬI", "МЕГАБАЙТЬI", "ГИГАБАЙТЬI"}) AddItem(IDC_LST_UNITS, item);
    for (const char* item : {"0", "0,0", "0,00", "0,000", "0,0000", "0,00000", "0,000000"}) AddItem(IDC_LST_FLOAT, item);
    SetRange(IDC_UDN_PERIOD, 1, 366);
    SetRange(IDC_UDN_REMIND, 0, 366);
    HWND list = Item(IDC_EDT_PLUGINS);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FLATSB | LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
    int column = 0;
    for (const char* caption : kPluginColumns) {
        std::wstring text = fw::Widen(caption);
        LVCOLUMNW c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH;
        c.cx = column == 0 ? 110 : 80;
        c.pszText = text.data();
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column++), reinterpret_cast<LPARAM>(&c));
    }
}

void PageData::SetPluginRows(const std::vector<PluginRow>& rows) {
    HWND list = Item(IDC_EDT_PLUGINS);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    rows_ = rows;
    for (size_t i = 0; i < rows_.size(); ++i) {
        const PluginRow& row = rows_[i];
        const auto event = fw::ParseInteger(row.event);
        const std::string cells[] = {row.file, row.enabled == "1" ? "ВКЛЮЧЕН" : "ОТКЛЮЧЕН",
                                     ActivationText(event ? *event : -1), row.desc, row.author, row.mail, row.web};
        for (int column = 0; column < 7; ++column) {
            std::wstring text = fw::Widen(cells[column]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.iSubItem = column;
            item.pszText = text.data();
            SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, column == 0 ? 0 : i,
                         reinterpret_cast<LPARAM>(&item));
        }
    }
}

void PageData::lst_unitsChange() {
    const bool wasLoading = form.isLoading;
    form.isLoading = true;
    for (int id : kCounterEdits) SetText(id, Hint(id));
    form.isLoading = wasLoading;
}

void PageData::ShowLockTexts(int lock) {
    Show(IDC_TXT_WARN, lock != 0);
    Show(IDC_TXT_SOLUTION, lock != 0);
    SetText(IDC_TXT_WARN, lock == -1 ? kLockedByVersionWarn : kLockedOnlineWarn);
    SetText(IDC_TXT_SOLUTION, lock == -1 ? kLockedByVersionSolution : kLockedOnlineSolution);
}

void PageData::CountersSaved() {
    for (int i = 0; i < kCounterFields; ++i) countersAtOpening_[i] = Hint(kCounterEdits[i]);
}

void PageData::Fill(const SettingsValues& v) {
    SetChecked(IDC_BOX_ALT, v.box_alt);
    SetChecked(IDC_BOX_CONTROL, v.box_control);
    SetChecked(IDC_BOX_UNLIM, v.box_unlim);
    SetChecked(IDC_BOX_BACKUP, v.box_backup);
    SetChecked(IDC_BOX_REMIND, v.box_remind);
    SetText(IDC_EDT_REMIND, v.edt_remind);
    SetText(IDC_EDT_PERIOD, v.edt_period);
    SetText(IDC_EDT_NEXT, v.edt_next);
    for (int i = 0; i < kCounterFields; ++i) SetHint(kCounterEdits[i], v.counters[i]);
    countersAtOpening_ = v.countersAtOpening;
    SetPluginRows(v.plugins);
    SetIndex(IDC_LST_UNITS, v.lst_units);
    SetIndex(IDC_LST_FLOAT, v.lst_float);
    lst_unitsChange();
}

void PageData::Collect(SettingsValues& v) const {
    v.box_alt = Checked(IDC_BOX_ALT);
    v.box_control = Checked(IDC_BOX_CONTROL);
    v.box_unlim = Checked(IDC_BOX_UNLIM);
    v.box_backup = Checked(IDC_BOX_BACKUP);
    v.box_remind = Checked(IDC_BOX_REMIND);
    v.edt_remind = Text(IDC_EDT_REMIND);
    v.edt_period = Text(IDC_EDT_PERIOD);
    v.edt_next = Text(IDC_EDT_NEXT);
    for (int i = 0; i < kCounterFields; ++i) v.counters[i] = Hint(kCounterEdits[i]);
    v.countersAtOpening = countersAtOpening_;
    v.plugins = rows_;
    v.lst_units = Index(IDC_LST_UNITS);
    v.lst_float = Index(IDC_LST_FLOAT);
}

}  // namespace quon::config
