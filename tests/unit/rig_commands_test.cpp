// The rig's command channel against a stand-in receiver on another thread that answers queries the way
// the main window's protocol does: by SendMessage to the window named in the query, during the send.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness.h"

namespace {

struct StandIn {
    static inline std::string lastText;
    static inline long lastCode = -1;
    HWND window = nullptr;
    HANDLE thread = nullptr;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);

    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM wp, LPARAM lp) {
        if (m != WM_COPYDATA) return DefWindowProcW(h, m, wp, lp);
        const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        lastCode = static_cast<long>(cds->dwData);
        lastText.assign(static_cast<const char*>(cds->lpData), cds->cbData);
        if (lastCode == 88 && lastText.size() >= 21) {
            const std::string requester = lastText.substr(20);
            HWND to = lastText[16] == '0' ? FindWindowA(nullptr, requester.c_str())
                                          : FindWindowA(requester.c_str(), nullptr);
            std::string reply = "reply to " + lastText.substr(0, 15);
            COPYDATASTRUCT back{static_cast<ULONG_PTR>(lastText[18] - '0'), static_cast<DWORD>(reply.size()),
                                reply.data()};
            SendMessageA(to, WM_COPYDATA, reinterpret_cast<WPARAM>(h), reinterpret_cast<LPARAM>(&back));
        }
        return 0;
    }

    StandIn() {
        thread = CreateThread(
            nullptr, 0,
            [](LPVOID p) -> DWORD {
                auto* self = static_cast<StandIn*>(p);
                WNDCLASSW wc{};
                wc.lpfnWndProc = Proc;
                wc.hInstance = GetModuleHandleW(nullptr);
                wc.lpszClassName = L"RigStandIn";
                RegisterClassW(&wc);
                self->window =
                    CreateWindowW(L"RigStandIn", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
                SetEvent(self->ready);
                MSG msg;
                while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
                DestroyWindow(self->window);
                return 0;
            },
            this, 0, nullptr);
        WaitForSingleObject(ready, 5000);
    }
    ~StandIn() {
        PostThreadMessageW(GetThreadId(thread), WM_QUIT, 0, 0);
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
        CloseHandle(ready);
    }
};

TEST(RigCommands, SendCarriesTheCodeAndTheTextWithoutANul) {
    StandIn peer;
    rig::Commands cmd;
    ASSERT_TRUE(cmd.Send(peer.window, 5, "show"));
    EXPECT_EQ(StandIn::lastCode, 5);
    EXPECT_EQ(StandIn::lastText, "show");
    ASSERT_TRUE(cmd.Send(peer.window, -3, ""));
    EXPECT_EQ(StandIn::lastCode, -3);
    EXPECT_EQ(StandIn::lastText, "");
}

TEST(RigCommands, QueryLaysOutItsFieldsAndCollectsTheReplyByClassOrTitle) {
    StandIn peer;
    rig::Commands cmd;
    for (bool byClass : {true, false}) {
        auto reply = cmd.Query(peer.window, "get(versionnum)", byClass, '7');
        EXPECT_EQ(StandIn::lastText, std::string("get(versionnum) ") + (byClass ? '1' : '0') + " 7 " + cmd.Name());
        ASSERT_TRUE(reply.has_value()) << byClass;
        EXPECT_EQ(reply->code, 7);
        EXPECT_EQ(reply->text, "reply to get(versionnum)");
    }
    // A short name is padded to the fixed width.
    cmd.Query(peer.window, "get(x)");
    EXPECT_EQ(StandIn::lastText.substr(0, 17), "get(x)          1");
}

TEST(RigCommands, ASendToAWindowThatIsGoneFails) {
    rig::Commands cmd;
    HWND gone = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    EXPECT_FALSE(cmd.Send(gone, 0, "0", 500));
    EXPECT_FALSE(cmd.Query(gone, "get(connection)").has_value());
}

}  // namespace
