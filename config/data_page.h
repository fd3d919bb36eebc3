#pragma once
// The data page: the statistics editor above, the accounting period and the plug-ins below it. The
// period group unfolds over the plug-in list.
#include <windows.h>

#include "config/page_host.h"
#include "config/period_part.h"
#include "config/plugins_part.h"
#include "config/statistics_part.h"

namespace quon::config {

class DataPage {
public:
    explicit DataPage(PageHost& host) : statistics(host), period(host), plugins(host) {}
    bool Create(HWND parent, int x, int y, int w, int h);

    void Fill(const SettingsValues& values);
    void Collect(SettingsValues& values) const;

    void ToggleExpanded();
    bool Expanded() const { return expanded_; }

    StatisticsPart statistics;
    PeriodPart period;
    PluginsPart plugins;

private:
    void Place(int periodHeight);
    int x_ = 0, y_ = 0, w_ = 0, h_ = 0;
    bool expanded_ = false;
};

}  // namespace quon::config
