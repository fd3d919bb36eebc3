#include "engine/poll_tick.h"

#include <algorithm>

#include "engine/activity_level.h"
#include "engine/display_figures.h"
#include "engine/event_log_format.h"
#include "engine/plugin_list.h"
#include "engine/product.h"
#include "engine/protect_copy.h"
#include "engine/settings_keys.h"
#include "engine/tray_texts.h"
#include "engine/value_forms.h"

namespace quon {
namespace {

class TickGuard {
public:
    explicit TickGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~TickGuard() { flag_ = false; }

private:
    bool& flag_;
};

bool IsIgnored(const Options& opt, const std::string& entry) {
    return std::find(opt.ignoreList.begin(), opt.ignoreList.end(), entry) != opt.ignoreList.end();
}

void Connect(EngineState& eng, Options& opt, TickPort& port) {
    // A connection the counters already hold in part (it went on after an odd poll, or across a restart)
    // adds only what it gains from now on; any other starts from nothing stored.
    const ConnectionTotals now{eng.connIn, eng.connOut, eng.connDuration};
    if (!Continues(eng.stored, PolledConnection(eng), now)) eng.stored = StoredConnection{PolledConnection(eng), {}};
    else eng.stored.id.startMs = eng.connStartMs;  // the record names it by the beginning this run reads
    eng.dayWarned = eng.monthWarned = false;
    port.SetTimerTag(TickTimer::Idle, 0);
    port.StopTimer(TickTimer::Wait);
    // The first tick of a connection measures from the connection's own totals: speed 0, level 0.
    eng.prevIn = eng.connIn;
    eng.prevOut = eng.connOut;
    eng.prevDuration = eng.connDuration;
    port.ShowOnlineMenus(true);
    if (opt.balloonsOn) port.ShowBalloon(BalloonLengthText(kBalloonOnline + eng.entryName + ")"), BalloonIcon::Info);
    port.PlayEventSound(keys::Read(port, keys::kSoundConnect));
    if (keys::Read(port, keys::kShowOnConnect) != 0) port.ShowWindow();
    if (opt.eventLogOn) port.WriteEventLog(elConnected, "Connected:" + eng.entryName);
    if (opt.protectionOn) {
        port.DeleteProtectFiles();
        port.StopTimer(TickTimer::Protect);
        port.StartTimer(TickTimer::Protect);
    }
    if (opt.animationOn && !opt.fullStopOn) port.SetTrayIcon(TraySlot::Level0);
    port.RunPlugins(peOnline);
}

// The counted connection's totals as the last completed tick saw them.
ConnectionTotals LastSeen(const EngineState& eng) { return {eng.prevIn, eng.prevOut, eng.prevDuration}; }

void StoreConnection(EngineState& eng, const Options& opt, TickPort& port) {
    const ConnectionTotals seen = LastSeen(eng);
    const ConnectionTotals added = Unstored(eng.stored, eng.stored.id, seen);
    // The copies first catch up with what is stored now: a copy never names less of this connection than
    // the record, so a start after a kill before their deletion finds nothing left to add.
    port.WriteProtectCopies(ProtectCopyKeys(eng.stored.id, seen));
    const StoredConnection record{eng.stored.id, seen};
    if (port.StoreCounters(CounterStoreKeys(opt.counters, added, record, port.DecimalSeparator())))
        eng.stored = record;
    else
        port.ShowStoreFailure();
}

void Disconnect(EngineState& eng, Options& opt, TickPort& port) {
    port.StopTimer(TickTimer::Get);
    port.StopTimer(TickTimer::Idle);
    port.StopTimer(TickTimer::Animation);
    port.ShowOnlineMenus(false);
    if (opt.balloonsOn) port.ShowBalloon(kBalloonOffline, BalloonIcon::Info);
    port.PlayEventSound(keys::Read(port, keys::kSoundDisconnect));
    const int64_t hide = keys::Read(port, keys::kHideAfterDisconnect);
    if (hide > 0) {
        port.SetTimerInterval(TickTimer::Wait, static_cast<unsigned>(std::min<int64_t>(hide, 4000000) * 1000));
        port.StopTimer(TickTimer::Wait);
        port.StartTimer(TickTimer::Wait);
    }
    if (opt.eventLogOn) {
        const Counters& c = opt.counters;
        const char sep = port.DecimalSeparator();
        port.WriteEventLog(elDisconnected, "Disconnected");
        const ConnectionTotals added = Unstored(eng.stored, eng.stored.id, LastSeen(eng));
        port.WriteEventLog(elReceived, ReceivedEventValue(added.in, c.day, c.month, c.monthlim, eng.stored.id.entry, sep));
        port.WriteEventLog(elSent, SentEventValue(added.out, c.up, c.uplim, sep));
    }
    StoreConnection(eng, opt, port);
    port.ReloadSettings();
    port.StartTimer(TickTimer::Get);
    // Stopped whatever protection says now: it may have been switched off during the connection.
    port.StopTimer(TickTimer::Protect);
    port.DeleteProtectFiles();
    port.RunPlugins(peOffline);
}

void ShowLevelInTray(const Options& opt, int level, TickPort& port) {
    if (!opt.animationOn) {
        port.StopTimer(TickTimer::Animation);
        port.SetTrayIcon(LevelSlot(level));
        return;
    }
    if (level == 0) {
        if (opt.fullStopOn) {
            port.SetTrayIcon(TraySlot::Level0);
            port.SetTimerTag(TickTimer::Animation, -1);
        }
        port.StopTimer(TickTimer::Animation);
        return;
    }
    port.SetTimerInterval(TickTimer::Animation, AnimationIntervalMs(level));
    port.StopTimer(TickTimer::Animation);
    if (port.TimerTag(TickTimer::Animation) == -1) {
        port.SetTimerTag(TickTimer::Animation, 0);
        port.RunAnimationFrame();
    }
    port.StartTimer(TickTimer::Animation);
}

void DriveIdleTimer(const Options& opt, int level, TickPort& port) {
    if (level == 0 && opt.idleMinutes >= 1) {
        if (!port.TimerRunning(TickTimer::Idle)) port.StartTimer(TickTimer::Idle);
    } else {
        port.StopTimer(TickTimer::Idle);
        port.SetTimerTag(TickTimer::Idle, 0);
    }
}

void CheckLimits(EngineState& eng, const Options& opt, TickPort& port) {
    const Counters& c = opt.counters;
    const double received = NotYetStored(eng).in;
    if (!eng.dayWarned && c.daylim - (received + c.day) < 0) {
        if (keys::Read(port, keys::kBeepDay) != 0) {
            port.Beep(1000, 250);
            port.Pause(100);
            port.Beep(1000, 250);
            port.Pause(100);
            port.Beep(1000, 250);
        }
        if (keys::Read(port, keys::kHangupDay) != 0) port.HangUp();
        if (opt.balloonsOn) port.ShowBalloon(kBalloonDayLimit, BalloonIcon::Warning);
        port.PlayEventSound(keys::Read(port, keys::kSoundDay));
        eng.dayWarned = true;
    }
    // A monthly limit of 0 or 1 is no limit at all.
    const bool monthLimited = c.monthlim > 1;
    if (monthLimited && !eng.monthWarned && c.monthlim - (received + c.month) < 0) {
        if (keys::Read(port, keys::kBeepMonth) != 0) port.Beep(1000, 1000);
        if (keys::Read(port, keys::kHangupMonth) != 0) port.HangUp();
        if (opt.balloonsOn) port.ShowBalloon(kBalloonMonthLimit, BalloonIcon::Error);
        port.PlayEventSound(keys::Read(port, keys::kSoundMonth));
        eng.monthWarned = true;
    }
}

void OnlineTick(EngineState& eng, Options& opt, DisplayTexts& texts, TickPort& port) {
    ComputeOnlineFigures(eng, opt, port.DecimalSeparator(), texts);
    const int level = ActivityLevel(BytesThisTick(eng.connIn, eng.prevIn), opt.levels);
    eng.level = level;
    ShowLevelInTray(opt, level, port);
    PushActivityLevel(eng, level);
    DriveIdleTimer(opt, level, port);
    CheckLimits(eng, opt, port);
    if (opt.activityLogOn && !port.AppendActivityLog(static_cast<char>('0' + level))) opt.activityLogOn = false;
}

}  // namespace

void RunPollTick(EngineState& eng, Options& opt, DisplayTexts& texts, TickPort& port) {
    if (eng.tickRunning) return;
    TickGuard guard(eng.tickRunning);

    const double r = opt.method == 1 ? -1 : port.PollStatistics();
    eng.polledOnline = r >= 0;
    // Another connection than the counted one (dropped and dialled again between two ticks, perhaps with
    // the same handle): the counted one has ended with the totals the last tick saw, and the new one starts
    // from its own.
    if (eng.polledOnline && eng.countedOnline && !SameConnection(PolledConnection(eng), eng.stored.id)) {
        Disconnect(eng, opt, port);
        eng.countedOnline = false;
    }
    if (eng.polledOnline && IsIgnored(opt, eng.entryName)) return;

    if (eng.polledOnline != eng.countedOnline) {
        if (eng.polledOnline)
            Connect(eng, opt, port);
        else
            Disconnect(eng, opt, port);
    }

    if (eng.polledOnline) {
        OnlineTick(eng, opt, texts, port);
    } else {
        ComputeOfflineFigures(eng, opt, port.DecimalSeparator(), texts);
        port.SetTrayIcon(TraySlot::Offline);
        port.SetTrayHint(kProductName);
    }

    port.SetTrayHint(TrayTooltipText(port.HintMode(), eng, opt));
    if (port.IndicatorOn()) port.SendIndicatorLevel(eng.polledOnline ? std::to_string(eng.level) : "-1");

    eng.prevIn = eng.connIn;
    eng.prevOut = eng.connOut;
    eng.prevDuration = eng.connDuration;
    eng.countedOnline = eng.polledOnline;
}

}  // namespace quon
