// The file-name edit in a dialog: the open dialog fills it (driven from a second thread, as a user
// would answer the modal dialog), dropped files fill it, names with blanks are quoted.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "controls/controls.h"
#include "controls/filename_edit.h"
#include "framework/text.h"
#include "tests/controls/host.h"
#include "tests/controls/probes.h"
#include "tests/support/dialog_windows.h"
#include "tests/support/scratch_folder.h"

namespace {

using controls_test::HostDialog;
constexpr WORD kFile = 20;

// Answers the first open dialog of this process: types the name into its file field and presses OK,
// or cancels it when the name is empty.
class DialogAnswer {
public:
    explicit DialogAnswer(std::wstring name) : name_(std::move(name)) {
        thread_ = std::thread([this] { Run(); });
    }
    ~DialogAnswer() {
        stop_ = true;
        thread_.join();
    }
    bool Answered() const { return answered_; }
    std::wstring title;

private:
    // The open dialog of this process that is not the test's own host dialog.
    static HWND Find() {
        for (HWND w : quon::test::ShownDialogsOf(GetCurrentProcessId())) {
            wchar_t text[16] = {};
            GetWindowTextW(w, text, 16);
            if (lstrcmpW(text, L"Host") != 0) return w;
        }
        return nullptr;
    }
    void Run() {
        for (int i = 0; i < 500 && !stop_; ++i) {
            HWND dlg = Find();
            if (!dlg || !GetDlgItem(dlg, IDOK)) {
                Sleep(20);
                continue;
            }
            Sleep(200);
            wchar_t buf[256] = {};
            GetWindowTextW(dlg, buf, 256);
            title = buf;
            if (name_.empty()) {
                PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
            } else {
                HWND field = GetDlgItem(dlg, 0x47C);  // the file-name combo box
                if (!field) field = GetDlgItem(dlg, 0x480);
                SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name_.c_str()));
                PostMessageW(dlg, WM_COMMAND, IDOK, 0);
            }
            answered_ = true;
            return;
        }
    }
    std::wstring name_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> answered_{false};
    std::thread thread_;
};

class FilenameEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<HostDialog>(std::vector<controls_test::DialogItem>{
            {L"TFilenameEdit", WS_BORDER | WS_TABSTOP | controls::FES_ACCEPTFILES, 10, 10, 150, 12, kFile},
            {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 120, 80, 50, 14, IDOK},
        });
        ASSERT_NE(host->Handle(), nullptr);
        edit = host->Item(kFile);
        ASSERT_NE(controls::FilenameEditOf(edit), nullptr);
        host->notices.clear();
    }
    void TearDown() override {
        host.reset();
    }
    std::filesystem::path MakeFile(const std::wstring& name) {
        auto p = dir / name;
        std::ofstream(p) << "x";
        return p;
    }
    std::wstring Text() const {
        wchar_t buf[1024] = {};
        GetWindowTextW(edit, buf, 1024);
        return buf;
    }
    void PressButton() {
        controls_test::Click(controls_test::CentreOf(controls::FilenameEditOf(edit)->Button()));
    }
    int Changes() const { return host->Count(kFile, EN_CHANGE); }

    const quon::test::ScratchFolder scratch{"quon file edit "};
    const std::filesystem::path dir = std::filesystem::path(scratch.WFile("")).parent_path();  // no trailing backslash
    std::unique_ptr<HostDialog> host;
    HWND edit = nullptr;
};

TEST_F(FilenameEditTest, TheFileDialogFillsTheEditAndQuotesANameWithABlank) {
    auto chosen = MakeFile(L"my sound.wav");
    controls::FilenameEditOf(edit)->Dialog().title = "Выбор аудио файла...";
    controls::FilenameEditOf(edit)->Dialog().filter = "Аудио файлы формата wave|*.wav|Все файлы|*.*";
    DialogAnswer answer(chosen.wstring());
    PressButton();
    ASSERT_TRUE(controls_test::WaitFor([&] { return answer.Answered() && !Text().empty(); }, 10000));
    EXPECT_EQ(answer.title, L"Выбор аудио файла...");
    EXPECT_EQ(Text(), L"\"" + chosen.wstring() + L"\"");
    EXPECT_EQ(fw::Widen(controls::FilenameEditOf(edit)->FileName()), chosen.wstring());
    EXPECT_EQ(Changes(), 1);
    EXPECT_EQ(host->Count(kFile, controls::FEN_AFTERDIALOG), 1);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(FilenameEditTest, CancellingLeavesTheTextAndTheParentMayRewriteOrStopTheDialog) {
    SetWindowTextW(edit, L"C:\\old.wav");
    host->notices.clear();
    {
        DialogAnswer answer(L"");
        PressButton();
        ASSERT_TRUE(controls_test::WaitFor([&] { return host->Count(kFile, controls::FEN_AFTERDIALOG) == 1; }, 10000));
    }
    EXPECT_EQ(Text(), L"C:\\old.wav");
    EXPECT_EQ(Changes(), 0);

    host->onNotify = [](NMHDR* hdr) {
        if (hdr->code != controls::FEN_AFTERDIALOG) return;
        auto* n = reinterpret_cast<controls::FileDialogNotify*>(hdr);
        n->name = "SKINS\\default\\skin.qsf";
        n->action = true;
    };
    {
        DialogAnswer answer(L"");
        PressButton();
        ASSERT_TRUE(controls_test::WaitFor([&] { return Text() == L"SKINS\\default\\skin.qsf"; }, 10000));
    }
    EXPECT_EQ(Changes(), 1);

    host->onNotify = [](NMHDR* hdr) {
        if (hdr->code == controls::FEN_BEFOREDIALOG) reinterpret_cast<controls::FileDialogNotify*>(hdr)->action = false;
    };
    PressButton();
    controls_test::Pump(300);
    EXPECT_EQ(host->Count(kFile, controls::FEN_BEFOREDIALOG), 3);
    EXPECT_EQ(host->Count(kFile, controls::FEN_AFTERDIALOG), 2);  // no dialog this time
}

// A shell drop as the shell makes it: a DROPFILES block with the wide names.
HDROP MakeDrop(const std::vector<std::wstring>& names) {
    size_t chars = 1;
    for (const auto& n : names) chars += n.size() + 1;
    HGLOBAL mem = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(mem));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* p = reinterpret_cast<wchar_t*>(drop + 1);
    for (const auto& n : names) {
        std::copy(n.begin(), n.end(), p);
        p += n.size() + 1;
    }
    GlobalUnlock(mem);
    return static_cast<HDROP>(mem);
}

TEST_F(FilenameEditTest, ADroppedFileFillsTheEditWholeAndQuotedWhenItHasABlank) {
    auto first = MakeFile(L"drop me.wav");
    auto second = MakeFile(L"second.wav");
    PostMessageW(edit, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({first.wstring(), second.wstring()})), 0);
    ASSERT_TRUE(controls_test::WaitFor([&] { return !Text().empty(); }));
    EXPECT_EQ(Text(), L"\"" + first.wstring() + L"\"");  // only the first of a group
    EXPECT_EQ(host->Count(kFile, controls::FEN_DROPFILES), 1);
    EXPECT_EQ(Changes(), 1);

    std::wstring longName = dir.wstring() + L"\\" + std::wstring(240, L'n') + L"\\" + std::wstring(40, L'f') + L".wav";
    ASSERT_GT(longName.size(), 255u);
    PostMessageW(edit, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({longName})), 0);
    ASSERT_TRUE(controls_test::WaitFor([&] { return host->Count(kFile, controls::FEN_DROPFILES) == 2; }));
    EXPECT_EQ(Text(), L"\"" + longName + L"\"");  // not cut at 255 characters
}

TEST_F(FilenameEditTest, FileNamesOfTextsAndInvalidNames) {
    auto file = MakeFile(L"a b.wav");
    auto* control = controls::FilenameEditOf(edit);
    SetWindowTextW(edit, file.wstring().c_str());  // an existing file with a blank, unquoted
    EXPECT_EQ(fw::Widen(control->FileName()), file.wstring());
    SetWindowTextW(edit, L"\"C:\\Program Files\\player.exe\" /play \"x y\"");
    EXPECT_EQ(control->FileName(), "C:\\Program Files\\player.exe");
    SetWindowTextW(edit, L"keep");
    EXPECT_THROW(control->SetFileName("C:\\[bracket].wav"), controls::ComboEditError);
    EXPECT_EQ(Text(), L"keep");
    control->SetFileName("C:\\Мои звуки\\звонок.wav");
    EXPECT_EQ(Text(), L"\"C:\\Мои звуки\\звонок.wav\"");
    control->SetFileName("");
    EXPECT_EQ(Text(), L"");
}

TEST_F(FilenameEditTest, WithoutDirectInputTypingIsOffButTheButtonWorks) {
    controls::FilenameEditOf(edit)->SetDirectInput(false);
    SetWindowTextW(edit, L"x.wav");
    SetFocus(edit);
    controls_test::TypeChar(L'a');
    controls_test::Press(VK_BACK);
    controls_test::Press(VK_DELETE);
    EXPECT_EQ(Text(), L"x.wav");
    auto chosen = MakeFile(L"plain.wav");
    DialogAnswer answer(chosen.wstring());
    PressButton();
    ASSERT_TRUE(controls_test::WaitFor([&] { return Text() == L"\"" + chosen.wstring() + L"\""; }, 10000));
}

// The clipboard keys change only a field the user may type into: with typing off (the theme field) or
// read-only, Shift+Insert pastes nothing, as Ctrl+V does not, and nothing is cut.
TEST_F(FilenameEditTest, ClipboardKeysLeaveAFieldWithoutTypingAlone) {
    struct Key {
        const char* name;
        WORD modifier, vk;
        const wchar_t* typedResult;  // what the keys give in a field the user may type into
    } keys[] = {
        {"Shift+Insert", VK_SHIFT, VK_INSERT, L"C:\\pasted.wav"},
        {"Ctrl+V", VK_CONTROL, 'V', L"C:\\pasted.wav"},
        {"Shift+Delete", VK_SHIFT, VK_DELETE, L""},
        {"Ctrl+X", VK_CONTROL, 'X', L""},
    };
    enum Field { kTyping, kNoDirectInput, kReadOnly };
    for (Field field : {kTyping, kNoDirectInput, kReadOnly}) {
        controls::FilenameEditOf(edit)->SetDirectInput(field != kNoDirectInput);
        controls::FilenameEditOf(edit)->SetReadOnly(field == kReadOnly);
        for (const Key& k : keys) {
            controls_test::SetClipboardText(L"C:\\pasted.wav");
            SetWindowTextW(edit, L"x.wav");
            SetFocus(edit);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            controls_test::PressWith(k.modifier, k.vk);
            EXPECT_EQ(Text(), field == kTyping ? k.typedResult : L"x.wav") << "field " << field << ", " << k.name;
        }
    }
}

// The second press of a double click is no press: the button acts once.
TEST_F(FilenameEditTest, ADoubleClickOnTheButtonActsOnce) {
    host->onNotify = [](NMHDR* hdr) {
        if (hdr->code == controls::FEN_BEFOREDIALOG) reinterpret_cast<controls::FileDialogNotify*>(hdr)->action = false;
    };
    controls_test::DoubleClick(controls_test::CentreOf(controls::FilenameEditOf(edit)->Button()));
    controls_test::Pump(300);
    EXPECT_EQ(host->Count(kFile, controls::CEN_BUTTONCLICK), 1);
    EXPECT_EQ(host->Count(kFile, controls::FEN_BEFOREDIALOG), 1);
}

}  // namespace

TEST_F(FilenameEditTest, TheButtonIsSetOffFromTheTextByALineDownItsLeftEdge) {
    HWND button = controls::FilenameEditOf(edit)->Button();
    const controls::Pixels px = controls_test::Printed(button);
    ASSERT_GT(px.height, 4);
    for (int y : {1, px.height / 2, px.height - 3}) {
        EXPECT_EQ(px.At(0, y), GetSysColor(COLOR_BTNFACE)) << y;
        EXPECT_EQ(px.At(1, y), GetSysColor(COLOR_BTNHIGHLIGHT)) << y;
    }
}
