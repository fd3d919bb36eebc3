// The RAS test double itself: the tests of the program rely on it answering as Windows does.
#include <windows.h>

#include <ras.h>
#include <raserror.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/e2e/harness.h"

namespace {

class FakeRas : public ::testing::Test {
protected:
    rig::TestFolder dir;
    rig::RasDouble ras{dir};

    decltype(RasEnumConnectionsA)* enumConnections = ras.Proc<decltype(RasEnumConnectionsA)>("RasEnumConnectionsA");
    decltype(RasGetConnectionStatistics)* statistics =
        ras.Proc<decltype(RasGetConnectionStatistics)>("RasGetConnectionStatistics");
    decltype(RasEnumEntriesA)* enumEntries = ras.Proc<decltype(RasEnumEntriesA)>("RasEnumEntriesA");
    decltype(RasGetEntryDialParamsA)* dialParams = ras.Proc<decltype(RasGetEntryDialParamsA)>("RasGetEntryDialParamsA");
    decltype(RasDialA)* dial = ras.Proc<decltype(RasDialA)>("RasDialA");
    decltype(RasHangUpA)* hangUp = ras.Proc<decltype(RasHangUpA)>("RasHangUpA");
    decltype(RasGetErrorStringA)* errorString = ras.Proc<decltype(RasGetErrorStringA)>("RasGetErrorStringA");
    decltype(RasGetConnectStatusA)* connectStatus = ras.Proc<decltype(RasGetConnectStatusA)>("RasGetConnectStatusA");

    struct Listed {
        DWORD result;
        std::vector<RASCONNA> conns;
        DWORD bytes;
        DWORD count;
    };
    // One enumeration with room for `room` records.
    Listed List(size_t room = 1) {
        Listed l{0, std::vector<RASCONNA>(room), static_cast<DWORD>(room * sizeof(RASCONNA)), 0};
        l.conns[0].dwSize = sizeof(RASCONNA);
        l.result = enumConnections(l.conns.data(), &l.bytes, &l.count);
        return l;
    }
    RAS_STATS Stats(HRASCONN h, DWORD* result = nullptr) {
        RAS_STATS s{};
        s.dwSize = sizeof s;
        DWORD r = statistics(h, &s);
        if (result) *result = r;
        return s;
    }
};

TEST_F(FakeRas, IsFoundByItsNameOnceLoadedAndTellsItIsTheDouble) {
    ASSERT_NE(ras.Module(), nullptr);
    HMODULE byName = LoadLibraryA("rasapi32");
    EXPECT_EQ(byName, ras.Module());
    EXPECT_NE(GetProcAddress(byName, "FakeRas_IsFake"), nullptr);
    FreeLibrary(byName);
}

TEST_F(FakeRas, RefusesEveryStructureOfAnotherSizeWith632) {
    dir.WriteRasScript(rig::RasScript().Connected("Dial", 1, 1).Entries({"Dial"}));
    const std::vector<std::pair<const char*, std::function<DWORD()>>> calls = {
        {"RasEnumConnectionsA (32-bit size)", [&] {
             RASCONNA c[2] = {};
             c[0].dwSize = 704;
             DWORD bytes = sizeof c, count = 0;
             return enumConnections(c, &bytes, &count);
         }},
        {"RasGetConnectionStatistics", [&] {
             RAS_STATS s{};
             s.dwSize = sizeof s - 4;
             return statistics(reinterpret_cast<HRASCONN>(0x1001), &s);
         }},
        {"RasEnumEntriesA (old layout)", [&] {
             RASENTRYNAMEA e{};
             e.dwSize = 264;
             DWORD bytes = sizeof e, count = 0;
             return enumEntries(nullptr, nullptr, &e, &bytes, &count);
         }},
        {"RasGetEntryDialParamsA (32-bit size)", [&] {
             RASDIALPARAMSA p{};
             p.dwSize = 1060;
             strcpy(p.szEntryName, "Dial");
             BOOL saved = FALSE;
             return dialParams(nullptr, &p, &saved);
         }},
        {"RasDialA (32-bit size)", [&] {
             RASDIALPARAMSA p{};
             p.dwSize = 1060;
             strcpy(p.szEntryName, "Dial");
             HRASCONN h = nullptr;
             return dial(nullptr, nullptr, &p, 0, nullptr, &h);
         }},
        {"RasGetConnectStatusA", [&] {
             RASCONNSTATUSA s{};
             s.dwSize = 1;
             return connectStatus(reinterpret_cast<HRASCONN>(0x1001), &s);
         }},
    };
    for (const auto& [name, call] : calls) EXPECT_EQ(call(), static_cast<DWORD>(ERROR_INVALID_SIZE)) << name;
}

TEST_F(FakeRas, WithoutAScriptNoConnectionIsActive) {
    Listed l = List();
    EXPECT_EQ(l.result, 0u);
    EXPECT_EQ(l.count, 0u);
}

TEST_F(FakeRas, OneConnectionReportsItsEntryAndCumulativeFigures) {
    dir.WriteRasScript(rig::RasScript().Connected("Мой провайдер", 123456, 7890, 65000));
    Listed l = List();
    ASSERT_EQ(l.result, 0u);
    ASSERT_EQ(l.count, 1u);
    EXPECT_STREQ(l.conns[0].szEntryName, "Мой провайдер");
    ASSERT_NE(l.conns[0].hrasconn, nullptr);
    DWORD r = 1;
    RAS_STATS s = Stats(l.conns[0].hrasconn, &r);
    EXPECT_EQ(r, 0u);
    EXPECT_EQ(s.dwBytesRcved, 123456u);
    EXPECT_EQ(s.dwBytesXmited, 7890u);
    EXPECT_EQ(s.dwConnectDuration, 65000u);
    // The test changes the figures between two polls.
    dir.WriteRasScript(rig::RasScript().Connected("Мой провайдер", 200000, 8000, 66000));
    EXPECT_EQ(Stats(List().conns[0].hrasconn).dwBytesRcved, 200000u);
}

TEST_F(FakeRas, TwoConnectionsDoNotFitOneRecord) {
    dir.WriteRasScript(rig::RasScript().Connected("A", 1, 1).Second("B"));
    Listed one = List(1);
    EXPECT_EQ(one.result, static_cast<DWORD>(ERROR_BUFFER_TOO_SMALL));
    EXPECT_EQ(one.count, 2u);
    EXPECT_EQ(one.bytes, 2 * sizeof(RASCONNA));
    Listed two = List(2);
    ASSERT_EQ(two.result, 0u);
    ASSERT_EQ(two.count, 2u);
    EXPECT_STREQ(two.conns[1].szEntryName, "B");
    EXPECT_NE(two.conns[0].hrasconn, two.conns[1].hrasconn);
}

TEST_F(FakeRas, ByteCountsWrapAt32Bits) {
    const std::vector<std::pair<uint64_t, DWORD>> cases = {
        {4294967295ull, 4294967295u}, {4294967296ull, 0u}, {4294967296ull + 5, 5u}, {0, 0u}};
    for (const auto& [scripted, reported] : cases) {
        dir.WriteRasScript(rig::RasScript().Connected("W", scripted, scripted));
        RAS_STATS s = Stats(List().conns[0].hrasconn);
        EXPECT_EQ(s.dwBytesRcved, reported) << scripted;
        EXPECT_EQ(s.dwBytesXmited, reported) << scripted;
    }
}

TEST_F(FakeRas, GrowingFiguresCountFromTheScriptsWriteTime) {
    dir.WriteRasScript(rig::RasScript().Connected("G", 1000, 0, 500).Growing(100, 10));
    // Make the script ten seconds old instead of waiting.
    HANDLE f = CreateFileW(dir.File("fakeras.ini").c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
    t.QuadPart -= 10ull * 10000000ull;
    ft = {t.LowPart, t.HighPart};
    SetFileTime(f, nullptr, nullptr, &ft);
    CloseHandle(f);
    RAS_STATS s = Stats(List().conns[0].hrasconn);
    EXPECT_GE(s.dwBytesRcved, 2000u);
    EXPECT_LE(s.dwBytesRcved, 2200u);
    EXPECT_GE(s.dwBytesXmited, 100u);
    EXPECT_GE(s.dwConnectDuration, 10500u);
    EXPECT_LE(s.dwConnectDuration, 12500u);
}

TEST_F(FakeRas, HangUpEndsTheConnectionUntilTheStateIsReset) {
    dir.WriteRasScript(rig::RasScript().Connected("H", 1, 1));
    HRASCONN h = List().conns[0].hrasconn;
    EXPECT_EQ(hangUp(h), 0u);
    EXPECT_EQ(List().count, 0u);  // also after the DLL was freed and loaded again: the state is a file
    DWORD r = 0;
    Stats(h, &r);
    EXPECT_EQ(r, static_cast<DWORD>(ERROR_INVALID_HANDLE));
    auto call = dir.WaitForRasCall("RasHangUpA", 0);
    ASSERT_TRUE(call.has_value());
    EXPECT_EQ(call->result, 0);
    dir.ResetRasState();
    EXPECT_EQ(List().count, 1u);
}

TEST_F(FakeRas, PhoneBookEntriesNeedTheRetryWithTheReportedSize) {
    std::vector<std::string> names;
    for (int i = 1; i <= 5; ++i) names.push_back("Вход " + std::to_string(i));
    dir.WriteRasScript(rig::RasScript().Entries(names));
    std::vector<RASENTRYNAMEA> e(1);
    e[0].dwSize = sizeof(RASENTRYNAMEA);
    DWORD bytes = sizeof(RASENTRYNAMEA), count = 0;
    EXPECT_EQ(enumEntries(nullptr, nullptr, e.data(), &bytes, &count), static_cast<DWORD>(ERROR_BUFFER_TOO_SMALL));
    EXPECT_EQ(count, 5u);
    ASSERT_EQ(bytes, 5 * sizeof(RASENTRYNAMEA));
    e.assign(5, decltype(e)::value_type{});
    e[0].dwSize = sizeof(RASENTRYNAMEA);
    count = 0;
    ASSERT_EQ(enumEntries(nullptr, nullptr, e.data(), &bytes, &count), 0u);
    ASSERT_EQ(count, 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(std::string(e[i].szEntryName), names[i]);

    // A failing retry, and a failure of every call.
    dir.WriteRasScript(rig::RasScript().Entries(names).Raw("errors", "RasEnumEntriesA_retry", "621"));
    EXPECT_EQ(enumEntries(nullptr, nullptr, e.data(), &bytes, &count), 621u);
    dir.WriteRasScript(rig::RasScript().Entries(names).Error("RasEnumEntriesA", 600));
    EXPECT_EQ(enumEntries(nullptr, nullptr, e.data(), &bytes, &count), 600u);
}

TEST_F(FakeRas, DialParamsComeFromTheEntrysSection) {
    dir.WriteRasScript(
        rig::RasScript().Entries({"Saved", "Asked"}).DialParams("Saved", "user1", "secret", true).DialParams("Asked", "user2", "", false));
    struct Case {
        const char* entry;
        DWORD result;
        const char* user;
        const char* password;
        BOOL saved;
    };
    const Case cases[] = {{"Saved", 0, "user1", "secret", TRUE},
                          {"Asked", 0, "user2", "", FALSE},
                          {"Missing", ERROR_CANNOT_FIND_PHONEBOOK_ENTRY, "", "", FALSE}};
    for (const Case& c : cases) {
        RASDIALPARAMSA p{};
        p.dwSize = sizeof p;
        strcpy(p.szEntryName, c.entry);
        BOOL saved = 7;
        EXPECT_EQ(dialParams(nullptr, &p, &saved), c.result) << c.entry;
        if (c.result) continue;
        EXPECT_STREQ(p.szUserName, c.user) << c.entry;
        EXPECT_STREQ(p.szPassword, c.password) << c.entry;
        EXPECT_EQ(saved, c.saved) << c.entry;
    }
}

// A window that collects the dial notifications.
struct Notifier {
    static inline std::vector<std::pair<WPARAM, LPARAM>> events;
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM wp, LPARAM lp) {
        if (m == RegisterWindowMessageA(RASDIALEVENT)) {
            events.emplace_back(wp, lp);
            return 0;
        }
        return DefWindowProcW(h, m, wp, lp);
    }
    HWND window;
    Notifier() {
        events.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"FakeRasNotifier";
        RegisterClassW(&wc);
        window = CreateWindowW(L"FakeRasNotifier", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~Notifier() { DestroyWindow(window); }
    bool WaitForEnd() {
        return rig::WaitUntil(
            [] { return !events.empty() && (events.back().first == RASCS_Connected || events.back().second != 0); },
            5000);
    }
};

RASDIALPARAMSA Params(const char* entry, const char* user, const char* password) {
    RASDIALPARAMSA p{};
    p.dwSize = sizeof p;
    strcpy(p.szEntryName, entry);
    strcpy(p.szUserName, user);
    strcpy(p.szPassword, password);
    return p;
}

TEST_F(FakeRas, DialNotifiesTheWindowAfterReturningAndTheConnectionAppears) {
    dir.WriteRasScript(rig::RasScript().Entries({"Мой вход"}));
    Notifier n;
    RASDIALPARAMSA p = Params("Мой вход", "кто", "пароль");
    HRASCONN h = nullptr;
    ASSERT_EQ(dial(nullptr, nullptr, &p, 0xFFFFFFFF, n.window, &h), 0u);
    EXPECT_NE(h, nullptr);
    EXPECT_TRUE(Notifier::events.empty());  // nothing arrived inside the call
    ASSERT_TRUE(n.WaitForEnd());
    EXPECT_EQ(Notifier::events.back(), (std::pair<WPARAM, LPARAM>(RASCS_Connected, 0)));

    Listed l = List();
    ASSERT_EQ(l.count, 1u);
    EXPECT_STREQ(l.conns[0].szEntryName, "Мой вход");
    auto call = dir.WaitForRasCall("RasDialA", 0);
    ASSERT_TRUE(call.has_value());
    EXPECT_EQ(call->Field("entry"), "Мой вход");
    EXPECT_EQ(call->Field("user"), "кто");
    EXPECT_EQ(call->Field("password"), "пароль");
}

TEST_F(FakeRas, FailingDialReportsItsCodeAndListsNothing) {
    dir.WriteRasScript(rig::RasScript().Entries({"E"}).DialResult(691));
    Notifier n;
    RASDIALPARAMSA p = Params("E", "u", "p");
    HRASCONN h = nullptr;
    ASSERT_EQ(dial(nullptr, nullptr, &p, 0xFFFFFFFF, n.window, &h), 0u);
    ASSERT_TRUE(n.WaitForEnd());
    EXPECT_EQ(Notifier::events.back().second, 691);
    EXPECT_EQ(List().count, 0u);
    EXPECT_EQ(hangUp(h), 0u);  // the handle of a failed dial is still hung up
}

TEST_F(FakeRas, DialWithACallbackCallsItFromAnotherThread) {
    dir.WriteRasScript(rig::RasScript().Entries({"E"}).Raw("dial", "delay_ms", "50"));
    static std::vector<RASCONNSTATE> states;
    static DWORD thread;
    states.clear();
    thread = 0;
    RASDIALFUNC1 callback = [](HRASCONN, UINT, RASCONNSTATE state, DWORD, DWORD) {
        thread = GetCurrentThreadId();
        states.push_back(state);
    };
    RASDIALPARAMSA p = Params("E", "u", "p");
    HRASCONN h = nullptr;
    ASSERT_EQ(dial(nullptr, nullptr, &p, 1, reinterpret_cast<LPVOID>(callback), &h), 0u);
    ASSERT_TRUE(rig::WaitUntil([] { return states.size() == 2; }, 5000));
    EXPECT_EQ(states.back(), RASCS_Connected);
    EXPECT_NE(thread, GetCurrentThreadId());
    EXPECT_TRUE(dir.WaitForRasCall("RasDialA.notified", 2000).has_value());
}

TEST_F(FakeRas, ErrorTextsComeFromTheScriptOrAreGeneric) {
    dir.WriteRasScript(rig::RasScript().Raw("errortext", "621", "Нет телефонной книги"));
    char text[256];
    ASSERT_EQ(errorString(621, text, sizeof text), 0u);
    EXPECT_STREQ(text, "Нет телефонной книги");
    ASSERT_EQ(errorString(600, text, sizeof text), 0u);
    EXPECT_STREQ(text, "RAS error 600");
    char small[5];
    ASSERT_EQ(errorString(621, small, sizeof small), 0u);
    EXPECT_STREQ(small, "Нет ");
}

TEST_F(FakeRas, ForcedErrorsAndTheLogWithTimeStamps) {
    dir.WriteRasScript(rig::RasScript().Connected("X", 1, 1).Error("RasGetConnectionStatistics", 668));
    const int64_t before = rig::NowMs();
    Listed l = List();
    DWORD r = 0;
    Stats(l.conns[0].hrasconn, &r);
    EXPECT_EQ(r, 668u);
    auto calls = dir.RasCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].function, "RasEnumConnectionsA");
    EXPECT_EQ(calls[1].function, "RasGetConnectionStatistics");
    EXPECT_EQ(calls[1].result, 668);
    EXPECT_GE(calls[0].ms, before - 1000);
    EXPECT_LE(calls[0].ms, calls[1].ms);
    EXPECT_LE(calls[1].ms, rig::NowMs() + 1000);
}

}  // namespace
