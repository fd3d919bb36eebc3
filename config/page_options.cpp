#include "config/page_options.h"

#include <windows.h>

#include "config/settings_dialog.h"

namespace quon::config {
namespace {

constexpr int kLevelEdits[5] = {IDC_EDT_A, IDC_EDT_B, IDC_EDT_C, IDC_EDT_D, IDC_EDT_E};
constexpr int kHintRadios[4] = {IDC_RAD_NONE, IDC_RAD_MIN, IDC_RAD_MID, IDC_RAD_MAX};

}  // namespace

void PageOptions::OnInitDialog() {
    for (const char* item : {"БАЙТЬI", "КИЛОБАЙТЬI", "МЕГАБАЙТЬI"}) AddItem(IDC_BOX_UNITS, item);
    for (const char* item : {"БАЙТЬI", "КИЛОБАЙТЬI", "МЕГАБАЙТЬI", "БИТЬI", "КИЛОБИТЬI", "МЕГАБИТЬI"})
        AddItem(IDC_BOX_SPEED, item);
    for (const char* item : {"ОЧЕНЬ  МЕДЛЕННОЕ", "МЕДЛЕННОЕ", "ОБЬIЧНОЕ", "УСКОРЕННОЕ", "БЬIСТРОЕ", "ОЧЕНЬ  БЬIСТРОЕ",
                             "МОМЕНТАЛЬНОЕ"})
        AddItem(IDC_BOX_FADE, item);
    for (const char* item : {"РАЗ  В  СЕКУНДУ", "РАЗ  В  5  СЕКУНД", "РАЗ  В  10  СЕКУНД", "РАЗ  В  15  СЕКУНД",
                             "РАЗ  В  30  СЕКУНД", "РАЗ  В  60  СЕКУНД"})
        AddItem(IDC_BOX_INTERVAL, item);
    AddItem(IDC_BOX_METHOD, "RAS  CONNECTION  STATISTICS  API  (rasapi32.dll)");
    SetRange(IDC_UDN_HIDE, 1, 120);
    SetRange(IDC_UDN_IDLE, 1, 120);
    SetRange(IDC_UDN_FLOAT, 0, 6);
    SetRange(IDC_UDN_X, 0, 0x7fff);
    SetRange(IDC_UDN_Y, 0, 0x7fff);
    SetText(IDC_EDT_HIDE, "1");
    SetText(IDC_EDT_IDLE, "1");
    SetText(IDC_EDT_FLOAT, "3");
    OnCommand(IDC_BOX_AUTOSTART, BN_CLICKED, [this] { box_autostartClick(); });
}

void PageOptions::box_autostartClick() {
    const bool on = Checked(IDC_BOX_AUTOSTART);
    for (int id : {IDC_RAD_USER_REG, IDC_RAD_MACHINE_REG, IDC_RAD_USER_LNK, IDC_RAD_MACHINE_LNK, IDC_BOX_REINIT})
        Enable(id, on);
    if (!Checked(IDC_RAD_USER_REG) && !Checked(IDC_RAD_MACHINE_REG) && !Checked(IDC_RAD_USER_LNK) &&
        !Checked(IDC_RAD_MACHINE_LNK))
        SetChecked(IDC_RAD_USER_REG, true);
}

void PageOptions::Fill(const SettingsValues& v) {
    SetChecked(IDC_BOX_REINIT, v.box_reinit);
    SetText(IDC_EDT_X, v.edt_x);
    SetText(IDC_EDT_Y, v.edt_y);
    SetRange(IDC_UDN_X, 0, GetSystemMetrics(SM_CXSCREEN));
    SetRange(IDC_UDN_Y, 0, GetSystemMetrics(SM_CYSCREEN));
    SetChecked(IDC_BOX_FREEZE, v.box_freeze);
    SetChecked(IDC_BOX_PROTECTION, v.box_protection);
    SetChecked(IDC_BOX_NOTIFY, v.box_notify);
    SetIndex(IDC_BOX_INTERVAL, v.box_interval);
    SetIndex(IDC_BOX_METHOD, v.box_method);
    SetIndex(IDC_BOX_FADE, v.box_fade);
    SetChecked(IDC_BOX_START, v.box_start);
    SetChecked(IDC_BOX_CONNECT, v.box_connect);
    SetChecked(IDC_BOX_DISCONNECT, v.box_disconnect);
    SetText(IDC_EDT_HIDE, v.edt_hide);
    SetIndex(IDC_BOX_UNITS, v.box_units);
    SetIndex(IDC_BOX_SPEED, v.box_speed);
    SetTag(IDC_IMG_LANGUAGE, v.img_language);
    InvalidateRect(Item(IDC_IMG_LANGUAGE), nullptr, TRUE);
    SetText(IDC_EDT_FLOAT, v.edt_float);
    for (int i = 0; i < 4; ++i) SetChecked(kHintRadios[i], v.hint == i);
    SetChecked(IDC_BOX_HANGUP_IDLE, v.box_hangup_idle);
    SetText(IDC_EDT_IDLE, v.edt_idle);
    for (int i = 4; i >= 0; --i) SetText(kLevelEdits[i], v.levels[i]);
    SetChecked(IDC_BOX_SHOWHIDE, v.box_showhide);
    SetChecked(IDC_BOX_ONTOP, v.box_ontop);
}

void PageOptions::Collect(SettingsValues& v) const {
    v.box_reinit = Checked(IDC_BOX_REINIT);
    v.edt_x = Text(IDC_EDT_X);
    v.edt_y = Text(IDC_EDT_Y);
    v.box_freeze = Checked(IDC_BOX_FREEZE);
    v.box_protection = Checked(IDC_BOX_PROTECTION);
    v.box_notify = Checked(IDC_BOX_NOTIFY);
    v.box_interval = Index(IDC_BOX_INTERVAL);
    v.box_method = Index(IDC_BOX_METHOD);
    v.box_fade = Index(IDC_BOX_FADE);
    v.box_start = Checked(IDC_BOX_START);
    v.box_connect = Checked(IDC_BOX_CONNECT);
    v.box_disconnect = Checked(IDC_BOX_DISCONNECT);
    v.edt_hide = Text(IDC_EDT_HIDE);
    v.box_units = Index(IDC_BOX_UNITS);
    v.box_speed = Index(IDC_BOX_SPEED);
    v.img_language = Tag(IDC_IMG_LANGUAGE);
    v.edt_float = Text(IDC_EDT_FLOAT);
    v.hint = Checked(IDC_RAD_MAX) ? 3 : Checked(IDC_RAD_MID) ? 2 : Checked(IDC_RAD_MIN) ? 1 : 0;
    v.box_hangup_idle = Checked(IDC_BOX_HANGUP_IDLE);
    v.edt_idle = Text(IDC_EDT_IDLE);
    for (int i = 0; i < 5; ++i) v.levels[i] = Text(kLevelEdits[i]);
    v.box_showhide = Checked(IDC_BOX_SHOWHIDE);
    v.box_ontop = Checked(IDC_BOX_ONTOP);
}

}  // namespace quon::config
