#pragma once
// The log page's one part: the log options, the playback of the activity log on a strip of level
// pictures, the event-log viewer with its filters, and the deletion of both logs.
#include <windows.h>

#include <functional>
#include <memory>

#include "config/pages/log/activity_playback.h"
#include "config/pages/log/event_log_view.h"
#include "config/pages/common/page_host.h"
#include "config/pages/common/page_part.h"
#include "config/settings/settings_values.h"
#include "framework/timer.h"

namespace quon::config {

class LogPart : public PagePart {
public:
    explicit LogPart(PageHost& host);
    bool Create(HWND parent, int x, int y, int w, int h);

    void Fill(const SettingsValues& values);
    void Collect(SettingsValues& values) const;

    // Whether the monthly and the upload limits are set (the viewer then shows the balances).
    std::function<bool()> receivedLimitSet = [] { return true; };
    std::function<bool()> sentLimitSet = [] { return true; };

    // Another page was chosen: playback stops, the strip keeps its pictures.
    void StopPlayback();

    // The user's actions (also used by tests).
    void LoadViewer();
    void ClickFilter(int box);  // 0..3: state, statistics, program, important
    void ClearEventLog();
    void ClearActivityLog();
    void StartPlayback();
    bool Playing() const { return playback_.Playing(); }
    const ViewerModel& Viewer() const { return model_; }  // what the viewer shows, line by line
    const LevelStrip& Strip() const { return strip_; }

    enum Id : int { idLogData = 600, idLogTraffic, idLogClear, idStrip, idBar, idInterval, idSpeed, idViewer,
                    idVisA, idVisB, idVisC, idVisD, idShow, idClearData, idClearSpeed, idMenuLoad, idMenuCopy };

private:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCommand(int id, int code);
    void PlayTick();
    void DrawStrip(const DRAWITEMSTRUCT& d) const;
    void DrawLine(const DRAWITEMSTRUCT& d) const;
    void ShowLines(const std::vector<ViewerLine>& lines);
    void ShowModel();
    void CopyLine();

    PageHost& host_;
    HWND logData_ = nullptr, logTraffic_ = nullptr, logClear_ = nullptr, stripView_ = nullptr, bar_ = nullptr;
    HWND interval_ = nullptr, speed_ = nullptr, viewer_ = nullptr, vis_[4] = {}, show_ = nullptr;
    std::unique_ptr<fw::Timer> tick_;
    ActivityPlayback playback_;
    LevelStrip strip_{};
    ViewerModel model_;
    bool loaded_ = false;
};

}  // namespace quon::config
