#include "config/pages/options/page_options.h"

#include <windows.h>

#include <commctrl.h>

#include "config/dialog/settings_dialog.h"
#include "config/pages/common/general_hints.h"
#include "config/pages/common/option_change.h"
#include "config/pages/options/level_thresholds.h"
#include "config/pages/options/position_preview.h"
#include "engine/copydata_commands.h"
#include "framework/program_folder.h"
#include "framework/text.h"

namespace quon::config {
namespace {

constexpr int kLevelEdits[5] = {IDC_EDT_A, IDC_EDT_B, IDC_EDT_C, IDC_EDT_D, IDC_EDT_E};
constexpr int kLevelUpDowns[5] = {IDC_UDN_A, IDC_UDN_B, IDC_UDN_C, IDC_UDN_D, IDC_UDN_E};
constexpr int kSwatches[5] = {IDC_PNL_A, IDC_PNL_B, IDC_PNL_C, IDC_PNL_D, IDC_PNL_E};
constexpr COLORREF kSwatchColours[5] = {0x0000FF, 0x0060FF, 0x00BFFF, 0x00FFDF, 0x00FF80};
constexpr int kHintRadios[4] = {IDC_RAD_NONE, IDC_RAD_MIN, IDC_RAD_MID, IDC_RAD_MAX};
constexpr int kPlaceRadios[4] = {IDC_RAD_USER_REG, IDC_RAD_MACHINE_REG, IDC_RAD_USER_LNK, IDC_RAD_MACHINE_LNK};
constexpr AutostartPlace kPlaceOfRadio[4] = {AutostartPlace::UserRun, AutostartPlace::MachineRun,
                                             AutostartPlace::UserLink, AutostartPlace::CommonLink};

// Threshold edits hand their Page Up, Page Down, Home and End to the page before the edit sees them.
// (Their up-downs hook them through the common controls' chain already, so this hook joins that chain.)
LRESULT CALLBACK LevelEditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR page) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(edit, LevelEditProc, id);  // else the hook outlives the edit
    if (msg == WM_KEYDOWN) {
        try {
            reinterpret_cast<PageOptions*>(page)->edt_aKeyDown(GetDlgCtrlID(edit), static_cast<unsigned>(wp));
        } catch (...) {
        }
    }
    return DefSubclassProc(edit, msg, wp, lp);
}

void FillRect(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    ::FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// The speed-word language as a small flag: white, blue and red stripes for Russian; a blue field with
// a white and a red cross for English.
void DrawFlag(HDC dc, RECT r, bool english) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (!english) {
        const COLORREF stripes[3] = {RGB(255, 255, 255), RGB(0, 57, 166), RGB(213, 43, 30)};
        for (int i = 0; i < 3; ++i)
            FillRect(dc, RECT{r.left, r.top + h * i / 3, r.right, r.top + h * (i + 1) / 3}, stripes[i]);
    } else {
        FillRect(dc, r, RGB(1, 33, 105));
        HPEN white = CreatePen(PS_SOLID, 2, RGB(255, 255, 255));
        HGDIOBJ old = SelectObject(dc, white);
        MoveToEx(dc, r.left, r.top, nullptr);
        LineTo(dc, r.right, r.bottom);
        MoveToEx(dc, r.right, r.top, nullptr);
        LineTo(dc, r.left, r.bottom);
        SelectObject(dc, old);
        DeleteObject(white);
        FillRect(dc, RECT{r.left + w / 2 - 2, r.top, r.left + w / 2 + 2, r.bottom}, RGB(255, 255, 255));
        FillRect(dc, RECT{r.left, r.top + h / 2 - 2, r.right, r.top + h / 2 + 2}, RGB(255, 255, 255));
        FillRect(dc, RECT{r.left + w / 2 - 1, r.top, r.left + w / 2 + 1, r.bottom}, RGB(200, 16, 46));
        FillRect(dc, RECT{r.left, r.top + h / 2 - 1, r.right, r.top + h / 2 + 1}, RGB(200, 16, 46));
    }
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
}

}  // namespace

PageOptions::PageOptions(Tfrm_quons& owner) : SettingsPage(owner) {
    applyAutostart = [](bool on, AutostartPlace chosen, const StartupLinks& links) {
        return ApplyAutostart(on, chosen, links, fw::ProgramPathW());
    };
}

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
    SetRange(IDC_UDN_X, 0, GetSystemMetrics(SM_CXSCREEN));
    SetRange(IDC_UDN_Y, 0, GetSystemMetrics(SM_CYSCREEN));
    SetText(IDC_EDT_HIDE, "1");
    SetText(IDC_EDT_IDLE, "1");
    SetText(IDC_EDT_FLOAT, "3");
    for (int i = 0; i < kLevelCount; ++i) {
        SetRange(kLevelUpDowns[i], kLevelEditMin, kLevelEditMax);
        SetText(kLevelEdits[i], std::to_string(i + 1));
        SetWindowSubclass(Item(kLevelEdits[i]), LevelEditProc, 1, reinterpret_cast<DWORD_PTR>(this));
        OnCommand(kLevelEdits[i], EN_CHANGE, [this] { edt_eChange(); });
    }

    auto plain = [this] { OptionChanged(form); };  // DefaultClick
    for (int id : {IDC_RAD_NONE, IDC_RAD_MIN, IDC_RAD_MID, IDC_RAD_MAX, IDC_BOX_SHOWHIDE, IDC_BOX_START,
                   IDC_BOX_CONNECT, IDC_BOX_NOTIFY, IDC_BOX_FREEZE})
        OnCommand(id, BN_CLICKED, plain);
    for (int id : {IDC_EDT_IDLE, IDC_EDT_FLOAT}) OnCommand(id, EN_CHANGE, plain);
    OnCommand(IDC_BOX_HANGUP_IDLE, BN_CLICKED, [this] {
        const bool on = Checked(IDC_BOX_HANGUP_IDLE);
        Enable(IDC_EDT_IDLE, on);
        Enable(IDC_UDN_IDLE, on);
        // "0" is the stored "off": ticked, the hang-up starts from a usable interval, as the hiding does.
        if (on && Text(IDC_EDT_IDLE) == "0") SetText(IDC_EDT_IDLE, "5");
        OptionChanged(form, IdleHangUpHint(on));
    });
    OnCommand(IDC_BOX_FADE, CBN_SELCHANGE, [this] { OptionChanged(form, FadeHint(Index(IDC_BOX_FADE))); });
    OnCommand(IDC_BOX_ONTOP, BN_CLICKED, [this] { OptionChanged(form, OnTopHint(Checked(IDC_BOX_ONTOP))); });
    OnCommand(IDC_BOX_UNITS, CBN_SELCHANGE, [this] { box_unitsChange(); });
    OnCommand(IDC_BOX_SPEED, CBN_SELCHANGE, [this] { box_unitsChange(); });
    OnCommand(IDC_IMG_LANGUAGE, STN_CLICKED, [this] { img_languageClick(); });
    OnCommand(IDC_BOX_DISCONNECT, BN_CLICKED, [this] { box_disconnectClick(); });
    OnCommand(IDC_EDT_HIDE, EN_CHANGE, [this] { edt_hideChange(); });
    OnCommand(IDC_BOX_PROTECTION, BN_CLICKED, [this] {
        const bool on = Checked(IDC_BOX_PROTECTION);
        Enable(IDC_BOX_INTERVAL, on);
        Enable(IDC_BOX_NOTIFY, on);
        OptionChanged(form, ProtectionHint(on));
    });
    OnCommand(IDC_BOX_INTERVAL, CBN_SELCHANGE, [this] { OptionChanged(form, IntervalHint(Index(IDC_BOX_INTERVAL))); });
    OnCommand(IDC_BOX_METHOD, CBN_SELCHANGE, [this] { OptionChanged(form, MethodHint(Index(IDC_BOX_METHOD))); });
    for (int id : {IDC_BOX_AUTOSTART, IDC_RAD_USER_REG, IDC_RAD_MACHINE_REG, IDC_RAD_USER_LNK, IDC_RAD_MACHINE_LNK})
        OnCommand(id, BN_CLICKED, [this] { box_autostartClick(); });
    OnCommand(IDC_BOX_REINIT, BN_CLICKED, [this] {
        const bool on = Checked(IDC_BOX_REINIT), onTop = Checked(IDC_BOX_ONTOP);
        if (on && !onTop) SetChecked(IDC_BOX_REINIT, false);
        OptionChanged(form, ReinitHint(on, onTop));
    });
    OnCommand(IDC_EDT_X, EN_CHANGE, [this] { edt_xChange(); });
    OnCommand(IDC_EDT_Y, EN_CHANGE, [this] { edt_xChange(); });
}

bool PageOptions::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
    if (msg == WM_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    }
    return SettingsPage::HandleMessage(msg, wp, lp, result);
}

void PageOptions::DrawItem(const DRAWITEMSTRUCT& item) {
    if (static_cast<int>(item.CtlID) == IDC_IMG_LANGUAGE) {
        DrawFlag(item.hDC, item.rcItem, Tag(IDC_IMG_LANGUAGE) != 0);
        return;
    }
    for (int i = 0; i < kLevelCount; ++i)
        if (static_cast<int>(item.CtlID) == kSwatches[i]) {
            FillRect(item.hDC, item.rcItem, kSwatchColours[i]);
            FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        }
}

StartupLinks PageOptions::Links() const {
    return {fw::Widen(form.userStartupLink), fw::Widen(form.commonStartupLink)};
}

void PageOptions::box_autostartClick() {
    if (form.isLoading) return;
    const bool on = Checked(IDC_BOX_AUTOSTART);
    const StartupLinks links = Links();
    Enable(IDC_BOX_REINIT, on);
    Enable(IDC_RAD_USER_REG, on);
    Enable(IDC_RAD_MACHINE_REG, on);
    Enable(IDC_RAD_USER_LNK, on && !links.user.empty());      // no Startup folder: no shortcut there
    Enable(IDC_RAD_MACHINE_LNK, on && !links.common.empty());
    AutostartPlace chosen = AutostartPlace::None;
    for (int i = 0; i < 4; ++i)
        if (Checked(kPlaceRadios[i])) chosen = kPlaceOfRadio[i];
    if (chosen == AutostartPlace::None) {
        SetChecked(IDC_RAD_USER_REG, true);
        chosen = AutostartPlace::UserRun;
    }

    const AutostartResult result = applyAutostart(on, chosen, links);
    if (result.runFailed) {
        Enable(IDC_RAD_USER_REG, false);
        Enable(IDC_RAD_MACHINE_REG, false);
    }
    if (result.linkFailed) {
        Enable(IDC_RAD_USER_LNK, false);
        Enable(IDC_RAD_MACHINE_LNK, false);
    }
    bool anyEnabled = false;
    for (int id : kPlaceRadios) anyEnabled = anyEnabled || Enabled(id);
    if (!anyEnabled) SetChecked(IDC_BOX_AUTOSTART, false);
    const OptionHint failure = AutostartFailedHint(result.runFailed, result.linkFailed);
    if (failure.kind > 0) form.ShowHintMessage(true, failure.kind, failure.text);
}

void PageOptions::edt_xChange() {
    OptionChanged(form);
    if (form.isLoading) return;
    form.SendToMainWindow(cdMoveWindow, PositionPreviewText(Text(IDC_EDT_X), Text(IDC_EDT_Y)));
}

void PageOptions::box_disconnectClick() {
    const bool on = Checked(IDC_BOX_DISCONNECT);
    Enable(IDC_EDT_HIDE, on);
    Enable(IDC_UDN_HIDE, on);
    if (on && Text(IDC_EDT_HIDE) == "0") SetText(IDC_EDT_HIDE, "5");
    if (!on) SetText(IDC_EDT_HIDE, "0");
    OptionChanged(form);
}

void PageOptions::edt_hideChange() {
    const bool hides = Text(IDC_EDT_HIDE) != "0";
    Enable(IDC_EDT_HIDE, hides);
    Enable(IDC_UDN_HIDE, hides);
}

void PageOptions::box_unitsChange() {
    const bool decimals = Index(IDC_BOX_UNITS) != 0;
    Enable(IDC_EDT_FLOAT, decimals);
    Enable(IDC_UDN_FLOAT, decimals);
    OptionChanged(form);
}

void PageOptions::img_languageClick() {
    const bool english = Tag(IDC_IMG_LANGUAGE) == 0;
    SetTag(IDC_IMG_LANGUAGE, english ? 1 : 0);
    InvalidateRect(Item(IDC_IMG_LANGUAGE), nullptr, TRUE);
    OptionChanged(form, LanguageHint(english));
}

void PageOptions::edt_eChange() {
    OptionChanged(form);
    if (form.isLoading) return;  // no warning while the settings are read
    std::array<std::string, kLevelCount> texts;
    for (int i = 0; i < kLevelCount; ++i) texts[i] = Text(kLevelEdits[i]);
    if (LevelsOutOfOrder(texts)) form.ShowHintMessage(true, 3, kLevelOrderWarning);
}

void PageOptions::edt_aKeyDown(int editId, unsigned virtualKey) {
    if (const auto text = LevelTextAfterKey(Text(editId), virtualKey)) SetText(editId, *text);
}

void PageOptions::Fill(const SettingsValues& v) {
    SetChecked(IDC_BOX_REINIT, v.box_reinit);
    SetText(IDC_EDT_X, v.edt_x);
    SetText(IDC_EDT_Y, v.edt_y);
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
    if (Tag(IDC_IMG_LANGUAGE) != v.img_language) {  // the flag is drawn from the tag
        SetTag(IDC_IMG_LANGUAGE, v.img_language);
        InvalidateRect(Item(IDC_IMG_LANGUAGE), nullptr, TRUE);
    }
    SetText(IDC_EDT_FLOAT, v.edt_float);
    for (int i = 0; i < 4; ++i) SetChecked(kHintRadios[i], v.hint == i);
    SetChecked(IDC_BOX_HANGUP_IDLE, v.box_hangup_idle);
    SetText(IDC_EDT_IDLE, v.edt_idle);
    for (int i = 4; i >= 0; --i) SetText(kLevelEdits[i], v.levels[i]);
    SetChecked(IDC_BOX_SHOWHIDE, v.box_showhide);
    SetChecked(IDC_BOX_ONTOP, v.box_ontop);
    // What the boxes' handlers would enable had the user ticked them. (Filling an edit with the text it
    // already holds sends no change notice, so the delay's own handler cannot be relied on here.)
    Enable(IDC_EDT_HIDE, v.box_disconnect);
    Enable(IDC_UDN_HIDE, v.box_disconnect);
    Enable(IDC_EDT_IDLE, v.box_hangup_idle);
    Enable(IDC_UDN_IDLE, v.box_hangup_idle);
    Enable(IDC_BOX_INTERVAL, v.box_protection);
    Enable(IDC_BOX_NOTIFY, v.box_protection);
    Enable(IDC_EDT_FLOAT, v.box_units != 0);
    Enable(IDC_UDN_FLOAT, v.box_units != 0);
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
