// What the tray icon component tells the shell, seen through a recording shell call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/cool_tray_icon.h"
#include "framework/text.h"

namespace {

struct ShellLog {
    struct Call {
        DWORD message;
        NOTIFYICONDATAW data;
    };
    std::vector<Call> calls;
    BOOL result = TRUE;
    fw::TCoolTrayIcon::ShellCall Recorder() {
        return [this](DWORD m, NOTIFYICONDATAW& d) {
            calls.push_back({m, d});
            return result;
        };
    }
    const Call& Last() const { return calls.back(); }
};

std::wstring Field(const WCHAR* field) { return std::wstring(field); }

TEST(TrayIconComponent, RecordIsThisBuildsStructureAddressedToAHiddenTopLevelWindow) {
    ShellLog shell;
    fw::TCoolTrayIcon icon(shell.Recorder());
    ASSERT_TRUE(icon.ShowIcon());
    const NOTIFYICONDATAW& d = shell.Last().data;
    EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(d.cbSize, sizeof(NOTIFYICONDATAW));
    EXPECT_EQ(d.uID, 1u);
    EXPECT_EQ(d.uCallbackMessage, 2048u);
    EXPECT_EQ(d.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    ASSERT_EQ(d.hWnd, icon.MessageWindow());
    ASSERT_TRUE(IsWindow(d.hWnd));
    // Top level (a message-only window would miss the taskbar's broadcast) and never shown.
    EXPECT_EQ(GetAncestor(d.hWnd, GA_PARENT), GetDesktopWindow());
    EXPECT_FALSE(IsWindowVisible(d.hWnd));
}

TEST(TrayIconComponent, TooltipIsCutTo127CharactersAndEmptyWithoutShowHint) {
    struct Case {
        std::string hint;
        bool showHint;
        std::wstring tip;
    };
    const Case cases[] = {
        {"Quon Tollen II\nоффлайн", true, L"Quon Tollen II\nоффлайн"},
        {std::string(127, 'x'), true, std::wstring(127, L'x')},
        {std::string(200, 'y'), true, std::wstring(127, L'y')},
        {std::string(300, '\xE6'), true, std::wstring(127, L'ж')},
        {"подсказка", false, L""},
        {"", true, L""},
    };
    for (const Case& c : cases) {
        ShellLog shell;
        fw::TCoolTrayIcon icon(shell.Recorder());
        icon.SetShowHint(c.showHint);
        icon.SetHint(c.hint);
        ASSERT_FALSE(shell.calls.empty());
        EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_MODIFY));
        EXPECT_EQ(Field(shell.Last().data.szTip), c.tip) << c.hint.size();
    }
}

TEST(TrayIconComponent, BalloonTakesTheOldOneDownThenShowsTitleTextIconAndTimeout) {
    ShellLog shell;
    fw::TCoolTrayIcon icon(shell.Recorder());
    icon.SetHint("Quon");
    shell.calls.clear();
    ASSERT_TRUE(icon.ShowBalloonHint("Quon Tollen II", "Интернет оффлайн", fw::BalloonHintIcon::Warning, 10));
    ASSERT_EQ(shell.calls.size(), 2u);
    const NOTIFYICONDATAW& clear = shell.calls[0].data;
    EXPECT_EQ(shell.calls[0].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_TRUE(clear.uFlags & NIF_INFO);
    EXPECT_EQ(Field(clear.szInfo), L"");
    const NOTIFYICONDATAW& shown = shell.calls[1].data;
    EXPECT_EQ(shell.calls[1].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(shown.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO));
    EXPECT_EQ(Field(shown.szInfoTitle), L"Quon Tollen II");
    EXPECT_EQ(Field(shown.szInfo), L"Интернет оффлайн");
    EXPECT_EQ(shown.uTimeout, 10000u);
    EXPECT_EQ(shown.dwInfoFlags, static_cast<DWORD>(NIIF_WARNING));
    EXPECT_EQ(Field(shown.szTip), L"Quon");  // the tooltip stays
    // A later change of the icon or tooltip does not show the balloon again.
    icon.SetHint("x");
    EXPECT_FALSE(shell.Last().data.uFlags & NIF_INFO);
}

TEST(TrayIconComponent, LongBalloonTextsAreCutToTheirFields) {
    ShellLog shell;
    fw::TCoolTrayIcon icon(shell.Recorder());
    const std::string entry(256, 'e');
    const std::string text = "Интернет онлайн (" + entry + ")";
    ASSERT_TRUE(icon.ShowBalloonHint(std::string(100, 't'), text, fw::BalloonHintIcon::Info, 10));
    const NOTIFYICONDATAW& d = shell.Last().data;
    EXPECT_EQ(Field(d.szInfo), fw::Widen(text.substr(0, 255)));
    EXPECT_EQ(Field(d.szInfoTitle), std::wstring(63, L't'));
    EXPECT_EQ(d.szInfo[255], L'\0');
    EXPECT_EQ(d.dwInfoFlags, static_cast<DWORD>(NIIF_INFO));
}

TEST(TrayIconComponent, DisabledIconShowsNoBalloonAndIgnoresTheMouse) {
    ShellLog shell;
    fw::TCoolTrayIcon icon(shell.Recorder());
    int events = 0;
    icon.onMouseDown = [&](const fw::TrayMouseEvent&) { ++events; };
    icon.onMouseMove = [&](const fw::TrayMouseEvent&) { ++events; };
    icon.SetEnabled(false);
    shell.calls.clear();
    EXPECT_TRUE(icon.ShowBalloonHint("t", "x", fw::BalloonHintIcon::Info, 10));
    EXPECT_TRUE(shell.calls.empty());
    SendMessageW(icon.MessageWindow(), fw::kTrayCallbackMessage, 1, WM_RBUTTONDOWN);
    SendMessageW(icon.MessageWindow(), fw::kTrayCallbackMessage, 1, WM_MOUSEMOVE);
    EXPECT_EQ(events, 0);
}

TEST(TrayIconComponent, CallbackMessagesBecomeMouseEventsWithTheirButton) {
    ShellLog shell;
    fw::TCoolTrayIcon icon(shell.Recorder());
    std::vector<std::string> log;
    icon.onMouseDown = [&](const fw::TrayMouseEvent& e) {
        log.push_back("down " + std::to_string(int(e.button)) + " " + std::to_string(e.shift & 0x38));
    };
    icon.onMouseUp = [&](const fw::TrayMouseEvent& e) { log.push_back("up " + std::to_string(int(e.button))); };
    icon.onDblClick = [&] { log.push_back("dbl"); };
    for (LPARAM m : {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK})
        SendMessageW(icon.MessageWindow(), fw::kTrayCallbackMessage, 1, m);
    EXPECT_EQ(log, (std::vector<std::string>{"down 2 32", "up 2", "up 1", "dbl"}));
}

TEST(TrayIconComponent, TaskbarCreatedAddsTheIconAgainOnlyWhileVisible) {
    ShellLog shell;
    shell.result = FALSE;  // no taskbar yet: the first add fails and that is not an error
    fw::TCoolTrayIcon icon(shell.Recorder());
    icon.SetHint("Quon Tollen II");
    EXPECT_FALSE(icon.ShowIcon());
    EXPECT_TRUE(icon.IconVisible());
    shell.result = TRUE;
    shell.calls.clear();
    SendMessageW(icon.MessageWindow(), fw::TCoolTrayIcon::TaskbarCreatedMessage(), 0, 0);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(Field(shell.Last().data.szTip), L"Quon Tollen II");

    icon.SetIconVisible(false);
    EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_DELETE));
    shell.calls.clear();
    SendMessageW(icon.MessageWindow(), fw::TCoolTrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(shell.calls.empty());
}

TEST(TrayIconComponent, KeepsItsOwnCopyOfTheIcon) {
    ShellLog shell;
    fw::TCoolTrayIcon icon(shell.Recorder());
    HICON mine = CopyIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_INFORMATION)));
    ASSERT_NE(mine, nullptr);
    icon.SetIcon(mine);
    DestroyIcon(mine);
    ICONINFO info{};
    ASSERT_NE(icon.Icon(), nullptr);
    EXPECT_NE(icon.Icon(), mine);
    ASSERT_TRUE(GetIconInfo(icon.Icon(), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(shell.Last().data.hIcon, icon.Icon());
}

}  // namespace
