#pragma once
// A settings page in a window of the test's own, with a host that records what the page asks of the dialog,
// and a program folder of the test's own.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "config/pages/common/extended_edits.h"
#include "config/pages/common/page_host.h"
#include "config/settings/read_settings.h"
#include "config/settings/save_settings.h"
#include "engine/ini_file_store.h"
#include "framework/program_folder.h"
#include "framework/wnd.h"
#include "tests/support/scratch_folder.h"

namespace quon::config {

struct RecordingHost : PageHost {
    struct Hint { bool show; int kind; std::string text; };
    std::vector<Hint> hints;
    std::vector<std::string> boxes;
    std::deque<int> answers;  // the buttons the user presses in questions; Yes when none is left
    int applies = 0;
    bool okApply = true;
    int lock = 0;
    int version = 2010;

    void ShowHint(bool show, int kind, const std::string& text) override { hints.push_back({show, kind, text}); }
    void EnableApply() override { ++applies; }
    void EnableOkApply(bool on) override { okApply = on; }
    bool Loading() const override { return false; }
    int StatisticsLock() const override { return lock; }
    int MainVersion() const override { return version; }
    int Box(const std::string& text, unsigned flags) override {
        boxes.push_back(text);
        if (!(flags & MB_YESNO)) return IDOK;
        if (answers.empty()) return IDYES;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class PageWindow : public fw::Wnd {
public:
    bool Open() { return Create(L"QuonPageTestWindow", 0, WS_POPUP | WS_VISIBLE, 0, 0, 560, 400, nullptr); }
};

class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&icc);
        fw::OverrideProgramFolderForTests(folder_.Path());
        ASSERT_TRUE(window_.Open());
    }
    void TearDown() override {
        fw::OverrideProgramFolderForTests({});
    }
    void Write(const char* name, const std::string& text) { folder_.Write(name, text); }
    // What the dialog reads from the files of the folder, and writes back.
    SettingsValues ReadValues() const {
        IniFileStore data(folder_.File("data.qif")), plugins(folder_.File("plugins.qif"));
        return ReadSettingsValues(data, plugins, folder_.Path(), "10.12.26");
    }
    void SaveValues(const SettingsValues& v) const {
        IniFileStore data(folder_.File("data.qif")), plugins(folder_.File("plugins.qif"));
        SaveSettingsValues(v, host_.lock, data, plugins);
    }
    std::string Path(const char* name) const { return folder_.File(name); }
    // Runs the window's messages until done() or the bound.
    template <class Done>
    bool PumpUntil(Done done, DWORD boundMs = 5000) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > boundMs) return false;
            MSG m;
            while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
            Sleep(5);
        }
        return true;
    }
    static void Click(HWND parent, int id) {
        HWND control = GetDlgItem(parent, id);
        SendMessageW(control, BM_CLICK, 0, 0);
    }

    // The file-name and date fields' classes, registered as an opening of the dialog does.
    ExtendedEdits edits_{GetModuleHandleW(nullptr)};
    test::ScratchFolder folder_{"quon page "};  // the program folder of the test
    RecordingHost host_;
    PageWindow window_;
};

}  // namespace quon::config
