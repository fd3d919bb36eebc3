#pragma once
// Tfrm_quonm, the program's main window: the skinned meter, owner of the engine state, the timers, the
// pop-up menu and the tray icon. Its handlers live in one file per concern (see the file names beside
// this header); this class only gathers what they share.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/copydata_commands.h"
#include "engine/engine_state.h"
#include "engine/event_log_format.h"
#include "engine/options.h"
#include "engine/plugin_list.h"
#include "engine/product.h"
#include "engine/settings_pages.h"
#include "engine/skin_theme.h"
#include "engine/tray_slot.h"
#include "framework/cool_tray_icon.h"
#include "framework/ini_file.h"
#include "framework/menu.h"
#include "framework/timer.h"
#include "framework/wnd.h"
#include "mainwindow/tray_icon_slots.h"

namespace quon {

class PictureCache;

class Tfrm_quonm : public fw::Wnd {
public:
    explicit Tfrm_quonm(std::string firstArgument);
    ~Tfrm_quonm() override;

    // Creates the window (findable by class from then on), then runs FormCreate.
    bool CreateForm();

    // ---- start-up (form_create.cpp) ----
    void FormCreate();
    void tmr_offsetTimer();
    void tmr_autoTimer();
    void BuildPluginSettingsMenu();
    void BuildDialUpMenu();

    // ---- settings (load_settings.cpp) ----
    bool LoadSettings();
    void PlaceWindowFromOptions();

    // ---- start of day (start_of_day*.cpp) ----
    void RunStartOfDay(const fw::IniFile& ini);  // recovery, new day, new month, the stamp

    // ---- quit, restart, idle hang-up (quit_restart.cpp) ----
    void sub_quitClick();
    void sub_hangupClick();
    void sub_restartClick();
    void tmr_idleTimer();
    // Starts the new instance of a restart (false when it cannot); in-process tests put a stand-in here.
    std::function<bool()> startNewInstance;

    // ---- the poll timer and the close from outside (poll_tick.cpp) ----
    void tmr_getTimer();
    void UpdateTraffic();  // one tick, then a close that waited for it
    // The close from outside (WM_CLOSE, end of the Windows session): plug-in exit and, when asked for,
    // the hang-up that stores the connection. Runs once; ends the program.
    void FormCloseQuery();
    void HangUpBeforeClose();
    bool closeQueried = false;
    bool closeAfterTick = false;  // a close that arrived while a tick waited on another window

    // ---- measuring ----
    double GetRasStatistics(bool hangUp);
    void RunEngineTick();  // one tick of the engine through the main window (engine_tick.cpp)
    void tmr_protectTimer();
    void DeleteProtectFiles();
    bool WriteProtectCopies(const KeyValues& keys);  // both copies, each in one write; false when one failed
    void WriteEventLog(EventLogCode code, const std::string& value);  // only when the event log is on; silent
    bool AppendActivityLog(char levelDigit);                  // false when traffic.log could not be written
    void PlayEventSound(const std::string& file);             // asynchronous; "" or a missing file: silence

    // ---- plug-ins ----
    void RunPlugins(PluginEvent event);

    // ---- commands from other windows ----
    LRESULT WMCopyData(const COPYDATASTRUCT* data);
    void SendCopyData(const std::string& name, int code, bool byClass, const std::string& text);
    void MoveByCommand(const std::string& text);  // throws when x or y is not a number
    void AnswerQuery(const std::string& text);

    // ---- theme and drawing ----
    bool LoadSkin(const std::string& themeFile, int64_t variation, bool showErrors);
    bool DrawSkin(bool showError);
    SkinTheme skin;          // written only by LoadSkin
    SkinLayout skinLayout;   // the element placeholders: boxes and visibility
    std::unique_ptr<PictureCache> pictures;  // the theme's decoded pictures, kept between drawings

    // ---- window behaviour ----
    void sub_showClick();
    void ShowShownWindow();
    void sub_hideClick();
    void OnMouseDown(int button, POINT client);
    void OnMouseMove(POINT client);
    void OnMouseWheel(int delta);
    void OnDoubleClick();  // on the window outside the state picture
    void RestoreTopMosts();
    void InitWindowBehaviourTimers();  // handlers of tmr_wait, tmr_show, tmr_hide, tmr_hover
    void sub_lockClick();
    void sub_versionClick();
    void OnUnitItem(fw::MenuItem& item);   // sub_dbClick
    void OnSpeedItem(fw::MenuItem& item);  // sub_sbClick
    void OnHintItem(fw::MenuItem& item);   // sub_0Click
    void OnMouseUp(POINT client);          // a click on one of the theme's buttons
    void tmr_showTimer();
    void tmr_hideTimer();
    void tmr_hoverTimer();
    void tmr_waitTimer();
    void FormMouseDown(int button);
    void FormMouseMove();
    void SetButtonStates(int hide, int config, int hangup);
    // The theme button under a client point, if any (hide, config or hangup, and only while it is shown).
    std::optional<SkinElement> ButtonAt(POINT client) const;
    int hideState = 0, configState = 0, hangupState = 0;  // 0 normal, 1 hovered, 2 pressed
    std::optional<SkinElement> pressedButton;
    bool pollBeforeHide = false;  // tmr_get's state when a fade-out stopped it

    // ---- tray ----
    bool LoadTrayIcons(const std::string& setName, bool showErrors);
    void SetTrayIconVisible(bool visible) noexcept;
    void SetTrayIcon(TraySlot slot);
    void SetTrayHint(const std::string& hint);
    void ShowBalloon(const std::string& title, const std::string& text, BalloonIcon icon, int seconds);
    void tmr_animationTimer();
    void InitTrayIcon();  // once the window exists: the icon's handlers, picture and first add
    void ico_trayClick();
    void ico_trayMouseMove();
    void ico_trayMouseDown(fw::TrayButton button);
    void mnu_popupPopup();
    void tmr_hintTimer();  // the extended statistics balloon
    void tmr_noTimer();
    fw::TCoolTrayIcon ico_tray;
    TrayIconSlots trayIcons;  // ico_o, ico_0 .. ico_5
    fw::Timer tmr_hint{*this, 101, 5000}, tmr_no{*this, 102, 5000};
    bool trayIconShown = true;  // what SetTrayIconVisible last asked for

    // ---- launchers from the menu ----
    void OpenSettings(SettingsPageNumber page, bool reportMissing);
    void sub_pluginsClick(fw::MenuItem& item);
    void sub_floatingClick();
    void sub_connectClick(fw::MenuItem& item);
    void sub_quickClick();
    void sub_helpClick();
    void sub_fixerClick();
    void sub_webClick();

    // ---- shared state ----
    Options opt;
    EngineState eng;
    DisplayTexts texts;
    int opacity = 225;  // the window's constant alpha as drawn (low 8 bits reach the window)
    bool topMost = true;
    bool restarting = false;
    bool quitMark = false;
    bool doubleClickEnabled = true;
    bool autoRestartMode = false;  // started with "/auto" and re-initialisation on
    bool settingsBusy = false;

    fw::Timer tmr_get, tmr_offset, tmr_auto, tmr_idle, tmr_protect, tmr_wait, tmr_show, tmr_hide, tmr_hover,
        tmr_animation;

    fw::PopupMenu mnu_popup;
    // Items the engine and the window use by name; all live in mnu_popup (see popup_menu.cpp).
    fw::MenuItem *sub_show, *sub_hide, *sub_hangup, *sub_connect, *sub_separator_6, *sub_plugins,
        *sub_separator_4, *sub_floating, *sub_quick, *sub_lock, *sub_config, *sub_about, *sub_help, *sub_fixer;
    fw::MenuItem *sub_db, *sub_dkb, *sub_dmb, *sub_sb, *sub_skb, *sub_smb, *sub_sb8, *sub_skb8, *sub_smb8;
    fw::MenuItem *sub_0, *sub_1, *sub_2, *sub_3;

    void ShowPopupMenuAtCursor();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void BuildPopupMenu();
    std::string firstArg_;
};

// The one main window of the process (set while it exists).
Tfrm_quonm* MainForm();

}  // namespace quon
