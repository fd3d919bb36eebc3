// The WM_COPYDATA commands and queries of the running meter, driven from another process.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/meter_session.h"

namespace quon::e2e {
namespace {

struct QueryCase {
    const char* name;
    std::string reply;
};

void ExpectReplies(MeterSession& m, const std::vector<QueryCase>& cases) {
    for (const QueryCase& c : cases) {
        auto reply = m.commands.Query(m.window, c.name, true, '4');
        ASSERT_TRUE(reply) << c.name;
        EXPECT_EQ(reply->code, 4) << c.name;
        EXPECT_EQ(reply->text, c.reply) << c.name;
    }
}

TEST(CopyDataQueries, EveryQueryOffline) {
    MeterSession m;
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitFirstPoll());
    ExpectReplies(m, {
        {"get(useronline)", "0"}, {"get(connection)", "0"}, {"get(versionnum)", "2010"},
        {"get(versionstr)", "2.1"}, {"get(statistics)", "0:0:0:"}, {"get(dlspeedbps)", "0"},
        {"get(ulspeedbps)", "0"}, {"get(dlspeedtxt)", ""}, {"get(ulspeedtxt)", ""}, {"get(nosuchname)", ""},
    });
}

TEST(CopyDataQueries, EveryQueryOnline) {
    MeterSession m(QuietSettings(), rig::RasScript().Connected("Dial", 123456, 7890));
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    // Wait for a tick after the connect so that the speed texts are those of a quiet tick.
    const size_t polls = m.folder.RasCalls("RasGetConnectionStatistics").size();
    ASSERT_TRUE(rig::WaitUntil(
        [&] { return m.folder.RasCalls("RasGetConnectionStatistics").size() > polls; }, 5000));
    ExpectReplies(m, {
        {"get(useronline)", "1"}, {"get(connection)", "1"}, {"get(versionnum)", "2010"},
        {"get(versionstr)", "2.1"}, {"get(statistics)", "1:123456:7890:Dial"},
        // Between two ticks the speeds are 0: every tick ends with the previous figures set to its own.
        {"get(dlspeedbps)", "0"}, {"get(ulspeedbps)", "0"},
        {"get(dlspeedtxt)", "0 б/с"}, {"get(ulspeedtxt)", "0 б/с"},
    });
}

TEST(CopyDataQueries, IgnoredConnectionIsPolledButNotCounted) {
    MeterSession m(QuietSettings({{"ignore", "items=1\r\nitem_1=Office\r\n"}}),
                   rig::RasScript().Connected("Office", 500, 20));
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(rig::WaitUntil([&] { return m.Ask("get(useronline)") == "1"; }, 15000));
    EXPECT_EQ(m.Ask("get(connection)"), "0");
}

TEST(CopyDataQueries, LayoutNameCaseTitleOrClassCodeAndShortQueries) {
    MeterSession m;
    ASSERT_TRUE(m.Start());
    auto byTitle = m.commands.Query(m.window, "GET(VersionNum)", false, '7');
    ASSERT_TRUE(byTitle);
    EXPECT_EQ(byTitle->code, 7);
    EXPECT_EQ(byTitle->text, "2010");

    m.commands.Clear();
    // Character 19 not a digit: reply code 0. Unknown name: an empty reply is still sent.
    ASSERT_TRUE(m.commands.Send(m.window, 88, "get(versionstr) 1 x " + m.commands.Name()));
    ASSERT_TRUE(m.commands.Send(m.window, 88, "get(nosuchname) 1 2 " + m.commands.Name()));
    auto got = m.commands.Received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].code, 0);
    EXPECT_EQ(got[0].text, "2.1");
    EXPECT_EQ(got[1].code, 2);
    EXPECT_EQ(got[1].text, "");

    // Fewer than 21 characters, an empty text, a requester that does not exist: no reply, no harm.
    m.commands.Clear();
    ASSERT_TRUE(m.commands.Send(m.window, 88, "get(versionnum) 1 1 "));
    ASSERT_TRUE(m.commands.SendBytes(m.window, 88, nullptr, 0));
    ASSERT_TRUE(m.commands.Send(m.window, 88, "get(versionnum) 1 1 NoSuchWindowClass_Quon"));
    EXPECT_TRUE(m.commands.Received().empty());
    EXPECT_EQ(m.Ask("get(versionnum)"), "2010");
}

TEST(CopyDataCommands, LongTextsAndOddCodesNeitherCrashNorHang) {
    MeterSession m;
    ASSERT_TRUE(m.Start());
    const std::string big(10000, '7');
    for (long code : {0L, 1L, 2L, 3L, 4L, 5L, 6L, 88L, 7L, 87L, 89L, -1L, -88L, 0x7fffffffL}) {
        const DWORD start = GetTickCount();
        EXPECT_TRUE(m.commands.SendBytes(m.window, code, big.data(), static_cast<DWORD>(big.size()))) << code;
        EXPECT_LT(GetTickCount() - start, 3000u) << code;
    }
    // A query longer than the limit is cut: its requester name ends at the 255th byte, so nobody gets it.
    std::string longQuery = "get(versionnum) 1 1 " + m.commands.Name() + std::string(300, 'z');
    m.commands.Clear();
    ASSERT_TRUE(m.commands.Send(m.window, 88, longQuery));
    EXPECT_TRUE(m.commands.Received().empty());
    // A NUL ends the text: what follows it is not part of the requester.
    std::string withNul = "get(versionnum) 1 1 " + m.commands.Name() + std::string(1, '\0') + "tail";
    ASSERT_TRUE(m.commands.SendBytes(m.window, 88, withNul.data(), static_cast<DWORD>(withNul.size())));
    ASSERT_EQ(m.commands.Received().size(), 1u);
    EXPECT_EQ(m.commands.Received()[0].text, "2010");
    EXPECT_TRUE(m.program->Running());
}

// A window whose thread takes no messages at all.
class HungWindow {
public:
    HungWindow() {
        thread_ = std::thread([this] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"QuonHungRequester";
            RegisterClassW(&wc);
            window_ = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                      nullptr, wc.hInstance, nullptr);
            created_ = true;
            WaitForSingleObject(release_, INFINITE);  // hung: never looks at its queue
            DestroyWindow(window_);
        });
        while (!created_) Sleep(5);
    }
    ~HungWindow() {
        SetEvent(release_);
        thread_.join();
        CloseHandle(release_);
    }

private:
    HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread thread_;
    HWND window_ = nullptr;
    volatile bool created_ = false;
};

TEST(CopyDataCommands, ARequesterThatNeverAnswersDoesNotStopTheMeter) {
    MeterSession m;
    ASSERT_TRUE(m.Start());
    HungWindow hung;
    const DWORD start = GetTickCount();
    EXPECT_TRUE(m.commands.Send(m.window, 88, "get(versionnum) 1 1 QuonHungRequester", 15000));
    EXPECT_LT(GetTickCount() - start, 6000u);
    // The meter goes on answering and polling.
    EXPECT_EQ(m.Ask("get(versionstr)"), "2.1");
    const size_t polls = m.folder.RasCalls("RasEnumConnectionsA").size();
    EXPECT_TRUE(rig::WaitUntil([&] { return m.folder.RasCalls("RasEnumConnectionsA").size() > polls; }, 10000));
}

TEST(CopyDataCommands, MovesMeasureFromTheFarScreenEdges) {
    MeterSession m;
    ASSERT_TRUE(m.Start());
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    struct Case { const char* text; int left, top; };
    const Case cases[] = {
        {"00300:00200", w - 300, h - 200},
        {"00020:00010", w - 50, h - 50},     // at least 50 pixels from the edges
        {"00400;00250", w - 400, h - 250},   // character 6 is not looked at
        {"00500:abcde", w - 500, h - 250},   // bad y: moved sideways only (then a beep)
        {"abcde:00100", w - 500, h - 250},   // bad x: not moved at all
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(m.commands.Send(m.window, 1, c.text)) << c.text;
        rig::WindowState s = rig::ReadWindow(m.window);
        EXPECT_EQ(s.rect.left, c.left) << c.text;
        EXPECT_EQ(s.rect.top, c.top) << c.text;
    }
    // A reload puts the window back at its saved place (the moves are not saved).
    ASSERT_TRUE(m.commands.Send(m.window, 0, "0"));
    rig::WindowState s = rig::ReadWindow(m.window);
    EXPECT_EQ(s.rect.left, w - 200);
    EXPECT_EQ(s.rect.top, h - 100);
}

// The summed brightness of the screen under the window (the layered window's pixels as shown).
uint64_t Brightness(HWND window) {
    RECT r = rig::ReadWindow(window).rect;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return 0;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    uint64_t sum = 0;
    const auto* px = static_cast<const uint8_t*>(bits);
    for (int i = 0; i < w * h; ++i) sum += px[i * 4] + px[i * 4 + 1] + px[i * 4 + 2];
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return sum;
}

// Waits until what the screen shows of the window has not changed for a while (a fade has ended);
// the brightness then.
uint64_t SettledBrightness(HWND window, DWORD timeoutMs = 10000) {
    uint64_t last = Brightness(window);
    DWORD since = GetTickCount();
    rig::WaitUntil([&] {
        uint64_t now = Brightness(window);
        if (now != last) {
            last = now;
            since = GetTickCount();
        }
        return GetTickCount() - since > 700;
    }, timeoutMs);
    return last;
}

TEST(CopyDataCommands, OpacityShowsAtOnceAndANonNumberChangesNothing) {
    MeterSession m(QuietSettings({{"view", "o=255\r\n"}, {"visibility", "fade=6\r\n"}}));  // quick fades
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.commands.Send(m.window, 5, "1"));
    ASSERT_TRUE(rig::WaitUntil([&] { return rig::ReadWindow(m.window).visible; }, 5000));
    const uint64_t full = SettledBrightness(m.window);
    ASSERT_NE(full, 0u) << "the window's place on the screen reads black";
    ASSERT_TRUE(m.commands.Send(m.window, 2, "55"));
    // No tick needed for it to show: the window is drawn anew while the command is handled (the screen
    // shows it as soon as the X server has taken the new picture).
    EXPECT_TRUE(rig::WaitUntil([&] { return Brightness(m.window) < full * 2 / 5; }, 500));
    ASSERT_TRUE(m.commands.Send(m.window, 2, "abc"));
    EXPECT_LT(SettledBrightness(m.window), full * 2 / 5);
    // A reload brings the saved opacity back.
    ASSERT_TRUE(m.commands.Send(m.window, 0, "0"));
    EXPECT_TRUE(rig::WaitUntil([&] { return Brightness(m.window) > full * 9 / 10; }, 3000));
}

TEST(CopyDataCommands, HangUpAndRebootOnlyWithTheirExactTexts) {
    MeterSession m(QuietSettings(), rig::RasScript().Connected("Dial", 1000, 10));
    ASSERT_TRUE(m.Start());
    ASSERT_TRUE(m.WaitCounted(true));
    for (const char* wrong : {"Perform(hangup)", "perform(HangUp)", "Perform(HangUp) ", "Perform(Reboot)"})
        ASSERT_TRUE(m.commands.Send(m.window, 3, wrong)) << wrong;
    for (const char* wrong : {"Perform(reboot)", "Perform(HangUp)", "Perform(Reboot) "})
        ASSERT_TRUE(m.commands.Send(m.window, 4, wrong)) << wrong;
    EXPECT_TRUE(m.folder.RasCalls("RasHangUpA").empty());
    EXPECT_TRUE(m.program->Running());

    ASSERT_TRUE(m.commands.Send(m.window, 3, "Perform(HangUp)"));
    EXPECT_TRUE(m.folder.WaitForRasCall("RasHangUpA", 5000));
    EXPECT_TRUE(m.WaitCounted(false));
    EXPECT_TRUE(m.program->Running());
}

TEST(CopyDataCommands, ShowAndHideWordsForTheWindow) {
    MeterSession m(QuietSettings({{"visibility", "fade=6\r\n"}}));  // quick fades
    ASSERT_TRUE(m.Start());
    ASSERT_FALSE(rig::ReadWindow(m.window).visible);
    auto visible = [&] { return rig::ReadWindow(m.window).visible; };
    // Neither word: nothing happens.
    for (const char* neither : {" 1", "01", "ja"}) ASSERT_TRUE(m.commands.Send(m.window, 5, neither));
    EXPECT_FALSE(rig::WaitUntil(visible, 1000));
    // A word sent during a fade is ignored, so each is repeated until the window follows it.
    struct Step { const char* word; bool shown; };
    for (const Step& step : {Step{"YES", true}, Step{"Hide", false}, Step{"1", true}, Step{"0", false}}) {
        EXPECT_TRUE(rig::WaitUntil([&] {
            m.commands.Send(m.window, 5, step.word);
            return visible() == step.shown;
        }, 10000)) << step.word;
    }
}

}  // namespace
}  // namespace quon::e2e
