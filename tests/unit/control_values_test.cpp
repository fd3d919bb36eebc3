// The control helpers change a control only when it shows something else: no change notification and no
// redraw for a value it already has; a message hook lives exactly as long as it is needed.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/control_hook.h"
#include "framework/control_values.h"

namespace {

// A plain parent window that counts its children's change notifications.
struct Parent {
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_COMMAND && HIWORD(wp) == EN_CHANGE) ++*reinterpret_cast<int*>(GetWindowLongPtrW(w, GWLP_USERDATA));
        return DefWindowProcW(w, msg, wp, lp);
    }
    Parent() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ControlValuesTestParent";
        RegisterClassW(&wc);
        window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&changes));
    }
    ~Parent() {
        DestroyWindow(window);
        UnregisterClassW(L"ControlValuesTestParent", GetModuleHandleW(nullptr));
    }
    HWND Child(const wchar_t* cls, DWORD style = 0) const {
        return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 80, window, nullptr, nullptr, nullptr);
    }
    HWND window = nullptr;
    int changes = 0;
};

TEST(ControlValues, AnEditChangesAndNotifiesOnlyForANewText) {
    Parent parent;
    HWND edit = parent.Child(L"EDIT");
    struct Step {
        const char* text;
        int changesAfter;
    } steps[] = {{"", 0}, {"10", 1}, {"10", 1}, {"1", 2}, {"10", 3}, {"100", 4}, {"Мб", 5}, {"Мб", 5}};
    for (const Step& s : steps) {
        fw::SetText(edit, s.text);
        EXPECT_EQ(fw::TextOf(edit), s.text);
        EXPECT_EQ(parent.changes, s.changesAfter) << "after \"" << s.text << "\"";
    }
}

TEST(ControlValues, ChecksEnablingAndSelectionsTakeTheAskedState) {
    Parent parent;
    HWND box = parent.Child(L"BUTTON", BS_AUTOCHECKBOX);
    for (bool on : {true, true, false, false, true}) {
        fw::SetChecked(box, on);
        EXPECT_EQ(fw::Checked(box), on);
        fw::Enable(box, !on);
        EXPECT_EQ(IsWindowEnabled(box) != FALSE, !on);
    }
    HWND combo = parent.Child(L"COMBOBOX", CBS_DROPDOWNLIST);
    for (const char* item : {"БАЙТЬI", "КИЛОБАЙТЬI"}) fw::AddItem(combo, item);
    for (int index : {1, 1, -1, 0, 7}) {
        fw::Select(combo, index);
        EXPECT_EQ(fw::Selection(combo), index == 7 ? -1 : index) << index;  // an index outside selects none
    }
}

// A radio button is checked without the control's own search of its group, and stays automatic: a click
// still moves the check within the group.
TEST(ControlValues, ARadioButtonCheckedInCodeStaysAutomatic) {
    Parent parent;
    HWND radios[3] = {parent.Child(L"BUTTON", BS_AUTORADIOBUTTON | BS_LEFTTEXT | WS_GROUP),
                      parent.Child(L"BUTTON", BS_AUTORADIOBUTTON | BS_LEFTTEXT),
                      parent.Child(L"BUTTON", BS_AUTORADIOBUTTON | BS_LEFTTEXT)};
    parent.Child(L"BUTTON", BS_AUTOCHECKBOX | WS_GROUP);  // the next group
    auto checks = [&] {
        std::string marks;
        for (HWND r : radios) marks += fw::Checked(r) ? 'x' : '-';
        return marks;
    };
    for (int i = 0; i < 3; ++i) fw::SetChecked(radios[i], i == 1);
    EXPECT_EQ(checks(), "-x-");
    for (HWND r : radios) {
        const LONG_PTR style = GetWindowLongPtrW(r, GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
        EXPECT_NE(style & BS_LEFTTEXT, 0);
    }
    EXPECT_NE(GetWindowLongPtrW(radios[1], GWL_STYLE) & WS_TABSTOP, 0) << "the checked button is the group's tab stop";
    SendMessageW(radios[2], BM_CLICK, 0, 0);
    EXPECT_EQ(checks(), "--x");
    for (int i = 0; i < 3; ++i) fw::SetChecked(radios[i], i == 0);
    EXPECT_EQ(checks(), "x--");
}

TEST(ControlValues, ItemsAreReplacedOnlyWhenTheyDiffer) {
    Parent parent;
    for (const wchar_t* cls : {L"LISTBOX", L"COMBOBOX"}) {
        HWND list = parent.Child(cls, std::wstring(cls) == L"COMBOBOX" ? CBS_DROPDOWNLIST : 0);
        const bool combo = fw::IsComboBox(list);
        fw::SetItems(list, {"", "ГРАФИК  ТРАФИКА"});
        // A mark on the first item tells whether the items were made again.
        SendMessageW(list, combo ? CB_SETITEMDATA : LB_SETITEMDATA, 0, 42);
        fw::Select(list, 1);
        fw::SetItems(list, {"", "ГРАФИК  ТРАФИКА"});
        EXPECT_EQ(SendMessageW(list, combo ? CB_GETITEMDATA : LB_GETITEMDATA, 0, 0), 42);
        EXPECT_EQ(fw::Selection(list), -1) << "the selection goes as with a refill";
        fw::SetItems(list, {"", "ГРАФИК  СОСТОЯНИЯ"});
        EXPECT_EQ(SendMessageW(list, combo ? CB_GETITEMDATA : LB_GETITEMDATA, 0, 0), 0);
        ASSERT_EQ(fw::ItemCount(list), 2);
        EXPECT_EQ(fw::ItemText(list, 1), "ГРАФИК  СОСТОЯНИЯ");
        fw::SetItems(list, {});
        EXPECT_EQ(fw::ItemCount(list), 0);
    }
}

TEST(ControlValues, AHookSeesTheControlsMessagesUntilUnhookedOrDestroyed) {
    Parent parent;
    HWND edit = parent.Child(L"EDIT");
    std::vector<WPARAM> keys;
    fw::HookControl(edit, [&](HWND, UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (msg != WM_CHAR) return std::nullopt;
        keys.push_back(wp);
        if (wp == 'x') return 0;  // taken here: the edit never sees it
        if (wp == '!') throw 1;   // a fault stays inside the hook
        return std::nullopt;
    });
    for (WPARAM key : {WPARAM('1'), WPARAM('x'), WPARAM('!'), WPARAM('2')}) SendMessageW(edit, WM_CHAR, key, 0);
    EXPECT_EQ(fw::TextOf(edit), "12");
    EXPECT_EQ(keys.size(), 4u);
    fw::UnhookControl(edit);
    SendMessageW(edit, WM_CHAR, 'x', 0);
    EXPECT_EQ(fw::TextOf(edit), "12x");
    EXPECT_EQ(keys.size(), 4u);
    EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_USERDATA), 0);
    // Hooked again, the control's destruction ends the hook with it.
    bool destroyedSeen = false;
    fw::HookControl(edit, [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        destroyedSeen = destroyedSeen || msg == WM_DESTROY;
        return std::nullopt;
    });
    DestroyWindow(edit);
    EXPECT_TRUE(destroyedSeen);
}

}  // namespace
