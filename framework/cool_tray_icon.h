#pragma once
// TCoolTrayIcon: one icon in the taskbar's notification area with its tooltip, balloons, mouse events
// and the pop-up menu at the cursor. It owns a hidden top-level window that receives the shell's
// callback messages and the "TaskbarCreated" broadcast, after which a visible icon is added again.
// Texts are code page 1251; the shell is spoken to through the wide API.
#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/menu.h"
#include "framework/timer.h"
#include "framework/tray_click_logic.h"
#include "framework/wnd.h"

namespace fw {

enum class BalloonHintIcon { None = NIIF_NONE, Info = NIIF_INFO, Warning = NIIF_WARNING, Error = NIIF_ERROR };

// Keys and buttons held at a mouse event.
enum TrayShift : unsigned { kShiftKey = 1, kAltKey = 2, kCtrlKey = 4, kLeftButton = 8, kRightButton = 16,
                            kMiddleButton = 32 };

struct TrayMouseEvent {
    TrayButton button = TrayButton::Left;  // not meaningful for a move
    unsigned shift = 0;                    // TrayShift bits
    POINT at{};                            // the cursor on the screen when the message was handled
};

constexpr UINT kTrayCallbackMessage = 2048;
constexpr UINT kTrayIconId = 1;
constexpr size_t kTipChars = 127, kBalloonTitleChars = 63, kBalloonTextChars = 255;

class TCoolTrayIcon {
public:
    // The shell call; a test replaces it to see what the shell would be told.
    using ShellCall = std::function<BOOL(DWORD message, NOTIFYICONDATAW& data)>;
    using Clock = TrayClickLogic::Clock;

    explicit TCoolTrayIcon(ShellCall shell = {}, Clock clock = {});
    ~TCoolTrayIcon();  // takes the icon out of the notification area
    TCoolTrayIcon(const TCoolTrayIcon&) = delete;
    TCoolTrayIcon& operator=(const TCoolTrayIcon&) = delete;

    // The icon shown; a copy is kept, so the caller may destroy its own at any time.
    void SetIcon(HICON icon);
    HICON Icon() const { return icon_; }
    void SetHint(std::string hint);
    const std::string& Hint() const { return hint_; }
    void SetShowHint(bool on);
    bool ShowHint() const { return showHint_; }
    // Off: mouse messages are ignored and balloons are not shown.
    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    void SetLeftPopup(bool on);

    // True: add to the notification area, false: remove; each call speaks to the shell again.
    bool SetIconVisible(bool visible);
    bool IconVisible() const { return iconVisible_; }
    bool ShowIcon();
    bool HideIcon();
    bool ModifyIcon();  // the current icon and tooltip to the shell
    void Refresh() { ModifyIcon(); }

    // A balloon replacing any balloon showing; title cut to 63 characters, text to 255; 10..60 seconds.
    bool ShowBalloonHint(const std::string& title, const std::string& text, BalloonHintIcon icon,
                         int timeoutSecs);

    // The menu at the cursor, owned by `popupOwner` (the window that gets the focus for it).
    PopupMenu* popupMenu = nullptr;
    HWND popupOwner = nullptr;
    void PopupAtCursor();

    std::function<void()> onClick, onDblClick;
    std::function<void(const TrayMouseEvent&)> onMouseDown, onMouseUp, onMouseMove;
    intptr_t tag = 0;

    HWND MessageWindow() const;
    static UINT TaskbarCreatedMessage();
    // In-process tests of the main window see its icon's shell calls through this (empty: the shell).
    static void OverrideShellForTests(ShellCall shell);

private:
    class IconWindow;
    TrayClickLogic::Sink MakeSink();
    void InitIcon();
    BOOL Notify(DWORD message);
    TrayMouseEvent MouseEvent(TrayButton button, unsigned buttonFlag) const;
    void HandleCallback(UINT mouseMessage);

    ShellCall shell_;
    std::unique_ptr<IconWindow> window_;
    std::unique_ptr<Timer> clickTimer_;
    TrayClickLogic clicks_;
    NOTIFYICONDATAW data_{};
    HICON icon_ = nullptr;
    std::string hint_;
    bool showHint_ = true;
    bool enabled_ = true;
    bool iconVisible_ = true;
};

}  // namespace fw
