// A modal dialog with shortcut keys, as the settings dialog runs it, driven with real keys: while its
// drop-down list or a date edit's calendar is open, Esc, Enter and the shortcuts belong to that list.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "controls/date_edit.h"
#include "framework/dialog.h"
#include "tests/controls/host.h"

namespace {

constexpr int kTemplate = 100, kList = 10, kDate = 11;
constexpr int kEscCommand = 201, kSaveCommand = 202, kOkCommand = 203;

class KeyDialog : public fw::Dialog {
public:
    std::vector<std::string> acted;  // what reached the dialog's buttons and shortcuts

protected:
    void OnInitDialog() override {
        for (const wchar_t* item : {L"one", L"two", L"three"})
            SendMessageW(Item(kList), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(Item(kList), CB_SETCURSEL, 0, 0);
        OnCommand(IDOK, BN_CLICKED, [this] { acted.push_back("OK button"); });
        OnCommand(IDCANCEL, BN_CLICKED, [this] { acted.push_back("cancel"); });
        OnCommand(kEscCommand, 1, [this] { acted.push_back("Esc shortcut"); });
        OnCommand(kSaveCommand, 1, [this] { acted.push_back("Ctrl+S shortcut"); });
        OnCommand(kOkCommand, 1, [this] { acted.push_back("Ctrl+Enter shortcut"); });
    }
};

// Steps run one by one from a timer of this thread, that is from inside the dialog's own loop.
class Steps {
public:
    explicit Steps(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {
        current = this;
        timer_ = SetTimer(nullptr, 0, 300, &Steps::Tick);
    }
    ~Steps() {
        KillTimer(nullptr, timer_);
        current = nullptr;
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!current || current->next_ >= current->steps_.size()) return;
        auto step = current->steps_[current->next_++];
        step();
    }
    static inline Steps* current = nullptr;
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
    UINT_PTR timer_ = 0;
};

// The key as the keyboard gives it, into the dialog's loop (nothing pumped here).
void SendKey(WORD modifier, WORD vk) {
    if (modifier) controls_test::Key(modifier, true);
    controls_test::Key(vk, true);
    controls_test::Key(vk, false);
    if (modifier) controls_test::Key(modifier, false);
}

TEST(ModalDialogKeys, AnOpenListOrCalendarKeepsEscEnterAndTheShortcuts) {
    controls_test::EnsureControls();
    ACCEL table[] = {{FVIRTKEY, VK_ESCAPE, kEscCommand},
                     {FVIRTKEY | FCONTROL, 'S', kSaveCommand},
                     {FVIRTKEY | FCONTROL, VK_RETURN, kOkCommand}};
    HACCEL accelerators = CreateAcceleratorTableW(table, 3);
    struct Key {
        const char* name;
        WORD modifier, vk;
        bool closesTheList;
    } keys[] = {{"Esc", 0, VK_ESCAPE, true},
                {"Enter", 0, VK_RETURN, true},
                {"Ctrl+Enter", VK_CONTROL, VK_RETURN, false},
                {"Ctrl+S", VK_CONTROL, 'S', false}};
    for (bool calendar : {false, true}) {
        for (const Key& k : keys) {
            const std::string what = std::string(calendar ? "calendar, " : "list, ") + k.name;
            KeyDialog dialog;
            ASSERT_TRUE(dialog.CreateTopLevel(GetModuleHandleW(nullptr), kTemplate)) << what;
            HWND control = dialog.Item(calendar ? kDate : kList);
            auto isOpen = [&] {
                return SendMessageW(control, calendar ? controls::CEM_ISPOPUPSHOWN : CB_GETDROPPEDSTATE, 0, 0) != 0;
            };
            bool openBefore = false, openAfter = true, stillRunning = false;
            Steps steps({[&] {
                             SetForegroundWindow(dialog.Handle());
                             SetFocus(control);
                             if (calendar) controls::DateEditOf(control)->ShowPopup();
                             else SendMessageW(control, CB_SHOWDROPDOWN, TRUE, 0);
                             openBefore = isOpen();
                             SendKey(k.modifier, k.vk);
                         },
                         [&] {
                             stillRunning = !dialog.ModalEnded();
                             openAfter = isOpen();
                             dialog.EndModal();
                         }});
            dialog.RunModal(accelerators);
            if (calendar) controls::DateEditOf(control)->HidePopup(false);
            else SendMessageW(control, CB_SHOWDROPDOWN, FALSE, 0);
            ASSERT_TRUE(openBefore) << what;
            EXPECT_TRUE(stillRunning) << what;
            EXPECT_TRUE(dialog.acted.empty()) << what << ": " << (dialog.acted.empty() ? "" : dialog.acted[0]);
            if (k.closesTheList) {
                EXPECT_FALSE(openAfter) << what;
            }
        }
    }
    DestroyAcceleratorTable(accelerators);
}

}  // namespace
