#pragma once
// The data page's three parts: the statistics editor above, the accounting period and the plug-ins
// below it. The period group unfolds over the plug-in list.
#include <windows.h>

#include "config/pages/common/page_host.h"
#include "config/pages/data/period_part.h"
#include "config/pages/data/plugins_part.h"
#include "config/pages/data/statistics_part.h"

namespace quon::config {

class DataParts {
public:
    explicit DataParts(PageHost& host) : statistics(host), period(host), plugins(host) {}
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
