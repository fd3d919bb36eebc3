#include "framework/cool_tray_icon.h"

#include <algorithm>

#include "framework/text.h"

namespace fw {
namespace {

constexpr UINT_PTR kClickTimerId = 1;
constexpr UINT kBaseFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

// Copies at most `chars` characters of the 1251 text into a wide field of chars + 1 and terminates it.
template <size_t N>
void CopyField(WCHAR (&field)[N], const std::string& text, size_t chars) {
    static_assert(N > 0);
    const size_t limit = std::min(chars, N - 1);
    std::wstring wide = Widen(text);
    if (wide.size() > limit) wide.resize(limit);
    std::fill(std::begin(field), std::end(field), L'\0');
    std::copy(wide.begin(), wide.end(), field);
}

unsigned ShiftState() {
    unsigned s = 0;
    if (GetAsyncKeyState(VK_SHIFT) < 0) s |= kShiftKey;
    if (GetAsyncKeyState(VK_MENU) < 0) s |= kAltKey;
    if (GetAsyncKeyState(VK_CONTROL) < 0) s |= kCtrlKey;
    return s;
}

}  // namespace

class TCoolTrayIcon::IconWindow : public Wnd {
public:
    explicit IconWindow(TCoolTrayIcon& owner) : owner_(owner) {}

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == kTrayCallbackMessage) {
            owner_.HandleCallback(static_cast<UINT>(lp));
            return 0;
        }
        if (msg == TaskbarCreatedMessage()) {
            // The shell started again (or for the first time): a visible icon goes back in.
            if (owner_.iconVisible_) owner_.ShowIcon();
            return DefaultMessage(msg, wp, lp);
        }
        switch (msg) {
            case WM_DESTROY: case WM_CLOSE: case WM_QUERYENDSESSION: case WM_QUIT: case WM_USERCHANGED:
            case WM_NCDESTROY:
                return 1;
            default:
                return DefaultMessage(msg, wp, lp);
        }
    }

private:
    TCoolTrayIcon& owner_;
};

namespace {
TCoolTrayIcon::ShellCall& ShellForTests() {
    static TCoolTrayIcon::ShellCall shell;
    return shell;
}
}  // namespace

void TCoolTrayIcon::OverrideShellForTests(ShellCall shell) { ShellForTests() = std::move(shell); }

UINT TCoolTrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

TrayClickLogic::Sink TCoolTrayIcon::MakeSink() {
    static const unsigned kFlags[] = {kLeftButton, kRightButton, kMiddleButton};
    TrayClickLogic::Sink sink;
    sink.click = [this] { if (onClick) onClick(); };
    sink.doubleClick = [this] { if (onDblClick) onDblClick(); };
    sink.mouseMove = [this] { if (onMouseMove) onMouseMove(MouseEvent(TrayButton::Left, 0)); };
    sink.popup = [this] { PopupAtCursor(); };
    sink.mouseDown = [this](TrayButton b) {
        if (onMouseDown) onMouseDown(MouseEvent(b, kFlags[static_cast<int>(b)]));
    };
    sink.mouseUp = [this](TrayButton b) {
        if (onMouseUp) onMouseUp(MouseEvent(b, kFlags[static_cast<int>(b)]));
    };
    sink.startTimer = [this](unsigned ms) {
        clickTimer_->SetEnabled(false);
        clickTimer_->SetInterval(ms);
        clickTimer_->SetEnabled(true);
    };
    sink.stopTimer = [this] { clickTimer_->SetEnabled(false); };
    return sink;
}

TCoolTrayIcon::TCoolTrayIcon(ShellCall shell, Clock clock)
    : shell_(shell               ? std::move(shell)
             : ShellForTests()   ? ShellForTests()
                                 : ShellCall([](DWORD m, NOTIFYICONDATAW& d) { return Shell_NotifyIconW(m, &d); })),
      window_(std::make_unique<IconWindow>(*this)),
      clicks_(MakeSink(), clock ? std::move(clock) : Clock([] { return GetTickCount64(); }), GetDoubleClickTime()) {
    TaskbarCreatedMessage();
    // A top-level window (not a message-only one): only those get the taskbar's broadcast.
    window_->Create(L"QuonTrayIconWindow", WS_EX_TOOLWINDOW, WS_POPUP, 0, 0, 0, 0, nullptr);
    clickTimer_ = std::make_unique<Timer>(*window_, kClickTimerId, GetDoubleClickTime());
    clickTimer_->onTimer = [this] { clicks_.TimerDue(); };

    data_.cbSize = sizeof(data_);  // this build's structure, balloon fields included
    data_.hWnd = window_->Handle();
    data_.uID = kTrayIconId;
    data_.uFlags = kBaseFlags;
    data_.uCallbackMessage = kTrayCallbackMessage;
}

TCoolTrayIcon::~TCoolTrayIcon() {
    SetIconVisible(false);
    clickTimer_.reset();
    if (icon_) DestroyIcon(icon_);
}

HWND TCoolTrayIcon::MessageWindow() const { return window_->Handle(); }

TrayMouseEvent TCoolTrayIcon::MouseEvent(TrayButton button, unsigned buttonFlag) const {
    TrayMouseEvent e;
    e.button = button;
    e.shift = ShiftState() | buttonFlag;
    GetCursorPos(&e.at);
    return e;
}

void TCoolTrayIcon::HandleCallback(UINT mouseMessage) { clicks_.HandleMouseMessage(mouseMessage); }

void TCoolTrayIcon::SetIcon(HICON icon) {
    HICON copy = icon ? CopyIcon(icon) : nullptr;
    if (icon_) DestroyIcon(icon_);
    icon_ = copy;
    ModifyIcon();
}

void TCoolTrayIcon::SetHint(std::string hint) {
    hint_ = std::move(hint);
    ModifyIcon();
}

void TCoolTrayIcon::SetShowHint(bool on) {
    showHint_ = on;
    ModifyIcon();
}

void TCoolTrayIcon::SetEnabled(bool on) {
    enabled_ = on;
    clicks_.enabled = on;
}

void TCoolTrayIcon::SetLeftPopup(bool on) { clicks_.leftPopup = on; }

void TCoolTrayIcon::InitIcon() {
    data_.hIcon = icon_;
    CopyField(data_.szTip, showHint_ ? hint_ : std::string(), kTipChars);
}

BOOL TCoolTrayIcon::Notify(DWORD message) { return shell_(message, data_); }

bool TCoolTrayIcon::SetIconVisible(bool visible) { return visible ? ShowIcon() : HideIcon(); }

bool TCoolTrayIcon::ShowIcon() {
    iconVisible_ = true;
    InitIcon();
    // Without a taskbar this fails; the "TaskbarCreated" broadcast adds the icon later.
    return Notify(NIM_ADD) != FALSE;
}

bool TCoolTrayIcon::HideIcon() {
    iconVisible_ = false;
    InitIcon();
    return Notify(NIM_DELETE) != FALSE;
}

bool TCoolTrayIcon::ModifyIcon() {
    InitIcon();
    return Notify(NIM_MODIFY) != FALSE;
}

bool TCoolTrayIcon::ShowBalloonHint(const std::string& title, const std::string& text, BalloonHintIcon icon,
                                    int timeoutSecs) {
    if (!enabled_) return true;
    // An empty balloon first takes down one that is showing.
    data_.uFlags |= NIF_INFO;
    CopyField(data_.szInfo, std::string(), kBalloonTextChars);
    ModifyIcon();

    data_.uFlags |= NIF_INFO;
    CopyField(data_.szInfo, text, kBalloonTextChars);
    CopyField(data_.szInfoTitle, title, kBalloonTitleChars);
    data_.uTimeout = static_cast<UINT>(std::clamp(timeoutSecs, 10, 60)) * 1000;
    data_.dwInfoFlags = static_cast<DWORD>(icon);
    const bool ok = ModifyIcon();
    data_.uFlags = kBaseFlags;
    return ok;
}

void TCoolTrayIcon::PopupAtCursor() {
    POINT at;
    if (!popupMenu || !popupMenu->autoPopup || !GetCursorPos(&at)) return;
    SetForegroundWindow(window_->Handle());
    popupMenu->Popup(popupOwner ? popupOwner : window_->Handle(), at);
}

}  // namespace fw
