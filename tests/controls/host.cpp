#include "tests/controls/host.h"

#include <commctrl.h>

#include <algorithm>

#include "controls/controls.h"

namespace controls_test {

namespace {
void Align(std::vector<WORD>& t) {
    if (t.size() % 2) t.push_back(0);  // DWORD alignment in WORDs
}
void PushString(std::vector<WORD>& t, const std::wstring& s) {
    for (wchar_t c : s) t.push_back(static_cast<WORD>(c));
    t.push_back(0);
}
void PushDword(std::vector<WORD>& t, DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
}
}  // namespace

HostDialog::HostDialog(const std::vector<DialogItem>& items) {
    EnsureControls();
    std::vector<WORD> t;
    PushDword(t, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | WS_VISIBLE | DS_MODALFRAME);
    PushDword(t, 0);
    t.push_back(static_cast<WORD>(items.size()));
    t.push_back(40);  // x, y, cx, cy
    t.push_back(40);
    t.push_back(220);
    t.push_back(120);
    t.push_back(0);  // no menu
    t.push_back(0);  // the dialog class
    PushString(t, L"Host");
    t.push_back(8);
    PushString(t, L"MS Sans Serif");
    for (const DialogItem& item : items) {
        Align(t);
        PushDword(t, item.style | WS_CHILD | WS_VISIBLE);
        PushDword(t, 0);
        t.push_back(static_cast<WORD>(item.x));
        t.push_back(static_cast<WORD>(item.y));
        t.push_back(static_cast<WORD>(item.cx));
        t.push_back(static_cast<WORD>(item.cy));
        t.push_back(item.id);
        PushString(t, item.className);
        PushString(t, L"");
        t.push_back(0);  // no creation data
    }
    dlg_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()), nullptr,
                                      &HostDialog::Proc, reinterpret_cast<LPARAM>(this));
    if (dlg_) {
        SetForegroundWindow(dlg_);
        Pump(50);
    }
}

HostDialog::~HostDialog() {
    if (dlg_) DestroyWindow(dlg_);  // about two seconds under Wine with Xvfb
    Pump(20);
}

int HostDialog::Count(WORD id, UINT code) const {
    int n = 0;
    for (const Notice& notice : notices)
        if (notice.id == id && notice.code == code) ++n;
    return n;
}

INT_PTR CALLBACK HostDialog::Proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<HostDialog*>(GetWindowLongPtrW(dlg, DWLP_USER));
    switch (msg) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dlg, DWLP_USER, lp);
            return TRUE;
        case WM_COMMAND:
            if (self) self->notices.push_back(Notice{LOWORD(wp), HIWORD(wp)});
            return TRUE;
        case WM_NOTIFY:
            if (self) {
                auto* hdr = reinterpret_cast<NMHDR*>(lp);
                self->notices.push_back(Notice{static_cast<WORD>(hdr->idFrom), hdr->code});
                if (self->onNotify) self->onNotify(hdr);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

void Pump(int ms) {
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
            if (root && IsDialogMessageW(root, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (!done()) {
        if (static_cast<int>(end - GetTickCount()) <= 0) return false;
        Pump(10);
    }
    return true;
}

void Key(WORD vk, bool down) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    if (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN || vk == VK_PRIOR || vk == VK_NEXT ||
        vk == VK_INSERT || vk == VK_DELETE || vk == VK_HOME || vk == VK_END)
        in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    SendInput(1, &in, sizeof in);
}

void Press(WORD vk) {
    Key(vk, true);
    Key(vk, false);
    Pump(60);
}

void PressWith(WORD modifier, WORD vk) {
    Key(modifier, true);
    Key(vk, true);
    Key(vk, false);
    Key(modifier, false);
    Pump(60);
}

void TypeChar(wchar_t c) {
    INPUT in[2]{};
    for (int i = 0; i < 2; ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wScan = c;
        in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, in, sizeof(INPUT));
    Pump(60);
}

void MouseTo(POINT p) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((p.x * 65535.0) / (GetSystemMetrics(SM_CXSCREEN) - 1) + 0.5);
    in.mi.dy = static_cast<LONG>((p.y * 65535.0) / (GetSystemMetrics(SM_CYSCREEN) - 1) + 0.5);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

void MouseButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

namespace {
DWORD lastPress = 0;
// A click is a click of its own, not the second half of a double click: the double-click time since the
// last press has passed.
void AfterTheDoubleClickTime() {
    const DWORD wait = GetDoubleClickTime() + 50;
    const DWORD since = GetTickCount() - lastPress;
    if (lastPress && since < wait) Pump(static_cast<int>(wait - since));
}
}  // namespace

void Click(POINT p) {
    AfterTheDoubleClickTime();
    MouseTo(p);
    Pump(40);
    lastPress = GetTickCount();
    MouseButton(true);
    Pump(40);
    MouseButton(false);
    Pump(80);
}

void DoubleClick(POINT p) {
    AfterTheDoubleClickTime();
    MouseTo(p);
    Pump(40);
    lastPress = GetTickCount();
    for (int i = 0; i < 2; ++i) {
        MouseButton(true);
        MouseButton(false);
    }
    Pump(150);
}

void SetClipboardText(const std::wstring& text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (mem) {
        auto* p = static_cast<wchar_t*>(GlobalLock(mem));
        std::copy(text.begin(), text.end(), p);
        p[text.size()] = 0;
        GlobalUnlock(mem);
        if (!SetClipboardData(CF_UNICODETEXT, mem)) GlobalFree(mem);
    }
    CloseClipboard();
}

POINT ScreenPoint(HWND hwnd, POINT client) {
    ClientToScreen(hwnd, &client);
    return client;
}

POINT CentreOf(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return ScreenPoint(hwnd, POINT{r.right / 2, r.bottom / 2});
}

void EnsureControls() {
    static bool done = controls::RegisterControlClasses(GetModuleHandleW(nullptr));
    (void)done;
}

}  // namespace controls_test
