// The general and appearance pages in the real dialog of the running program: the autostart entry in
// Wine's own registry and Startup folders, its lock under "/instance", and the live previews that move
// and fade the meter's window.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "config/dialog/frame_ids.h"
#include "config/pages/interface/page_interface_ids.h"
#include "config/pages/options/page_options_ids.h"
#include "framework/text.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/harness_settings.h"
#include "tests/png_file.h"

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kValueName = L"Quon Tollen II";

std::wstring StartupFolder(HKEY root, const wchar_t* name) {
    wchar_t value[MAX_PATH * 2] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(root, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name,
                     RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return {};
    return value;
}
std::wstring UserLink() { return StartupFolder(HKEY_CURRENT_USER, L"Startup") + L"\\Quon Tollen II.lnk"; }
std::wstring CommonLink() { return StartupFolder(HKEY_LOCAL_MACHINE, L"Common Startup") + L"\\Quon Tollen II.lnk"; }

std::optional<std::wstring> RunValue(HKEY root) {
    wchar_t value[MAX_PATH * 2] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(root, kRunKey, kValueName, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

void SetRunValue(HKEY root, const std::wstring& data) {
    RegSetKeyValueW(root, kRunKey, kValueName, REG_SZ, data.c_str(), static_cast<DWORD>((data.size() + 1) * 2));
}

bool Exists(const std::wstring& file) { return GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Every place cleared, before and after a test.
void ClearAutostart() {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName);
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, kValueName);
    DeleteFileW(UserLink().c_str());
    DeleteFileW(CommonLink().c_str());
}

struct Places {
    bool userRun, machineRun, userLink, commonLink;
    bool operator==(const Places&) const = default;
};
Places Now() {
    return {RunValue(HKEY_CURRENT_USER).has_value(), RunValue(HKEY_LOCAL_MACHINE).has_value(), Exists(UserLink()),
            Exists(CommonLink())};
}
std::ostream& operator<<(std::ostream& out, const Places& p) {
    return out << "userRun " << p.userRun << ", machineRun " << p.machineRun << ", userLink " << p.userLink
               << ", commonLink " << p.commonLink;
}

struct Link {
    std::wstring target, arguments, folder, icon;
    int iconIndex = -1, show = -1;
    WORD hotKey = 0xFFFF;
};
std::optional<Link> ReadLink(const std::wstring& file) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return std::nullopt;
    std::optional<Link> result;
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
        if (SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
            wchar_t buf[MAX_PATH * 2] = {};
            Link l;
            link->GetPath(buf, MAX_PATH * 2, nullptr, 0);
            l.target = buf;
            link->GetArguments(buf, MAX_PATH * 2);
            l.arguments = buf;
            link->GetWorkingDirectory(buf, MAX_PATH * 2);
            l.folder = buf;
            link->GetIconLocation(buf, MAX_PATH * 2, &l.iconIndex);
            l.icon = buf;
            link->GetShowCmd(&l.show);
            link->GetHotkey(&l.hotKey);
            result = l;
        }
        persist->Release();
    }
    link->Release();
    return result;
}

class SettingsPages : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ClearAutostart();
    }
    void TearDown() override {
        app.reset();
        ClearAutostart();
        CoUninitialize();
    }
    // The program with its settings open on the general page.
    std::optional<rig::SettingsWindow> OpenGeneralPage(const std::wstring& arguments = L"") {
        app = std::make_unique<rig::Program>(dir, arguments);
        HWND w = app->WaitForWindow();
        if (!w || !dir.WaitForStartUpEnd()) return std::nullopt;
        window = w;
        rig::OpenSettingsByDoubleClick(w);
        rig::SettingsWindow s = rig::SettingsWindow::WaitFor(app->Pid());
        if (!s) return std::nullopt;
        s.Click(IDC_BTN_OPTIONS);
        return s;
    }
    std::wstring ProgramPath() const { return dir.Path() + L"quonmain.exe"; }

    rig::TestFolder dir;
    std::unique_ptr<rig::Program> app;
    HWND window = nullptr;
};

TEST_F(SettingsPages, AutostartInEachPlaceFoundAgainSwitchedAndRemoved) {
    ASSERT_FALSE(StartupFolder(HKEY_CURRENT_USER, L"Startup").empty());
    auto s = OpenGeneralPage();
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->Checked(IDC_BOX_AUTOSTART));
    EXPECT_FALSE(s->Enabled(IDC_RAD_USER_REG));

    // Ticked without a choice: the user's Run value with the quoted path and " /auto".
    s->Click(IDC_BOX_AUTOSTART);
    EXPECT_TRUE(s->Checked(IDC_RAD_USER_REG));
    EXPECT_EQ(RunValue(HKEY_CURRENT_USER), L"\"" + ProgramPath() + L"\" /auto");
    EXPECT_EQ(Now(), (Places{true, false, false, false}));

    s->Click(IDC_RAD_MACHINE_REG);
    EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), L"\"" + ProgramPath() + L"\" /auto");
    EXPECT_EQ(Now(), (Places{false, true, false, false}));

    s->Click(IDC_RAD_USER_LNK);
    EXPECT_EQ(Now(), (Places{false, false, true, false}));
    const auto link = ReadLink(UserLink());
    ASSERT_TRUE(link);
    EXPECT_EQ(_wcsicmp(link->target.c_str(), ProgramPath().c_str()), 0) << fw::Narrow(link->target);
    EXPECT_EQ(link->arguments, L" /auto");
    EXPECT_EQ(_wcsicmp(link->folder.c_str(), dir.Path().c_str()), 0) << fw::Narrow(link->folder);
    EXPECT_EQ(_wcsicmp(link->icon.c_str(), ProgramPath().c_str()), 0) << fw::Narrow(link->icon);
    EXPECT_EQ(link->iconIndex, 0);
    EXPECT_EQ(link->show, SW_SHOWNORMAL);
    EXPECT_EQ(link->hotKey, 0);

    s->Click(IDC_RAD_MACHINE_LNK);
    EXPECT_EQ(Now(), (Places{false, false, false, true}));
    s->Click(IDC_BTN_CANCEL);  // the entry took effect at once; Cancel does not undo it
    ASSERT_TRUE(s->WaitClosed());
    EXPECT_EQ(Now(), (Places{false, false, false, true}));

    // Beside the all-users shortcut, a user's shortcut and both Run values: the all-users one is found
    // at the next opening, and the opening's own run leaves it alone.
    ASSERT_TRUE(CopyFileW(CommonLink().c_str(), UserLink().c_str(), FALSE));
    SetRunValue(HKEY_CURRENT_USER, L"old");
    SetRunValue(HKEY_LOCAL_MACHINE, L"old");
    rig::OpenSettingsByDoubleClick(window);
    s = rig::SettingsWindow::WaitFor(app->Pid());
    ASSERT_TRUE(*s);
    EXPECT_TRUE(s->Checked(IDC_BOX_AUTOSTART));
    EXPECT_TRUE(s->Checked(IDC_RAD_MACHINE_LNK));
    EXPECT_EQ(Now(), (Places{false, false, false, true}));

    // Unticked: every place is gone and the choices close.
    s->Click(IDC_BTN_OPTIONS);
    s->Click(IDC_BOX_AUTOSTART);
    EXPECT_EQ(Now(), (Places{false, false, false, false}));
    EXPECT_FALSE(s->Enabled(IDC_RAD_MACHINE_LNK));
    EXPECT_FALSE(s->Enabled(IDC_BOX_REINIT));
    s->Click(IDC_BTN_CANCEL);
}

TEST_F(SettingsPages, MachineRunValueWinsOverTheUsersWhenNoShortcutExists) {
    SetRunValue(HKEY_CURRENT_USER, L"old");
    SetRunValue(HKEY_LOCAL_MACHINE, L"old");
    auto s = OpenGeneralPage();
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->Checked(IDC_RAD_MACHINE_REG));
    // The opening rewrites the found place with this program's path and removes the other.
    EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), L"\"" + ProgramPath() + L"\" /auto");
    EXPECT_EQ(Now(), (Places{false, true, false, false}));
    s->Click(IDC_BTN_CANCEL);
}

TEST_F(SettingsPages, InstanceLocksTheAutostartOptions) {
    SetRunValue(HKEY_CURRENT_USER, L"as it was");
    auto s = OpenGeneralPage(L"/instance");
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->Checked(IDC_BOX_AUTOSTART));
    EXPECT_TRUE(s->Checked(IDC_RAD_USER_REG));
    for (int id : {IDC_BOX_AUTOSTART, IDC_RAD_USER_REG, IDC_RAD_MACHINE_REG, IDC_RAD_USER_LNK, IDC_RAD_MACHINE_LNK})
        EXPECT_FALSE(s->Enabled(id)) << id;
    EXPECT_EQ(RunValue(HKEY_CURRENT_USER), L"as it was");  // nothing written or removed
    s->Click(IDC_BTN_CANCEL);
}

// The user's Startup folder as the system names it, changed for one test and put back after it.
class StartupFolderChanged : public SettingsPages {
protected:
    void SetUp() override {
        SettingsPages::SetUp();
        saved = StartupFolder(HKEY_CURRENT_USER, L"Startup");
        ASSERT_FALSE(saved.empty());
    }
    void TearDown() override {
        SetFolder(saved);
        SettingsPages::TearDown();
    }
    static void SetFolder(const std::wstring& folder) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Startup", REG_SZ, folder.c_str(),
                        static_cast<DWORD>((folder.size() + 1) * 2));
    }
    static void RemoveFolder() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, L"Startup"); }
    static constexpr const wchar_t* kShellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    std::wstring saved;
};

TEST_F(StartupFolderChanged, AFolderTheSystemDoesNotNameOffersNoShortcut) {
    RemoveFolder();
    auto s = OpenGeneralPage();
    ASSERT_TRUE(s);
    s->Click(IDC_BOX_AUTOSTART);
    EXPECT_FALSE(s->Enabled(IDC_RAD_USER_LNK));
    EXPECT_TRUE(s->Enabled(IDC_RAD_MACHINE_LNK));
    EXPECT_FALSE(Exists(L"C:\\Quon Tollen II.lnk"));
    s->Click(IDC_BTN_CANCEL);
}

TEST_F(StartupFolderChanged, AShortcutThatCannotBeSavedIsToldAndKeepsTheRunValue) {
    SetFolder(L"C:\\no such folder\\anywhere");
    SetRunValue(HKEY_CURRENT_USER, L"old");
    auto s = OpenGeneralPage();
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->Checked(IDC_RAD_USER_REG));
    s->Click(IDC_RAD_USER_LNK);
    // The place chosen failed: the value found before stays, and the user reads why.
    EXPECT_EQ(RunValue(HKEY_CURRENT_USER), L"\"" + ProgramPath() + L"\" /auto");
    EXPECT_FALSE(s->Enabled(IDC_RAD_USER_LNK));
    EXPECT_FALSE(s->Enabled(IDC_RAD_MACHINE_LNK));
    EXPECT_TRUE(rig::WaitUntil([&] { return s->Text(IDC_HINT_TEXT).find("ярлык") != std::string::npos; }, 3000))
        << s->Text(IDC_HINT_TEXT);
    s->Click(IDC_BTN_CANCEL);
}

// ---- previews ----

int ScreenRed(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ReleaseDC(nullptr, screen);
    return c == CLR_INVALID ? -1 : GetRValue(c);
}

TEST_F(SettingsPages, PreviewsMoveAndFadeTheRunningMeter) {
    // A plain opaque white face: under Xvfb its red channel on the screen reads as its opacity.
    CreateDirectoryW(dir.File("white").c_str(), nullptr);
    ASSERT_TRUE(quon::test::WriteSolidPng(dir.File("white\\face.png"), 60, 30, 0xFFFFFFFF));
    ASSERT_TRUE(dir.Write("white\\skin.qsf", "[visibility]\r\nconfig=0\r\nstate=0\r\nvalue=0\r\ngraph=0\r\nd_day=0\r\n"
                                             "d_month=0\r\nd_free=0\r\nhide=0\r\n"));
    ASSERT_TRUE(dir.WriteData("[skin]\r\nfile=" + dir.PathA() + "white\\skin.qsf\r\n[view]\r\no=255\r\nx=200\r\ny=100\r\n"
                              "[visibility]\r\nfade=6\r\nstart=1\r\n"));
    auto s = OpenGeneralPage();
    ASSERT_TRUE(s);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);

    s->SetText(IDC_EDT_X, "300");
    s->SetText(IDC_EDT_Y, "250");
    EXPECT_TRUE(rig::WaitUntil([&] {
        const rig::WindowState st = rig::ReadWindow(window);
        return st.rect.left == width - 300 && st.rect.top == height - 250;
    }, 3000));

    if (ScreenRed(window) <= 0) GTEST_SKIP() << "the screen cannot be read here";
    EXPECT_TRUE(rig::WaitUntil([&] { return ScreenRed(window) >= 254; }, 3000));
    s->Click(IDC_BTN_INTERFACE);
    s->SetTrackBar(IDC_BAR_OPACITY, 200);  // opacity 55
    EXPECT_TRUE(rig::WaitUntil([&] { return std::abs(ScreenRed(window) - 55) <= 2; }, 3000)) << ScreenRed(window);

    // Apply saves 155; a later preview is undone by Cancel back to what Apply saved.
    s->SetTrackBar(IDC_BAR_OPACITY, 100);
    s->Click(IDC_BTN_APPLY);
    EXPECT_TRUE(dir.WaitForFileText("data.qif", "o=155"));
    s->SetTrackBar(IDC_BAR_OPACITY, 180);
    EXPECT_TRUE(rig::WaitUntil([&] { return std::abs(ScreenRed(window) - 75) <= 2; }, 3000)) << ScreenRed(window);
    s->Click(IDC_BTN_CANCEL);
    ASSERT_TRUE(s->WaitClosed());
    EXPECT_TRUE(rig::WaitUntil([&] { return std::abs(ScreenRed(window) - 155) <= 2; }, 3000)) << ScreenRed(window);
}

}  // namespace
