#pragma once
// Tfrm_quons, the settings dialog: its frame (section buttons, page header, notebook, OK / Apply /
// Cancel, the hidden shortcuts, help) and the library's state for one opening. The pages, the hint
// panel, reading and saving live in files of their own.
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "config/dialog/frame_ids.h"
#include "config/dialog/link_cursor.h"
#include "config/pages/data/page_data.h"
#include "config/pages/events/page_events.h"
#include "config/pages/info/page_info.h"
#include "config/pages/interface/page_interface.h"
#include "config/pages/log/page_log.h"
#include "config/pages/options/page_options.h"
#include "config/pages/stats/page_stats.h"
#include "framework/dialog.h"

namespace quon::config {

inline constexpr const char* kModuleVersion = "1.1";
// The dialog's timers: tmr_ps blinks the hint mark, tmr_hide clears the hint.
inline constexpr UINT_PTR kBlinkTimer = 1;
inline constexpr UINT_PTR kHideTimer = 2;
inline constexpr UINT kBlinkMs = 250;
inline constexpr UINT kHideMs = 7500;

// The kind of a hint: 0 none, 1 and 2 red (1 blinks), 3 blue and blinking, 4 green.
struct HintLook {
    bool recolour = false;
    COLORREF colour = 0;
    bool setFontColour = false;
    COLORREF fontColour = 0;
    bool blink = false;
};
HintLook HintLookFor(int kind);
// The blink timer's caption after its tag was raised to `tag`: "!!!" on 2, 4, 6 and 8.
bool BlinkShowsMarks(int tag);
// The help context of F1 on a page.
int HelpContextForPage(int page);
// Where the program is set to start with the system: 0 nowhere, 1 the user's Startup shortcut, 2 the
// common one, 3 the Run value of the current user, 4 that of the machine (the later finding wins).
int DetectAutostart(const std::string& userLink, const std::string& commonLink);
// The header of a page, null for a page without one.
const char* PageHeader(int page);

// One WM_COPYDATA command to the main window (class Tfrm_quonm); a missing window is not reported.
void SendCommandToMainWindow(HWND sender, int code, const std::string& message);

class Tfrm_quons : public fw::Dialog {
public:
    // resources: the module holding the dialog's templates.
    explicit Tfrm_quons(HINSTANCE resources);
    ~Tfrm_quons() override;

    // Creates the dialog and its pages (FormCreate runs inside); false when a template is missing.
    bool Create();
    // FormShow, then the modal loop until the dialog closes.
    void ShowModal();

    void SelectPage(int page);
    int PageIndex() const { return pageIndex_; }
    void ShowHintMessage(bool show, int kind, const std::string& message);
    // What the hint mark shows now ("!!!" or nothing) and its colour.
    std::string HintMark() const;
    COLORREF HintColour() const { return hintColour_; }
    void ShowHelp(int context);
    void FormShow();
    void ReadSettings();
    bool SaveSettings();
    void SendToMainWindow(int code, const std::string& message) { sendToMainWindow(code, message); }
    // The statistics lock, kept in the Tag of grp_data.
    int StatisticsLock() const;
    void SetStatisticsLock(int lock);
    // Apply becomes possible after a change.
    // Not while ReadSettings fills the pages: it ends with Apply disabled whatever the handlers did.
    void EnableApply() {
        if (!fillingPages_) Enable(IDC_BTN_APPLY, true);
    }

    // Handlers.
    void btn_optionsClick(int buttonId);
    void btn_applyClick();
    void btn_okClick();
    void btn_cancelClick();
    void sub_f1Click();
    void url_helpClick();
    void warning_3Click();
    void tmr_psTimer();
    void tmr_hideTimer();

    // The library's state for this opening.
    bool isLoading = false;
    bool opacityPreviewed = false;
    int savedOpacityPosition = 255;
    int mainVersion = 2100;
    std::string userStartupLink, commonStartupLink;
    int tmr_psTag = 0;

    PageOptions tab_options{*this};
    PageInterface tab_interface{*this};
    PageEvents tab_events{*this};
    PageData tab_data{*this};
    PageLog tab_log{*this};
    PageInfo tab_info{*this};
    PageStats tab_stats{*this};

    // Ways out of the dialog that tests replace: the reload and preview commands, the warning box
    // of a failed save, the help engine, the question about a missing help file, the shell.
    std::function<void(int code, const std::string& message)> sendToMainWindow;
    std::function<void(const std::string& text)> showWarning;
    std::function<void(const std::string& helpFile, int context)> openHelp;
    std::function<bool(const std::string& question)> ask;
    std::function<void(const std::string& address)> openAddress;
    // The first argument of the program's command line.
    std::function<std::string()> firstArgument;

private:
    void OnInitDialog() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
    void OnHandlerFault() override {}
    void FormCreate();
    void UseHandOverLinks();
    void PlacePages();
    void DrawHintType(const DRAWITEMSTRUCT& item);
    SettingsPage* PageAt(int page);
    void ReleaseResources();

    HINSTANCE resources_;
    bool lastSaveFailed_ = false;
    bool pluginListUnsaved_ = false;  // the last completed save could not write plugins.qif
    bool fillingPages_ = false;
    int pageIndex_ = 0;
    HFONT boldFont_ = nullptr;
    HFONT hintFont_ = nullptr;
    HACCEL accelerators_ = nullptr;
    LinkCursor linkCursor_;
    COLORREF hintColour_;
    COLORREF hintFontColour_ = RGB(0, 0, 0);
    std::string hintTypeCaption_;
};

}  // namespace quon::config
