#pragma once
// The data page's own accounting period: on or off, the start of the next period with its days-left
// label, the reminder and the period length; the group folds open under the plug-ins option.
#include <windows.h>

#include <functional>
#include <string>

#include "config/pages/data/page_data_ids.h"
#include "config/pages/common/page_host.h"
#include "config/pages/common/page_part.h"
#include "config/settings/settings_values.h"
#include "framework/control_values.h"

namespace quon::config {

class PeriodPart : public PagePart {
public:
    explicit PeriodPart(PageHost& host) : host_(host) {}
    bool Create(HWND parent, int x, int y, int w, int h);

    void Fill(const SettingsValues& values);
    void Collect(SettingsValues& values) const;

    // The expander button: enabled with the plug-ins option; a click asks the page to fold or unfold.
    void EnableExpander(bool on) { fw::Enable(expander_, on); }
    void SetExpanded(bool expanded);  // shows or hides the inner panel, sets the button's caption
    HWND Expander() const { return expander_; }
    std::function<void()> onExpanderClick;

    enum Id : int { idAlt = IDC_BOX_ALT, idExpander = 401, idRemind, idNext, idRemindDays, idRemindSpin, idPeriod,
                    idPeriodSpin };

    void UpdateDaysLeft();
    HWND DaysLeftText() const { return left_; }

private:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCommand(int id, int code);
    void EnableInner(bool on);
    // The days-left label for these texts of the date, the period and the reminder.
    void ShowDaysLeft(const std::string& next, const std::string& period, const std::string& remind);

    PageHost& host_;
    HWND alt_ = nullptr, expander_ = nullptr, remind_ = nullptr, next_ = nullptr, left_ = nullptr;
    HWND remindDays_ = nullptr, remindSpin_ = nullptr, period_ = nullptr, periodSpin_ = nullptr;
    bool alarm_ = false;
    bool reading_ = false;
};

}  // namespace quon::config
