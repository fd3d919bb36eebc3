// The main window as the user sees it: its size, opacity, dragging, the lock, the wheel, the fades
// and hiding under the cursor. Under Xvfb a layered window shows its premultiplied colours over black, so
// an opaque white face reads on the screen as its opacity.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/e2e/harness.h"
#include "tests/png_file.h"

namespace {

constexpr int kFaceWidth = 60, kFaceHeight = 30;

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

int ScreenRed(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c == CLR_INVALID ? -1 : GetRValue(c);
}

void MouseTo(int x, int y) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((x * 65535.0) / (ScreenWidth() - 1));
    in.mi.dy = static_cast<LONG>((y * 65535.0) / (ScreenHeight() - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

void LeftButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

// A press at from, moves in small steps to to, a release.
void Drag(POINT from, POINT to) {
    MouseTo(from.x, from.y);
    rig::WaitUntil([] { return false; }, 100);
    LeftButton(true);
    for (int i = 1; i <= 10; ++i) {
        rig::WaitUntil([] { return false; }, 30);
        MouseTo(from.x + (to.x - from.x) * i / 10, from.y + (to.y - from.y) * i / 10);
    }
    rig::WaitUntil([] { return false; }, 100);
    LeftButton(false);
}

std::string ReadKey(const rig::TestFolder& dir, const char* section, const char* key) {
    char buf[256] = {};
    GetPrivateProfileStringA(section, key, "", buf, sizeof buf, dir.PathA().append("data.qif").c_str());
    return buf;
}

// A program folder whose theme is a plain opaque white face with a hide button in its top-left corner.
class WindowBehaviour : public ::testing::Test {
protected:
    void UseWhiteTheme(const std::string& extraData, bool withHideButton = false) {
        CreateDirectoryW(dir.File("white").c_str(), nullptr);
        ASSERT_TRUE(quon::test::WriteSolidPng(dir.File("white\\face.png"), kFaceWidth, kFaceHeight, 0xFFFFFFFF));
        ASSERT_TRUE(quon::test::WriteSolidPng(dir.File("white\\hide_a.png"), 10, 10, 0xFF000000 | 0x40));
        std::string qsf = "[visibility]\r\nconfig=0\r\nstate=0\r\nvalue=0\r\ngraph=0\r\nd_day=0\r\nd_month=0\r\n"
                          "d_free=0\r\n";
        qsf += withHideButton ? "hide=1\r\n[data.hide]\r\nleft=0\r\ntop=0\r\nwidth=10\r\nheight=10\r\n" : "hide=0\r\n";
        ASSERT_TRUE(dir.Write("white\\skin.qsf", qsf));
        ASSERT_TRUE(dir.WriteData("[skin]\r\nfile=" + dir.PathA() + "white\\skin.qsf\r\n" + extraData));
    }
    HWND Start() {
        app = std::make_unique<rig::Program>(dir);
        HWND w = app->WaitForWindow();
        EXPECT_NE(w, nullptr);
        if (!w) return w;
        EXPECT_TRUE(WaitForDrawn(w));
        // The window is drawn before the start-up's last steps, which put it back at its saved place.
        EXPECT_TRUE(dir.WaitForStartUpEnd());
        return w;
    }
    // Shown and drawn: the window takes the face's size at its first drawing.
    static bool WaitForDrawn(HWND w) {
        return rig::WaitUntil([&] {
            const rig::WindowState s = rig::ReadWindow(w);
            return s.visible && s.rect.right - s.rect.left == kFaceWidth && s.rect.bottom - s.rect.top == kFaceHeight;
        }, 10000);
    }
    POINT Centre(HWND w) const {
        RECT r;
        GetWindowRect(w, &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    bool WaitForRed(HWND w, int value, DWORD ms = 5000) const {
        return rig::WaitUntil([&] { return std::abs(ScreenRed(Centre(w).x, Centre(w).y) - value) <= 1; }, ms);
    }

    rig::TestFolder dir;
    std::unique_ptr<rig::Program> app;
};

TEST_F(WindowBehaviour, TakesTheSizeOfTheFaceAtItsPlace) {
    UseWhiteTheme("[view]\r\nx=300\r\ny=200\r\n");
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    const rig::WindowState s = rig::ReadWindow(w);
    EXPECT_EQ(s.rect.left, ScreenWidth() - 300);
    EXPECT_EQ(s.rect.top, ScreenHeight() - 200);
    EXPECT_EQ(s.rect.right - s.rect.left, kFaceWidth);
    EXPECT_EQ(s.rect.bottom - s.rect.top, kFaceHeight);
}

TEST_F(WindowBehaviour, OpacityReachesTheScreenAsItsLowByte) {
    struct Case { const char* o; int red; };
    const Case cases[] = {{"200", 200}, {"456", 200}, {"255", 255}};
    for (const Case& c : cases) {
        UseWhiteTheme(std::string("[view]\r\no=") + c.o + "\r\n[visibility]\r\nfade=6\r\n");
        HWND w = Start();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(WaitForRed(w, c.red)) << c.o << ": " << ScreenRed(Centre(w).x, Centre(w).y);
        app.reset();
    }
}

TEST_F(WindowBehaviour, DragMovesTheWindowAndStoresItsDistancesFromTheEdges) {
    UseWhiteTheme("[view]\r\nx=300\r\ny=200\r\n");
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    const POINT from = Centre(w);
    Drag(from, {from.x - 80, from.y - 50});
    ASSERT_TRUE(rig::WaitUntil([&] { return rig::ReadWindow(w).rect.left != ScreenWidth() - 300; }, 5000));
    RECT r = rig::ReadWindow(w).rect;
    EXPECT_NEAR(r.left, ScreenWidth() - 300 - 80, 3);
    EXPECT_NEAR(r.top, ScreenHeight() - 200 - 50, 3);
    EXPECT_TRUE(rig::WaitUntil([&] {
        r = rig::ReadWindow(w).rect;
        return ReadKey(dir, "view", "x") == std::to_string(ScreenWidth() - r.left) &&
               ReadKey(dir, "view", "y") == std::to_string(ScreenHeight() - r.top);
    }, 5000)) << ReadKey(dir, "view", "x") << " " << ReadKey(dir, "view", "y");
}

TEST_F(WindowBehaviour, LockedPositionDoesNotDragNorWrite) {
    UseWhiteTheme("[view]\r\nx=300\r\ny=200\r\nfix=1\r\n");
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    const RECT before = rig::ReadWindow(w).rect;
    const POINT from = Centre(w);
    Drag(from, {from.x - 80, from.y - 50});
    EXPECT_FALSE(rig::WaitUntil([&] { return rig::ReadWindow(w).rect.left != before.left; }, 1000));
    EXPECT_EQ(rig::ReadWindow(w).rect.top, before.top);
    EXPECT_EQ(ReadKey(dir, "view", "x"), "300");
    EXPECT_EQ(ReadKey(dir, "view", "y"), "200");
}

TEST_F(WindowBehaviour, WheelKeepsTheOpacityWithinItsLimits) {
    struct Case { const char* o; int delta; std::vector<int> after; };  // the opacity after each turn
    const Case cases[] = {{"60", -120, {55, 55}}, {"100", -120, {90, 80}}, {"250", 120, {255, 255}},
                          {"230", 120, {240, 250}}};
    for (const Case& c : cases) {
        UseWhiteTheme(std::string("[view]\r\no=") + c.o + "\r\n[visibility]\r\nfade=6\r\n");
        HWND w = Start();
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(WaitForRed(w, std::atoi(c.o))) << c.o;
        // The start-up fade has ended once the picture stays put for a while.
        int stableFor = 0;
        ASSERT_TRUE(rig::WaitUntil([&] {
            stableFor = std::abs(ScreenRed(Centre(w).x, Centre(w).y) - std::atoi(c.o)) <= 1 ? stableFor + 1 : 0;
            return stableFor >= 30;
        }, 5000));
        const POINT at = Centre(w);
        for (int expected : c.after) {
            ASSERT_NE(SendMessageTimeoutW(w, WM_MOUSEWHEEL, MAKEWPARAM(0, c.delta), MAKELPARAM(at.x, at.y),
                                          SMTO_NORMAL, 5000, nullptr),
                      0);
            EXPECT_TRUE(WaitForRed(w, expected)) << c.o << " " << c.delta << " -> " << expected << ": "
                                                 << ScreenRed(at.x, at.y);
        }
        app.reset();
    }
}

TEST_F(WindowBehaviour, HideButtonFadesTheWindowOut) {
    UseWhiteTheme("[view]\r\no=225\r\n[visibility]\r\nfade=0\r\n", true);  // step 1: about 1.1 s per fade
    app = std::make_unique<rig::Program>(dir);
    HWND w = app->WaitForWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(WaitForDrawn(w));
    const POINT probe = Centre(w);
    ASSERT_TRUE(WaitForRed(w, 225));

    RECT r = rig::ReadWindow(w).rect;
    MouseTo(r.left + 5, r.top + 5);
    rig::WaitUntil([] { return false; }, 100);
    LeftButton(true);
    rig::WaitUntil([] { return false; }, 50);
    LeftButton(false);
    EXPECT_TRUE(rig::WaitUntil([&] { int v = ScreenRed(probe.x, probe.y); return v > 20 && v < 200; }, 5000));
    EXPECT_TRUE(rig::WaitUntil([&] { return !IsWindowVisible(w); }, 5000));
    EXPECT_TRUE(app->Running());
}

TEST_F(WindowBehaviour, HidesUnderTheCursorAndComesBackWhenItLeaves) {
    UseWhiteTheme("[visibility]\r\nover=1\r\nfade=6\r\n", true);
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(WaitForRed(w, 225));
    const RECT r = rig::ReadWindow(w).rect;
    // Over the hide button it stays.
    MouseTo(r.left + 5, r.top + 5);
    EXPECT_FALSE(rig::WaitUntil([&] { return !IsWindowVisible(w); }, 700));
    MouseTo(r.left + 40, r.top + 20);
    ASSERT_TRUE(rig::WaitUntil([&] { return !IsWindowVisible(w); }, 3000));
    MouseTo(r.left - 100, r.top - 100);
    // The cursor is looked for once a second; a loaded machine may take a few of those.
    EXPECT_TRUE(rig::WaitUntil([&] { return IsWindowVisible(w) != FALSE; }, 10000));
    EXPECT_TRUE(WaitForRed(w, 225));  // the opacity was not touched
}

TEST_F(WindowBehaviour, AShownWindowComesToTheForegroundWithoutATaskbarButton) {
    // Not top-most, hidden at the start: shown later, it must not stay behind the window in front.
    UseWhiteTheme("[visibility]\r\ndesktop=1\r\nstart=0\r\nfade=6\r\n");
    app = std::make_unique<rig::Program>(dir);
    HWND w = app->WaitForWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(dir.WaitForStartUpEnd());
    HWND front = CreateWindowExW(0, L"STATIC", L"front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, ScreenWidth(),
                                 ScreenHeight(), nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(front, nullptr);
    SetForegroundWindow(front);
    ASSERT_TRUE(rig::WaitUntil([&] { return GetForegroundWindow() == front; }, 5000));

    rig::Commands commands;
    ASSERT_TRUE(commands.Send(w, 5, "show"));
    EXPECT_TRUE(rig::WaitUntil([&] { return GetForegroundWindow() == w; }, 5000));
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &gui));
    EXPECT_EQ(gui.hwndActive, w);  // the wheel reaches it without a click first
    // No taskbar button: the window belongs to a hidden owner and is no application window.
    const HWND owner = GetWindow(w, GW_OWNER);
    EXPECT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    DestroyWindow(front);
}

}  // namespace
