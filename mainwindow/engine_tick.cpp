// One tick of the engine carried out on the main window: the port through which the tick reads the
// settings, drives the timers, menus and tray, and stores the counters.
#include <windows.h>

#include "engine/poll_tick.h"
#include "engine/settings_file.h"
#include "engine/value_forms.h"
#include "framework/message_box.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

class MainWindowTickPort final : public TickPort {
public:
    explicit MainWindowTickPort(Tfrm_quonm& form) : f_(form), separator_(LocaleDecimalSeparator()) {}

    double PollStatistics() override { return f_.GetRasStatistics(false); }
    int64_t ReadInteger(const char* section, const char* key, int64_t def) override {
        return fw::IniFile(SettingsPath()).ReadInteger(section, key, def);
    }
    std::string ReadString(const char* section, const char* key, const std::string& def) override {
        return fw::IniFile(SettingsPath()).ReadString(section, key, def);
    }
    char DecimalSeparator() override { return separator_; }

    void StopTimer(TickTimer t) override { Timer(t).SetEnabled(false); }
    void StartTimer(TickTimer t) override { Timer(t).SetEnabled(true); }
    bool TimerRunning(TickTimer t) override { return Timer(t).Enabled(); }
    void SetTimerInterval(TickTimer t, unsigned ms) override { Timer(t).SetInterval(ms); }
    int TimerTag(TickTimer t) override { return Timer(t).tag; }
    void SetTimerTag(TickTimer t, int tag) override { Timer(t).tag = tag; }

    void ShowOnlineMenus(bool online) override {
        f_.sub_hangup->visible = online;
        f_.sub_connect->visible = !online && f_.sub_connect->enabled;
        f_.sub_separator_6->visible = online || f_.sub_connect->visible;
    }
    void ShowBalloon(const std::string& text, BalloonIcon icon) override {
        f_.ShowBalloon(kProductName, text, icon, 10);
    }
    void PlayEventSound(const std::string& file) override { f_.PlayEventSound(file); }
    void Beep(unsigned hz, unsigned ms) override { ::Beep(hz, ms); }
    void Pause(unsigned ms) override { Sleep(ms); }
    void ShowWindow() override { f_.sub_showClick(); }
    void HangUp() override { f_.sub_hangupClick(); }

    void WriteEventLog(EventLogCode code, const std::string& value) override { f_.WriteEventLog(code, value); }
    bool AppendActivityLog(char digit) override { return f_.AppendActivityLog(digit); }
    bool StoreCounters(const KeyValues& keys) override { return fw::IniFile(SettingsPath()).WriteKeys(keys::kBytes, keys); }
    void ShowStoreFailure() override {
        fw::ShowBox("внимание! возникла ошибка при попытке записать данные на диск\n"
                    "[ данные этого соединения не будут учтены в общей статистике ]",
                    MB_ICONERROR);
    }
    void ReloadSettings() override { f_.LoadSettings(); }
    void DeleteProtectFiles() override { f_.DeleteProtectFiles(); }
    void WriteProtectCopies(const KeyValues& keys) override { (void)f_.WriteProtectCopies(keys); }

    void SetTrayIcon(TraySlot slot) override { f_.SetTrayIcon(slot); }
    void SetTrayHint(const std::string& hint) override { f_.SetTrayHint(hint); }
    void RunAnimationFrame() override { f_.tmr_animationTimer(); }
    int64_t HintMode() override {
        if (f_.sub_3->checked) return 3;
        if (f_.sub_2->checked) return 2;
        if (f_.sub_1->checked) return 1;
        return 0;
    }

    void RunPlugins(PluginEvent event) override { f_.RunPlugins(event); }
    bool IndicatorOn() override { return f_.sub_floating->checked; }
    void SendIndicatorLevel(const std::string& text) override { f_.SendCopyData(kIndicatorWindowClass, cdLevel, true, text); }

private:
    fw::Timer& Timer(TickTimer t) {
        switch (t) {
            case TickTimer::Get: return f_.tmr_get;
            case TickTimer::Idle: return f_.tmr_idle;
            case TickTimer::Wait: return f_.tmr_wait;
            case TickTimer::Protect: return f_.tmr_protect;
            case TickTimer::Animation: break;
        }
        return f_.tmr_animation;
    }

    Tfrm_quonm& f_;
    char separator_;
};

}  // namespace

void Tfrm_quonm::RunEngineTick() {
    MainWindowTickPort port(*this);
    RunPollTick(eng, opt, texts, port);
}

}  // namespace quon
