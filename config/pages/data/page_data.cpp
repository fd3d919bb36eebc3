#include "config/pages/data/page_data.h"

namespace quon::config {

void PageData::OnInitDialog() {
    RECT area;
    GetClientRect(Handle(), &area);
    parts_.Create(Handle(), 0, 0, area.right, area.bottom);
}

void PageData::Fill(const SettingsValues& v) {
    countersAtOpening_ = v.countersAtOpening;
    parts_.Fill(v);
}

void PageData::Collect(SettingsValues& v) const {
    parts_.Collect(v);
    v.countersAtOpening = countersAtOpening_;
}

void PageData::CountersSaved() {
    SettingsValues saved;
    parts_.statistics.Collect(saved);
    countersAtOpening_ = saved.counters;
}

}  // namespace quon::config
