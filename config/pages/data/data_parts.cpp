#include "config/pages/data/data_parts.h"

namespace quon::config {
namespace {

constexpr int kStatisticsHeight = 180, kGap = 2, kFolded = 35, kUnfolded = 95;

}  // namespace

bool DataParts::Create(HWND parent, int x, int y, int w, int h) {
    x_ = x, y_ = y, w_ = w, h_ = h;
    const int periodTop = y + kStatisticsHeight + kGap;
    if (!statistics.Create(parent, x, y, w, kStatisticsHeight) || !period.Create(parent, x, periodTop, w, kUnfolded) ||
        !plugins.Create(parent, x, periodTop + kFolded + kGap, w, h - kStatisticsHeight - kFolded - 2 * kGap))
        return false;
    Place(kFolded);
    period.onExpanderClick = [this] { ToggleExpanded(); };
    plugins.onRestore = [this] { ToggleExpanded(); };
    plugins.onPluginsOption = [this](bool on) { period.EnableExpander(on); };
    return true;
}

void DataParts::Place(int periodHeight) {
    const int periodTop = y_ + kStatisticsHeight + kGap;
    const int pluginsTop = periodTop + periodHeight + kGap;
    SetWindowPos(period.Handle(), nullptr, x_, periodTop, w_, periodHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(plugins.Handle(), nullptr, x_, pluginsTop, w_, y_ + h_ - pluginsTop, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(period.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RedrawWindow(plugins.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void DataParts::ToggleExpanded() {
    HWND button = period.Expander();
    SetWindowTextW(button, L"");
    EnableWindow(button, FALSE);
    if (expanded_) {
        period.SetExpanded(false);
        plugins.ShowList(false);
        ShowWindow(GetDlgItem(plugins.Handle(), PluginsPart::idRestore), SW_HIDE);
        for (int h = kUnfolded; h >= kFolded; h -= 5) {
            Place(h);
            Sleep(10);
        }
        plugins.ShowList(true);
    } else {
        plugins.ShowList(false);
        ShowWindow(GetDlgItem(plugins.Handle(), PluginsPart::idRestore), SW_HIDE);
        for (int h = kFolded; h <= kUnfolded; h += 5) {
            Place(h);
            Sleep(10);
        }
        ShowWindow(GetDlgItem(plugins.Handle(), PluginsPart::idRestore), SW_SHOW);
    }
    expanded_ = !expanded_;
    period.SetExpanded(expanded_);
    EnableWindow(button, plugins.PluginsOn());
}

void DataParts::Fill(const SettingsValues& v) {
    statistics.Fill(v);
    period.Fill(v);
    plugins.Fill(v);
}

void DataParts::Collect(SettingsValues& v) const {
    statistics.Collect(v);
    period.Collect(v);
    plugins.Collect(v);
}

}  // namespace quon::config
