#include "mainwindow/login_box.h"

#include <commctrl.h>
#include <lmcons.h>

#include "framework/application.h"
#include "framework/text.h"
#include "mainwindow/main_form.h"

namespace quon {
namespace {

Tfrm_login* g_login = nullptr;

constexpr int kBoxWidth = 200;   // the frame of the box; the window is sized to it when shown
constexpr int kBoxHeight = 43;
constexpr int kEditLeft = 78, kEditWidth = 118, kEditHeight = 17;
constexpr int kLoginTop = 4, kPasswordTop = 22;

std::string EditText(HWND edit) {
    if (!edit) return {};
    int n = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(edit, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return fw::Narrow(text);
}

}  // namespace

Tfrm_login* LoginBox() { return g_login; }

Tfrm_login::Tfrm_login() { g_login = this; }

Tfrm_login::~Tfrm_login() {
    if (g_login == this) g_login = nullptr;
    if (Handle()) DestroyWindow(Handle());
    if (font_) DeleteObject(font_);
}

bool Tfrm_login::CreateBox() {
    if (Handle()) return true;
    if (!Create(L"Tfrm_login", WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP | WS_CLIPCHILDREN, 0, 0, kBoxWidth, 55,
                fw::Application::Handle()))
        return false;
    font_ = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New");
    auto makeEdit = [&](int top, DWORD extraStyle, UINT_PTR id) {
        HWND edit = CreateWindowExW(0, L"EDIT", L"0", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | extraStyle,
                                    kEditLeft, top, kEditWidth, kEditHeight, Handle(),
                                    reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        SetWindowSubclass(edit, &Tfrm_login::EditProc, id, reinterpret_cast<DWORD_PTR>(this));
        return edit;
    };
    edt_login = makeEdit(kLoginTop, 0, 1);
    edt_password = makeEdit(kPasswordTop, ES_PASSWORD, 2);
    SendMessageW(edt_login, EM_LIMITTEXT, UNLEN, 0);
    SendMessageW(edt_password, EM_LIMITTEXT, PWLEN, 0);
    SendMessageW(edt_password, EM_SETPASSWORDCHAR, '*', 0);
    return edt_login && edt_password;
}

void Tfrm_login::SetCredentials(const std::string& user, const std::string& password) {
    SetWindowTextW(edt_login, fw::Widen(user).c_str());
    SetWindowTextW(edt_password, fw::Widen(password).c_str());
}

std::string Tfrm_login::UserName() const { return EditText(edt_login); }
std::string Tfrm_login::Password() const { return EditText(edt_password); }

void Tfrm_login::FormShow() {
    // The window takes the size of its frame, centred on the screen.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kBoxWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kBoxHeight) / 2;
    SetWindowPos(Handle(), HWND_TOPMOST, x, y, kBoxWidth, kBoxHeight, SWP_SHOWWINDOW);
}

bool Tfrm_login::ShowModal() {
    if (!Handle() || showing_) return false;
    showing_ = true;
    done_ = false;
    accepted_ = false;
    // Like a modal form: the program's other windows take no input meanwhile.
    HWND mainWindow = MainForm() ? MainForm()->Handle() : nullptr;
    const bool mainWasEnabled = mainWindow && IsWindowEnabled(mainWindow);
    if (mainWasEnabled) EnableWindow(mainWindow, FALSE);
    FormShow();
    SetForegroundWindow(Handle());
    SetActiveWindow(Handle());
    Activate(edt_login);
    SendMessageW(edt_login, EM_SETSEL, 0, -1);

    MSG msg;
    while (!done_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop ends too
            accepted_ = false;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (mainWasEnabled) EnableWindow(mainWindow, TRUE);
    ShowWindow(Handle(), SW_HIDE);
    showing_ = false;
    return accepted_;
}

void Tfrm_login::Activate(HWND edit) {
    activeEdit_ = edit;
    SetFocus(edit);
}

void Tfrm_login::Finish(bool accepted) {
    accepted_ = accepted;
    done_ = true;
}

bool Tfrm_login::OnEditKey(HWND edit, UINT msg, WPARAM key) {
    if (msg == WM_CHAR) {
        switch (key) {
            case VK_RETURN:
                if (edit == edt_login) Activate(edt_password);
                else Finish(true);
                return true;
            case VK_ESCAPE:
                Finish(false);
                return true;
            case VK_TAB:
                return true;  // moved on key down; no beep from the edit
            default:
                return false;
        }
    }
    if (msg == WM_KEYDOWN && key == VK_TAB) {
        Activate(edit == edt_login ? edt_password : edt_login);
        return true;
    }
    return false;
}

LRESULT CALLBACK Tfrm_login::EditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(edit, &Tfrm_login::EditProc, id);  // else the hook outlives the edit
    if (msg == WM_SETFOCUS) reinterpret_cast<Tfrm_login*>(self)->activeEdit_ = edit;
    if (msg == WM_GETDLGCODE) return DLGC_WANTALLKEYS | DefSubclassProc(edit, msg, wp, lp);
    if ((msg == WM_CHAR || msg == WM_KEYDOWN) && reinterpret_cast<Tfrm_login*>(self)->OnEditKey(edit, msg, wp))
        return 0;
    return DefSubclassProc(edit, msg, wp, lp);
}

void Tfrm_login::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT frame{0, 0, kBoxWidth, kBoxHeight};
    FillRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 6, kLoginTop, L"Login", 5);
    TextOutW(dc, 6, kPasswordTop, L"Password", 8);
    SelectObject(dc, oldFont);
    EndPaint(Handle(), &ps);
}

LRESULT Tfrm_login::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            // The frame, the labels and the form drag the box.
            ReleaseCapture();
            SendMessageW(Handle(), WM_SYSCOMMAND, 0xF012, 0);
            return 0;
        case WM_CLOSE:
            Finish(false);
            return 0;
        default:
            return DefaultMessage(msg, wp, lp);
    }
}

}  // namespace quon
