#include "config/pages/data/period_part.h"

#include <commctrl.h>

#include "config/pages/data/days_left.h"
#include "config/pages/common/page_controls.h"
#include "engine/calendar_date.h"
#include "framework/ini_file.h"

namespace quon::config {
namespace {

CivilDate Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

}  // namespace

bool PeriodPart::Create(HWND parent, int x, int y, int w, int h) {
    if (!CreatePart(L"QuonPeriodPart", parent, x, y, w, h))
        return false;
    HWND p = Handle();
    AddGroup(p, " н а с т р о й к и    а л ь т е р н а т и в н о г о    о т ч ё т н о г о    п е р и о д а ", 0, 0, w, 95);
    alt_ = AddCheck(p, "ИСПОЛЬЗОВАТЬ  АЛГОРИТМ  АЛЬТЕРНАТИВНОГО  ОТЧЕТНОГО  ПЕРИОДА", 10, 15, w - 130, 14, idAlt);
    UseSmallFont(alt_);  // the long caption fits beside the button
    expander_ = AddButton(p, "НАСТРОИТЬ", w - 112, 12, 104, 19, idExpander);
    EnableWindow(expander_, FALSE);
    remind_ = AddCheck(p, "УВЕДОМЛЯТЬ  О  НАЧАЛЕ  НОВОГО  ОТЧЕТНОГО  ПЕРИОДА", 10, 38, 316, 14, idRemind);
    UseSmallFont(remind_);
    UseSmallFont(AddLabel(p, "НАЧАЛО  СЛЕДУЮЩЕГО  ОТЧЕТНОГО  ПЕРИОДА:", 10, 62, 236, 14));
    next_ = AddDateEdit(p, 250, 58, 76, 20, idNext);
    left_ = AddLabel(p, "", 10, 80, 310, 14, -1, SS_RIGHT);
    SendMessageW(left_, WM_SETFONT, reinterpret_cast<WPARAM>(PageBoldFont()), FALSE);
    ShowWindow(left_, SW_HIDE);
    UseSmallFont(AddLabel(p, "ПРЕДУПРЕЖДАТЬ  ЗА:", 334, 39, 126, 14));
    remindDays_ = AddEdit(p, "0", 462, 35, 36, 20, idRemindDays, ES_READONLY);
    remindSpin_ = AddControl(p, UPDOWN_CLASSW, "", UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, 0, 0, 0,
                             idRemindSpin);
    SendMessageW(remindSpin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(remindDays_), 0);
    SendMessageW(remindSpin_, UDM_SETRANGE32, 0, 20);
    AddLabel(p, "(сут.)", 512, 38, w - 516, 14);
    UseSmallFont(AddLabel(p, "ДЛИТЕЛЬНОСТЬ  ПЕРИОДА:", 334, 77, 126, 14));
    period_ = AddEdit(p, "30", 462, 73, 36, 20, idPeriod, ES_READONLY);
    periodSpin_ = AddControl(p, UPDOWN_CLASSW, "", UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, 0, 0, 0,
                             idPeriodSpin);
    SendMessageW(periodSpin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(period_), 0);
    SendMessageW(periodSpin_, UDM_SETRANGE32, 1, 365);
    SendMessageW(periodSpin_, UDM_SETPOS32, 0, 30);
    AddLabel(p, "(сут.)", 512, 78, w - 516, 14);
    EnableInner(false);
    SetExpanded(false);
    return true;
}

void PeriodPart::EnableInner(bool on) {
    for (HWND c : {remind_, next_, remindDays_, remindSpin_, period_, periodSpin_}) fw::Enable(c, on);
}

void PeriodPart::SetExpanded(bool expanded) {
    for (HWND c = GetWindow(Handle(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
        if (r.top >= 33 && c != left_) ShowWindow(c, expanded ? SW_SHOW : SW_HIDE);
    }
    if (!expanded) ShowWindow(left_, SW_HIDE);
    else UpdateDaysLeft();
    SetText(expander_, expanded ? "СВЕРНУТЬ" : "НАСТРОИТЬ");
}

void PeriodPart::Fill(const SettingsValues& v) {
    reading_ = true;
    SetChecked(alt_, v.box_alt);
    SetChecked(remind_, v.box_remind);
    fw::SetPosition(remindSpin_, static_cast<int>(fw::ParseInteger(v.edt_remind).value_or(0)));
    fw::SetPosition(periodSpin_, static_cast<int>(fw::ParseInteger(v.edt_period).value_or(30)));
    SetText(remindDays_, v.edt_remind);
    SetText(period_, v.edt_period);
    const std::string next = v.edt_next.empty() ? FormatDateText(Today()) : v.edt_next;
    SetText(next_, next);
    EnableInner(v.box_alt);
    reading_ = false;
    ShowDaysLeft(next, v.edt_period, v.edt_remind);  // what the fields were just given, not read back
}

void PeriodPart::Collect(SettingsValues& v) const {
    v.box_alt = Checked(alt_);
    v.box_remind = Checked(remind_);
    v.edt_remind = TextOf(remindDays_);
    v.edt_period = TextOf(period_);
    v.edt_next = TextOf(next_);
}

void PeriodPart::UpdateDaysLeft() { ShowDaysLeft(TextOf(next_), TextOf(period_), TextOf(remindDays_)); }

void PeriodPart::ShowDaysLeft(const std::string& next, const std::string& period, const std::string& remind) {
    const std::optional<DaysLeftLabel> label = DaysLeft(next, period, remind, Today());
    if (!label) {
        fw::Show(left_, false);
        return;
    }
    alarm_ = label->alarm;
    SetText(left_, label->text);
    fw::SetFont(left_, alarm_ ? PageBoldFont() : PageFont());
    if (IsWindowVisible(next_)) fw::Show(left_, true);
}

void PeriodPart::OnCommand(int id, int code) {
    switch (id) {
        case idAlt:
            EnableInner(Checked(alt_));
            UpdateDaysLeft();
            host_.EnableApply();
            if (Checked(alt_))
                host_.ShowHint(true, 4, "Позволяет очищать статистику не раз в месяц, а через определённое количество дней...");
            else
                host_.ShowHint(true, 0, "");
            return;
        case idExpander:
            if (onExpanderClick) onExpanderClick();
            return;
        case idRemind:
            host_.EnableApply();
            host_.ShowHint(false, 0, "");
            return;
        case idNext:
            if (code == EN_CHANGE && !reading_) {
                UpdateDaysLeft();
                host_.EnableApply();  // a new date is a change to save
            } else if (code == EN_KILLFOCUS) {
                const std::string text = TextOf(next_);
                const std::string repaired = RepairedNextDate(text, Today());
                if (repaired != text) SetText(next_, repaired);
            }
            return;
        case idRemindDays:
            if (code == EN_CHANGE && !reading_) {
                UpdateDaysLeft();
                host_.EnableApply();
                host_.ShowHint(false, 0, "");
            }
            return;
        case idPeriod:
            if (code == EN_CHANGE && !reading_) {
                UpdateDaysLeft();
                host_.EnableApply();
                host_.ShowHint(false, 0, "");
            }
            return;
        default: return;
    }
}

LRESULT PeriodPart::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
        case WM_ERASEBKGND: EraseWithFace(Handle(), reinterpret_cast<HDC>(wp)); return 1;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lp) == left_) {
                HDC dc = reinterpret_cast<HDC>(wp);
                SetBkMode(dc, TRANSPARENT);
                SetTextColor(dc, alarm_ ? RGB(255, 0, 0) : GetSysColor(COLOR_BTNTEXT));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            return DefaultMessage(msg, wp, lp);
        default: return DefaultMessage(msg, wp, lp);
    }
}

}  // namespace quon::config
