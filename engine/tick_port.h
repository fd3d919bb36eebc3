#pragma once
// Everything the poll tick does outside its own state goes through this port: the main window carries it
// out, a test records it. Calls are made in the order the tick decides them.
#include <cstdint>
#include <string>

#include "engine/event_log_format.h"
#include "engine/plugin_list.h"
#include "engine/stored_connection.h"
#include "engine/tray_slot.h"

namespace quon {

enum class TickTimer { Get, Idle, Wait, Protect, Animation };

class TickPort {
public:
    virtual ~TickPort() = default;

    // GetRasStatistics without hang-up: polls RAS, stores the reading (ApplyReading), returns connIn or -1.
    virtual double PollStatistics() = 0;
    // Settings read from data.qif at the moment of use.
    virtual int64_t ReadInteger(const char* section, const char* key, int64_t def) = 0;
    virtual std::string ReadString(const char* section, const char* key, const std::string& def) = 0;
    virtual char DecimalSeparator() = 0;

    virtual void StopTimer(TickTimer t) = 0;
    virtual void StartTimer(TickTimer t) = 0;  // no effect on a running timer
    virtual bool TimerRunning(TickTimer t) = 0;
    virtual void SetTimerInterval(TickTimer t, unsigned ms) = 0;
    virtual int TimerTag(TickTimer t) = 0;
    virtual void SetTimerTag(TickTimer t, int tag) = 0;

    // The hang-up and connect items of the menu for the online or the offline state.
    virtual void ShowOnlineMenus(bool online) = 0;
    virtual void ShowBalloon(const std::string& text, BalloonIcon icon) = 0;  // product title, 10 seconds
    virtual void PlayEventSound(const std::string& file) = 0;                      // asynchronous; "" plays nothing
    virtual void Beep(unsigned hz, unsigned ms) = 0;
    virtual void Pause(unsigned ms) = 0;
    virtual void ShowWindow() = 0;   // sub_showClick
    virtual void HangUp() = 0;       // sub_hangupClick

    virtual void WriteEventLog(EventLogCode code, const std::string& value) = 0;  // silent; only with the event log on
    virtual bool AppendActivityLog(char levelDigit) = 0;                 // false when the write failed
    // These [bytes] keys of data.qif in one write; false when it failed (then none was written).
    virtual bool StoreCounters(const KeyValues& keys) = 0;
    virtual void ShowStoreFailure() = 0;
    virtual void ReloadSettings() = 0;  // LoadSettings: the options and counters may change
    virtual void DeleteProtectFiles() = 0;
    // Both protection copies with these [save] keys; a failure is silent.
    virtual void WriteProtectCopies(const KeyValues& keys) = 0;

    virtual void SetTrayIcon(TraySlot slot) = 0;
    virtual void SetTrayHint(const std::string& hint) = 0;
    virtual void RunAnimationFrame() = 0;  // tmr_animationTimer
    virtual int64_t HintMode() = 0;        // the checked hint menu item, 0..3

    virtual void RunPlugins(PluginEvent event) = 0;
    virtual bool IndicatorOn() = 0;  // sub_floating checked
    virtual void SendIndicatorLevel(const std::string& text) = 0;
};

}  // namespace quon
