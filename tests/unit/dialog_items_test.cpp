// A dialog finds its controls by id without asking the system each time, and still finds the right
// window after controls come and go while it lives.
#include <gtest/gtest.h>
#include <windows.h>

#include "config/dialog/frame_ids.h"
#include "framework/dialog.h"

namespace {

struct Frame : fw::Dialog {
    Frame() { EXPECT_TRUE(CreateTopLevel(GetModuleHandleW(nullptr), IDD_QUONS)); }
    HWND AddButton(int id) const {
        return CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10, Handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
};

TEST(DialogItems, EveryIdGivesTheWindowTheSystemFinds) {
    Frame frame;
    for (int id : {IDC_BTN_OK, IDC_BTN_APPLY, IDC_BTN_CANCEL, IDC_TXT_NAME, IDC_HINT_TEXT, IDC_GRP_CONTENTS, 4321}) {
        EXPECT_EQ(frame.Item(id), GetDlgItem(frame.Handle(), id)) << id;
        EXPECT_EQ(frame.Item(id), GetDlgItem(frame.Handle(), id)) << id << ", asked again";
    }
    EXPECT_EQ(frame.Item(4321), nullptr);
}

TEST(DialogItems, ControlsMadeAndDestroyedWhileTheDialogLives) {
    Frame frame;
    ASSERT_EQ(frame.Item(4321), nullptr);
    HWND later = frame.AddButton(4321);  // an id that had no control when it was asked for
    EXPECT_EQ(frame.Item(4321), later);

    DestroyWindow(frame.Item(IDC_BTN_APPLY));  // gone, then made again under the same id
    EXPECT_EQ(frame.Item(IDC_BTN_APPLY), nullptr);
    HWND again = frame.AddButton(IDC_BTN_APPLY);
    EXPECT_EQ(frame.Item(IDC_BTN_APPLY), again);

    SetWindowLongPtrW(frame.Item(IDC_BTN_CANCEL), GWLP_ID, 4322);  // a control that takes another id
    EXPECT_EQ(frame.Item(IDC_BTN_CANCEL), nullptr);
    EXPECT_EQ(frame.Item(4322), GetDlgItem(frame.Handle(), 4322));
    EXPECT_NE(frame.Item(4322), nullptr);
}

}  // namespace
