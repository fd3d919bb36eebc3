#pragma once
// The data page's plug-ins: the option to use them, the list of the modules in PLUGINS\ with their
// state, activation and self-description, switching them, their own settings, sorting and scanning.
// Every row carries its own record, so a sort never mixes one module's data into another's.
#include <windows.h>

#include <functional>
#include <vector>

#include "config/pages/common/page_host.h"
#include "config/pages/common/page_part.h"
#include "config/pages/data/plugin_rows.h"
#include "config/settings/settings_values.h"

namespace quon::config {

class PluginsPart : public PagePart {
public:
    explicit PluginsPart(PageHost& host) : host_(host) {}
    bool Create(HWND parent, int x, int y, int w, int h);

    void Fill(const SettingsValues& values);
    // The rows in the order shown, each with its own record.
    void Collect(SettingsValues& values) const;

    std::vector<PluginRecord> RowsShown() const;
    bool PluginsOn() const;
    void ShowList(bool on);  // hidden while the accounting-period group is unfolded
    std::function<void(bool on)> onPluginsOption;
    std::function<void()> onRestore;

    // The user's actions, as the list and the buttons reach them (also used by tests).
    void Scan();
    void SelectRow(int row);
    void ClickColumn(int column);
    void SetEnabled(bool on);  // the check box beside the list, as the user ticks it
    void OpenSettings();

    enum Id : int { idControl = 500, idList, idOn, idOff, idEnabled, idConfig, idScan, idRestore,
                    idMenuToggle, idMenuScan, idMenuMail, idMenuWeb };

private:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCommand(int id, int code);
    LRESULT OnNotify(const NMHDR& n);
    void Fill(std::vector<PluginRecord> rows);
    int Selected() const;  // the record index of the selected row, -1 without one
    void FollowSelection();
    void EnabledClicked();
    void ShowRowCells(int listRow);
    void Popup(POINT at);
    void OpenAddress(bool mail);
    static int CALLBACK Compare(LPARAM a, LPARAM b, LPARAM self);

    PageHost& host_;
    std::vector<PluginRecord> records_;  // item data of a list row = its index here
    PluginSort sort_;
    HWND control_ = nullptr, list_ = nullptr, on_ = nullptr, off_ = nullptr, enabled_ = nullptr;
    HWND config_ = nullptr, scan_ = nullptr, restore_ = nullptr;
    bool enabledTag_ = true;
};

}  // namespace quon::config
