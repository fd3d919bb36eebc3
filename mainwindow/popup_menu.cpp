// The pop-up menu of the main window, which is also the tray icon's menu.
#include "engine/settings_pages.h"
#include "mainwindow/main_form.h"

namespace quon {

void Tfrm_quonm::BuildPopupMenu() {
    fw::MenuItem& m = mnu_popup.root;
    sub_show = m.Add("sub_show", "окно » показать", [this](fw::MenuItem&) { sub_showClick(); });
    sub_hide = m.Add("sub_hide", "окно » скрыть", [this](fw::MenuItem&) { sub_hideClick(); });
    m.AddSeparator("sub_separator_1");
    sub_config = m.Add("sub_config", "настройки", [this](fw::MenuItem&) { OpenSettings(pgOptions, true); });
    sub_plugins = m.Add("sub_plugins", "настройки модулей");
    sub_plugins->visible = false;
    sub_floating = m.Add("sub_floating", "внешний индикатор", [this](fw::MenuItem&) { sub_floatingClick(); });
    sub_floating->visible = false;
    sub_separator_4 = m.AddSeparator("sub_separator_4");
    sub_separator_4->visible = false;

    fw::MenuItem* values = m.Add("sub_values", "размерность");
    auto units = [this](fw::MenuItem& item) { OnUnitItem(item); };
    sub_db = values->Add("sub_db", "данные » байты", units);
    sub_dkb = values->Add("sub_dkb", "данные » килобайты", units);
    sub_dmb = values->Add("sub_dmb", "данные » мегабайты", units);
    values->AddSeparator("sub_separator_values");
    auto speeds = [this](fw::MenuItem& item) { OnSpeedItem(item); };
    sub_sb = values->Add("sub_sb", "скорость » байт в секунду", speeds);
    sub_skb = values->Add("sub_skb", "скорость » килобайт в секунду", speeds);
    sub_smb = values->Add("sub_smb", "скорость » мегабайт в секунду", speeds);
    sub_sb8 = values->Add("sub_sb8", "скорость » бит в секунду", speeds);
    sub_skb8 = values->Add("sub_skb8", "скорость » килобит в секунду", speeds);
    sub_smb8 = values->Add("sub_smb8", "скорость » мегабит в секунду", speeds);
    intptr_t tag = 0;
    for (fw::MenuItem* item : {sub_db, sub_dkb, sub_dmb}) item->tag = tag++;
    tag = 0;
    for (fw::MenuItem* item : {sub_sb, sub_skb, sub_smb, sub_sb8, sub_skb8, sub_smb8}) item->tag = tag++;

    fw::MenuItem* hint = m.Add("sub_hint", "подсказка");
    auto hints = [this](fw::MenuItem& item) { OnHintItem(item); };
    sub_0 = hint->Add("sub_0", "без", hints);
    sub_1 = hint->Add("sub_1", "краткая", hints);
    sub_2 = hint->Add("sub_2", "подробная", hints);
    sub_3 = hint->Add("sub_3", "расширенная", hints);
    tag = 0;
    for (fw::MenuItem* item : {sub_0, sub_1, sub_2, sub_3}) item->tag = tag++;

    sub_lock = m.Add("sub_lock", "зафиксировать положение", [this](fw::MenuItem&) { sub_lockClick(); });
    m.Add("sub_restore", "восстановить видимость", [this](fw::MenuItem&) { RestoreTopMosts(); });
    sub_quick = m.Add("sub_quick", "статистика", [this](fw::MenuItem&) { sub_quickClick(); });
    m.AddSeparator("sub_separator_5");
    sub_connect = m.Add("sub_connect", "соединиться с...");
    sub_hangup = m.Add("sub_hangup", "отключиться", [this](fw::MenuItem&) { sub_hangupClick(); });
    sub_hangup->visible = false;
    sub_separator_6 = m.AddSeparator("sub_separator_6");

    fw::MenuItem* info = m.Add("sub_info", "информация");
    sub_help = info->Add("sub_help", "справка", [this](fw::MenuItem&) { sub_helpClick(); });
    sub_fixer = info->Add("sub_fixer", "помощник", [this](fw::MenuItem&) { sub_fixerClick(); });
    info->Add("sub_web", "сайт программы", [this](fw::MenuItem&) { sub_webClick(); });
    info->Add("sub_version", "версия модуля", [this](fw::MenuItem&) { sub_versionClick(); });
    sub_about = info->Add("sub_about", "о программе", [this](fw::MenuItem&) { OpenSettings(pgInfo, true); });
    m.AddSeparator("sub_separator_7");
    m.Add("sub_restart", "перезапуск", [this](fw::MenuItem&) { sub_restartClick(); });
    m.Add("sub_quit", "выход", [this](fw::MenuItem&) { sub_quitClick(); });
}

}  // namespace quon
