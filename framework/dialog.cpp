#include "framework/dialog.h"

#include <vector>


namespace fw {

Dialog::~Dialog() { Destroy(); }

bool Dialog::CreateChild(HINSTANCE module, int templateId, HWND parent) {
    return CreateDialogParamW(module, MAKEINTRESOURCEW(templateId), parent, &Dialog::Proc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool Dialog::CreateTopLevel(HINSTANCE module, int templateId) { return CreateChild(module, templateId, nullptr); }

void Dialog::Destroy() {
    if (!hwnd_) return;
    HWND h = hwnd_;
    SetWindowLongPtrW(h, DWLP_USER, 0);
    hwnd_ = nullptr;
    items_.clear();
    DestroyWindow(h);
}

namespace {

struct Disabled {
    HWND self;
    std::vector<HWND> windows;
};

BOOL CALLBACK DisableOther(HWND w, LPARAM p) {
    auto* d = reinterpret_cast<Disabled*>(p);
    if (w != d->self && IsWindowVisible(w) && IsWindowEnabled(w)) {
        d->windows.push_back(w);
        EnableWindow(w, FALSE);
    }
    return TRUE;
}

// A control with its list open takes the keys itself: a dropped combo box (or the edit inside one), or a
// control that answers CB_GETDROPPEDSTATE as a combo box does (an edit with its popup open).
bool FocusHasListOpen() {
    HWND focus = GetFocus();
    if (!focus) return false;
    if (SendMessageW(focus, CB_GETDROPPEDSTATE, 0, 0)) return true;
    HWND parent = GetParent(focus);
    wchar_t name[16] = {};
    return parent && GetClassNameW(parent, name, 16) && lstrcmpiW(name, L"ComboBox") == 0 &&
           SendMessageW(parent, CB_GETDROPPEDSTATE, 0, 0);
}

bool IsKeyMessage(UINT msg) { return msg >= WM_KEYFIRST && msg <= WM_KEYLAST; }

}  // namespace

void Dialog::RunModal(HACCEL accelerators) {
    Disabled disabled{hwnd_, {}};
    EnumThreadWindows(GetCurrentThreadId(), &DisableOther, reinterpret_cast<LPARAM>(&disabled));

    modalEnded_ = false;
    inModalLoop_ = true;
    ShowWindow(hwnd_, SW_SHOW);
    MSG msg{};
    bool quit = false;
    while (!modalEnded_ && hwnd_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            break;
        }
        // While a list or popup is open, Esc, Enter and the shortcuts are its keys, not the dialog's.
        const bool listKeys = IsKeyMessage(msg.message) && FocusHasListOpen();
        if (accelerators && hwnd_ && !listKeys && TranslateAcceleratorW(hwnd_, accelerators, &msg)) continue;
        if (hwnd_ && IsDialogMessageW(hwnd_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    inModalLoop_ = false;
    for (HWND w : disabled.windows)
        if (IsWindow(w)) EnableWindow(w, TRUE);
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
}

// The first child with an id is the one GetDlgItem finds.
void Dialog::LearnItems() {
    items_.clear();
    for (HWND c = GetWindow(hwnd_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        items_.try_emplace(GetDlgCtrlID(c), c);
}

HWND Dialog::Item(int id) const {
    auto it = items_.find(id);
    if (it != items_.end() && IsWindow(it->second) && GetDlgCtrlID(it->second) == id) return it->second;
    HWND control = GetDlgItem(hwnd_, id);
    if (control) items_[id] = control;
    else if (it != items_.end()) items_.erase(it);
    return control;
}

int Dialog::Tag(int id) const {
    auto it = tags_.find(id);
    return it == tags_.end() ? 0 : it->second;
}

std::string Dialog::Hint(int id) const {
    auto it = hints_.find(id);
    return it == hints_.end() ? std::string() : it->second;
}

void Dialog::OnCommand(int id, UINT code, std::function<void()> handler) {
    commands_[{id, code}] = std::move(handler);
}

void Dialog::OnNotify(int id, UINT code, std::function<LRESULT(NMHDR&)> handler) {
    notifications_[{id, code}] = std::move(handler);
}

void Dialog::OnScroll(int id, std::function<void()> handler) { scrolls_[id] = std::move(handler); }

void Dialog::Fire(int id, UINT code) {
    auto it = commands_.find({id, code});
    if (it != commands_.end()) it->second();
}

bool Dialog::HandleMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR Dialog::Route(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    handled = true;
    switch (msg) {
        case WM_INITDIALOG:
            OnInitDialog();
            return TRUE;
        case WM_COMMAND: {
            auto it = commands_.find({LOWORD(wp), HIWORD(wp)});
            if (it == commands_.end()) break;
            auto handler = it->second;  // a handler may register others
            handler();
            return TRUE;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lp);
            auto it = notifications_.find({static_cast<int>(header->idFrom), header->code});
            if (it == notifications_.end()) break;
            auto handler = it->second;
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, handler(*header));
            return TRUE;
        }
        case WM_HSCROLL:
        case WM_VSCROLL: {
            if (!lp) break;
            auto it = scrolls_.find(GetDlgCtrlID(reinterpret_cast<HWND>(lp)));
            if (it == scrolls_.end()) break;
            auto handler = it->second;
            handler();
            return TRUE;
        }
    }
    INT_PTR result = FALSE;
    handled = HandleMessage(msg, wp, lp, result);
    return result;
}

INT_PTR CALLBACK Dialog::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lp);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
        self->LearnItems();
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return FALSE;
    try {
        bool handled = false;
        INT_PTR r = self->Route(msg, wp, lp, handled);
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, DWLP_USER, 0);
            self->hwnd_ = nullptr;
            self->items_.clear();
        }
        return handled ? r : FALSE;
    } catch (...) {
        try { self->OnHandlerFault(); } catch (...) {}
        return FALSE;
    }
}

}  // namespace fw
