#include "config/pages/data/statistics_part.h"

#include <commctrl.h>

#include <algorithm>

#include "config/pages/data/byte_field.h"
#include "config/pages/common/page_controls.h"
#include "config/pages/data/page_data_ids.h"
#include "engine/value_forms.h"
#include "framework/control_hook.h"

namespace quon::config {
namespace {

struct Row {
    const char* label;
    int field;   // 1..7, or 0 for a status row
    int status;  // 0 day, 1 month, 2 upload (status rows)
};
const Row kRows[] = {
    {" ДЕНЬ:  ЛИМИТ", sfDayLimit, 0},   {" ДЕНЬ:  СКАЧАНО", sfDay, 0},       {" ДЕНЬ:  СОСТОЯНИЕ", 0, 0},
    {" МЕСЯЦ:  ЛИМИТ", sfMonthLimit, 0}, {" МЕСЯЦ:  СКАЧАНО", sfMonth, 0},   {" МЕСЯЦ:  СОСТОЯНИЕ", 0, 1},
    {" МЕСЯЦ:  СОХРАНЕНО", sfBackup, 0}, {" МЕСЯЦ:  ЛИМИТ", sfUpLimit, 0},  {" МЕСЯЦ:  ОТПРАВЛЕНО", sfUp, 0},
    {" МЕСЯЦ:  СОСТОЯНИЕ", 0, 2},
};

constexpr const char* kInvalidTyped = "внимание! обнаружен недопустимый символ\nв одном из полей данных статистики...";

}  // namespace

StatisticsPart::StatisticsPart(PageHost& host) : host_(host) {
    warnTimer_ = std::make_unique<fw::Timer>(*this, 1, 250);
    warnTimer_->onTimer = [this] {
        ++warnTimer_->tag;
        if (warnTimer_->tag >= 10) warnTimer_->SetEnabled(false);
        InvalidateRect(warn_, nullptr, TRUE);
    };
}

StatisticsPart::~StatisticsPart() {
    for (int f = 1; f <= kStatFieldCount; ++f)
        if (edit_[f - 1]) fw::UnhookControl(edit_[f - 1]);
}

bool StatisticsPart::Create(HWND parent, int x, int y, int w, int h) {
    if (!CreatePart(L"QuonStatisticsPart", parent, x, y, w, h))
        return false;
    HWND p = Handle();
    // The table's columns take 306 pixels; the rest of the width holds the units, the options and the
    // lock texts.
    const int gw = std::min(w, 306);
    AddGroup(p, " т е к у щ а я    с т а т и с т и к а ", 0, 0, gw, h);
    UseSmallFont(AddLabel(p, "ВХОДЯЩИЙ  ТРАФИК  (скачано = получено)", 8, 13, gw - 16, 11));
    constexpr int kRow = 14, kHeight = 13;  // a pixel between the rows, into which an edited box reaches
    int top = 25;
    for (size_t i = 0; i < std::size(kRows); ++i) {
        const Row& row = kRows[i];
        if (i == 7) {
            UseSmallFont(AddLabel(p, "ИСХОДЯЩИЙ  ТРАФИК  (закачано = отправлено)", 8, top + 1, gw - 16, 11));
            top += 12;
        }
        UseSmallFont(AddLabel(p, row.label, 8, top, 120, kHeight, -1, SS_SUNKEN | SS_CENTERIMAGE));
        if (row.field) {
            const int f = row.field;
            edit_[f - 1] = AddControl(p, WC_EDITW, "0", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, 130, top, 120, kHeight,
                                      idEdit + f);
            shownAt_[f - 1] = {130, top, 250, top + kHeight};
            fw::HookControl(edit_[f - 1], [this, f](HWND, UINT msg, WPARAM wp, LPARAM) { return EditMessage(f, msg, wp); });
            UseSmallFont(AddLabel(p, "...", 252, top, 18, kHeight, idPlus + f, SS_NOTIFY | SS_CENTER | SS_SUNKEN));
            unit_[f - 1] = AddLabel(p, "Мб", 272, top, 26, kHeight, -1, SS_SUNKEN | SS_CENTERIMAGE);
            UseSmallFont(unit_[f - 1]);
        } else {
            statusText_[row.status] = AddLabel(p, "", 130, top, 120, kHeight, -1, SS_SUNKEN | SS_CENTERIMAGE);
            UseSmallFont(statusText_[row.status]);
            statusSquare_[row.status] = AddLabel(p, "", 252, top, 18, kHeight, -1, SS_SUNKEN);
            AddLabel(p, "", 272, top, 26, kHeight, -1, SS_SUNKEN);
        }
        top += kRow;
    }
    const int rx = gw + 6, rw = w - rx, half = (rw - 4) / 2;
    units_ = AddDropList(p, rx, 2, half, 120, idUnits, {"БАЙТЬI", "КИЛОБАЙТЬI", "МЕГАБАЙТЬI", "ГИГАБАЙТЬI"});
    decimals_ = AddDropList(p, rx + half + 4, 2, rw - half - 4, 160, idFloat,
                            {"0", "0,0", "0,00", "0,000", "0,0000", "0,00000", "0,000000"});
    AddButton(p, "R E S E T", rx, 28, 80, 20, idReset);
    auto_ = AddButton(p, "РАССЧИТАТЬ  ЛИМИТ", rx + 84, 28, rw - 84, 20, idAuto);
    ShowWindow(auto_, SW_HIDE);
    unlim_ = AddCheck(p, "ИСПОЛЬЗОВАТЬ  БЕЗВРЕМЕННОЙ  ЛИМИТ", rx, 51, rw, 15, idUnlim);
    backup_ = AddCheck(p, "СОХРАНЯТЬ  НЕИСПОЛЬЗОВАННЬIЕ  БАЙТЬI", rx, 67, rw, 15, idBackup);
    for (HWND box : {unlim_, backup_}) {
        SetWindowLongPtrW(box, GWL_STYLE, GetWindowLongPtrW(box, GWL_STYLE) | BS_MULTILINE);
        UseSmallFont(box);
    }
    // The lock texts: four lines of the reason, then what to do, each line whole.
    warn_ = AddLabel(p, "", rx, 86, rw, 46, IDC_TXT_WARN, SS_CENTER);
    solution_ = AddLabel(p, "", rx, 134, rw, h - 134, IDC_TXT_SOLUTION, SS_CENTER);
    for (HWND label : {warn_, solution_}) {
        UseSmallFont(label);
        ShowWindow(label, SW_HIDE);
    }
    return true;
}

// The dialog keeps the counters in the order they are written; the editor numbers its fields as tagged.
constexpr CounterField kStoredAs[kStatFieldCount] = {kFieldDayLimit, kFieldDay, kFieldMonthLimit, kFieldMonth,
                                                     kFieldBackup, kFieldUpLimit, kFieldUp};

void StatisticsPart::Fill(const SettingsValues& v) {
    for (int f = 1; f <= kStatFieldCount; ++f) editor_.raw[f - 1] = v.counters[kStoredAs[f - 1]];
    editor_.unit = StatUnitOrBytes(v.lst_units);
    editor_.decimals = StatDecimalsOrNone(v.lst_float);
    editor_.separator = LocaleDecimalSeparator();
    editor_.lock = host_.StatisticsLock();
    Select(units_, v.lst_units);
    Select(decimals_, v.lst_float);
    SetChecked(unlim_, v.box_unlim);
    SetChecked(backup_, v.box_backup);
    Refresh();
}

void StatisticsPart::Collect(SettingsValues& v) const {
    for (int f = 1; f <= kStatFieldCount; ++f) v.counters[kStoredAs[f - 1]] = editor_.raw[f - 1];
    v.lst_units = Selection(units_);
    v.lst_float = Selection(decimals_);
    v.box_unlim = Checked(unlim_);
    v.box_backup = Checked(backup_);
}

void StatisticsPart::ShowLockTexts(int lock) {
    editor_.lock = lock;
    ShowWindow(warn_, lock != 0 ? SW_SHOW : SW_HIDE);
    ShowWindow(solution_, lock != 0 ? SW_SHOW : SW_HIDE);
    if (lock == -1) {
        SetText(warn_, "ИЗМЕНЕНИЕ  ДАННЬIХ  СТАТИСТИКИ\nНЕВОЗМОЖНО,  ТАК  КАК  МОДУЛЬ  НАСТРОЕК\nНЕ  ПОДХОДИТ  К  ВЕРСИИ  ГЛАВНОГО  МОДУЛЯ\nИ  МОЖЕТ  ВЬIЗВАТЬ  ИСКАЖЕНИЕ  ЭТИХ  ДАННЬIХ");
        SetText(solution_, "ДЛЯ  ИЗМЕНЕНИЯ  ДАННЫХ  ОБНОВИТЕ  ИСПОЛНЯЕМЫЙ\nФАЙЛ  ГЛАВНОГО  МОДУЛЯ  ДО ВЕРСИИ  BETA.06  И  ВЫШЕ");
    } else if (lock != 0) {
        SetText(warn_, "ИЗМЕНЕНИЕ  ДАННЬIХ  СТАТИСТИКИ\nНЕВОЗМОЖНО,  КОГДА  ОКНО  НАСТРОЕК\nПРОГРАММЬI  ОТКРЬIВАЕТСЯ  ВО  ВРЕМЯ\nАКТИВНОГО  СОЕДИНЕНИЯ  С  ИНТЕРНЕТОМ");
        SetText(solution_, "ДЛЯ  ИЗМЕНЕНИЯ  ДАННЫХ  ОТКРЫВАЙТЕ  НАСТРОЙКИ\nВ  МОМЕНТ  ОТСУТСТВИЯ  СОЕДИНЕНИЯ  С  ИНТЕРНЕТОМ");
    }
}

void StatisticsPart::Refresh() {
    refreshing_ = true;
    for (int f = 1; f <= kStatFieldCount; ++f) SetText(unit_[f - 1], StatUnitLabel(editor_.unit));
    const StatRefresh r = editor_.Refresh();
    for (int f = 1; f <= kStatFieldCount; ++f)
        if (r.shown[f - 1]) SetText(edit_[f - 1], *r.shown[f - 1]);
    const std::optional<LimitStatus> rows[3] = {r.day, r.month, r.up};
    for (int k = 0; k < 3; ++k) {
        if (!rows[k]) continue;
        SetText(statusText_[k], LimitStatusText(*rows[k]));
        statusColour_[k] = LimitStatusColour(*rows[k]);
        statusShown_[k] = true;
        InvalidateRect(statusSquare_[k], nullptr, TRUE);
    }
    refreshing_ = false;
}

void StatisticsPart::WarnLocked(const char* text) {
    host_.ShowHint(true, 2, text);
    warnTimer_->tag = 0;
    warnTimer_->SetEnabled(false);
    warnTimer_->SetEnabled(true);
}

void StatisticsPart::ShowEditing(int field, bool editing) {
    HWND box = edit_[field - 1];
    SendMessageW(box, EM_SETREADONLY, editing ? FALSE : TRUE, 0);
    const LONG_PTR ex = GetWindowLongPtrW(box, GWL_EXSTYLE);
    SetWindowLongPtrW(box, GWL_EXSTYLE, editing ? ex | WS_EX_CLIENTEDGE : ex & ~WS_EX_CLIENTEDGE);
    // The edge takes two pixels on each side; an edited box reaches into the one-pixel gaps above and
    // below its row, so that a line of its font still fits inside.
    RECT r = shownAt_[field - 1];
    if (editing) InflateRect(&r, 0, 1);
    SetWindowPos(box, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void StatisticsPart::ToggleField(int field) {
    switch (editor_.ToggleField(field)) {
        case StatisticsEditor::Toggle::Refused:
            WarnLocked("Внимание! Изменение данных статистики сейчас невозможно. Подробности под кнопкой «RESET».");
            return;
        case StatisticsEditor::Toggle::Editing: {
            HWND box = edit_[field - 1];
            if (editor_.AutoButtonVisible()) ShowWindow(auto_, SW_SHOW);
            ShowEditing(field, true);
            SetFocus(box);
            return;
        }
        case StatisticsEditor::Toggle::Committed: CommitField(field); return;
    }
}

void StatisticsPart::CommitField(int field) {
    editor_.Commit(field);
    Refresh();
    host_.EnableOkApply(true);
    ShowEditing(field, false);
    if (!editor_.AutoButtonVisible()) ShowWindow(auto_, SW_HIDE);
}

bool StatisticsPart::KeyInField(int field, char key) {
    if (!editor_.Editing(field)) return true;
    switch (StatKeyAction(key, editor_.separator)) {
        case StatKey::Commit: CommitField(field); return false;
        case StatKey::Swallow: return false;
        case StatKey::Pass: return true;
        case StatKey::Refuse: Beep(100, 100); return false;
    }
    return false;
}

void StatisticsPart::OnCommand(int id, int code) {
    if (id > idEdit && id <= idEdit + kStatFieldCount && code == EN_CHANGE) {
        const int field = id - idEdit;
        if (refreshing_ || host_.Loading()) return;
        switch (editor_.TextChanged(field, TextOf(edit_[field - 1]))) {
            case TypedKind::Stored: host_.EnableOkApply(false); break;
            case TypedKind::Invalid:
                host_.Box(kInvalidTyped, MB_ICONWARNING);
                Refresh();
                break;
            case TypedKind::Ignored: break;
        }
        return;
    }
    if (id > idPlus && id <= idPlus + kStatFieldCount && code == STN_CLICKED) {
        ToggleField(id - idPlus);
        return;
    }
    switch (id) {
        case idUnits:
        case idFloat:
            if (code != CBN_SELCHANGE) return;
            editor_.unit = StatUnitOrBytes(Selection(units_));
            editor_.decimals = StatDecimalsOrNone(Selection(decimals_));
            Refresh();
            return;
        case idAuto:
            if (editor_.Editing(sfDayLimit)) CommitField(sfDayLimit);
            if (!editor_.DeriveDailyLimit()) return;
            Refresh();
            host_.ShowHint(true, 3, "Дневной лимит был расчитан по формуле: «месячный лимит» / 30 дней.");
            return;
        case idReset:
            if (editor_.Locked()) {
                WarnLocked("Внимание! Очистка данных статистики сейчас невозможна. Подробности под кнопкой «RESET».");
                return;
            }
            if (host_.Box("очистить данные статистики сейчас?", MB_ICONQUESTION | MB_YESNO) != IDYES) return;
            editor_.ResetCounters();
            Refresh();
            return;
        case idUnlim:
            host_.EnableApply();
            host_.ShowHint(true, 4, Checked(unlim_)
                ? "Статистика не будет очищаться раз в месяц (сроки действия тарифа больше не действуют)."
                : "Статистика буде очищаться раз в месяц, в первых числах (если не используется модуль альтернативного тарифа).");
            return;
        case idBackup:
            host_.EnableApply();
            if (Checked(backup_))
                host_.ShowHint(true, 4, "Неиспользованный в течение месяца «бесплатный» входящий трафик будет сохранён (подробности - в справке).");
            else
                host_.ShowHint(true, 0, "");
            return;
        default: return;
    }
}

LRESULT StatisticsPart::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
        case WM_ERASEBKGND: EraseWithFace(Handle(), reinterpret_cast<HDC>(wp)); return 1;
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wp);
            HWND control = reinterpret_cast<HWND>(lp);
            for (int k = 0; k < 3; ++k) {
                if (control == statusSquare_[k] && statusShown_[k]) {
                    SetDCBrushColor(dc, statusColour_[k]);
                    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
                }
            }
            SetBkMode(dc, TRANSPARENT);
            if (control == warn_) {
                const int tag = warnTimer_->tag;
                const bool red = warnTimer_->Enabled() && tag % 2 == 1;
                SetTextColor(dc, red ? RGB(255, 0, 0) : RGB(128, 128, 128));
            }
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        default: return DefaultMessage(msg, wp, lp);
    }
}

std::optional<LRESULT> StatisticsPart::EditMessage(int field, UINT msg, WPARAM wp) {
    const char key = wp < 128 ? static_cast<char>(wp) : 1;  // no key beyond ASCII passes the filter
    if (msg == WM_CHAR && !KeyInField(field, key)) return 0;
    if (msg == WM_LBUTTONDBLCLK) {
        ToggleField(field);
        return 0;
    }
    return std::nullopt;
}

}  // namespace quon::config
