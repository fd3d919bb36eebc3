#pragma once
// The data page's statistics editor: the counters and limits of data.qif in the chosen unit with their
// limit status, edited, reset and derived; the unit lists; the lock texts when editing is impossible.
#include <windows.h>

#include <memory>
#include <optional>

#include "config/pages/common/page_host.h"
#include "config/pages/common/page_part.h"
#include "config/pages/data/statistics_editor.h"
#include "config/settings/settings_values.h"
#include "framework/timer.h"

namespace quon::config {

class StatisticsPart : public PagePart {
public:
    explicit StatisticsPart(PageHost& host);
    ~StatisticsPart() override;
    bool Create(HWND parent, int x, int y, int w, int h);

    void Fill(const SettingsValues& values);
    void Collect(SettingsValues& values) const;
    // The texts that say why the statistics cannot be changed, shown while the lock is not 0.
    void ShowLockTexts(int lock);
    // The page refresh: every field in the chosen unit, the status rows.
    void Refresh();

    const StatisticsEditor& Editor() const { return editor_; }
    HWND LockText() const { return warn_; }
    HWND SolutionText() const { return solution_; }
    // Control ids: the edit of field f is idEdit + f, its "..." panel idPlus + f.
    enum Id : int { idEdit = 300, idPlus = 310, idUnits = 320, idFloat, idAuto, idReset, idUnlim, idBackup };
    static int EditId(int field) { return idEdit + field; }
    static int PlusId(int field) { return idPlus + field; }

    // The row's toggle, Enter and a typed text, as the user's actions reach them (also used by tests).
    void ToggleField(int field);
    // true when the key goes on into the box.
    bool KeyInField(int field, char key);

private:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCommand(int id, int code);
    void CommitField(int field);
    // The two looks of a value box: shown (read-only, no border, on the face colour that WM_CTLCOLORSTATIC
    // gives a read-only edit) and edited (writable, on the window colour, with an ordinary edit's edge).
    void ShowEditing(int field, bool editing);
    void WarnLocked(const char* text);
    // A key or double click in the box of field f; a result when it is taken here.
    std::optional<LRESULT> EditMessage(int field, UINT msg, WPARAM wp);

    PageHost& host_;
    StatisticsEditor editor_;
    HWND edit_[kStatFieldCount] = {}, unit_[kStatFieldCount] = {};
    RECT shownAt_[kStatFieldCount] = {};  // a value box's place while it is shown, in the part's pixels
    HWND statusText_[3] = {}, statusSquare_[3] = {};
    uint32_t statusColour_[3] = {};
    bool statusShown_[3] = {};
    HWND units_ = nullptr, decimals_ = nullptr, auto_ = nullptr, unlim_ = nullptr, backup_ = nullptr;
    HWND warn_ = nullptr, solution_ = nullptr;
    std::unique_ptr<fw::Timer> warnTimer_;
    bool refreshing_ = false;
};

}  // namespace quon::config
