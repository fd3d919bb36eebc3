// Dialling from the "соединиться с..." items with RAS functions of the test's own: what reaches
// RasGetEntryDialParamsA and RasDialA, the login box, cancelling and failing dials.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/text.h"
#include "mainwindow/dial_up.h"
#include "mainwindow/login_box.h"
#include "mainwindow/main_form.h"
#include "tests/unit/launcher_fixture.h"

namespace quon {
namespace {

using test::DuringModal;

const HRASCONN kConn = reinterpret_cast<HRASCONN>(0x4711);
constexpr char kSavedHandle[] = "\x01\x02saved";  // what the platform returns for a saved password

struct FakeRas {
    // What the lookup answers.
    DWORD lookupResult = 0;
    BOOL saved = FALSE;
    const char* savedUser = "preset";
    // What the dial does: its return value, and the event it then posts (state, error).
    DWORD dialResult = 0;
    bool postEvent = true;
    RASCONNSTATE eventState = RASCS_Connected;
    DWORD eventError = 0;
    // What the functions got.
    int lookups = 0;
    DWORD lookupSize = 0;
    std::string lookupEntry;
    bool lookupRestZero = false;
    BOOL flagOnEntry = -1;
    int dials = 0;
    RASDIALPARAMSA dialed{};
    DWORD notifierType = 0;
    HWND notifier = nullptr;
    std::vector<HRASCONN> hungUp;
};
FakeRas* g_ras = nullptr;

DWORD WINAPI FakeLookup(LPCSTR, LPRASDIALPARAMSA p, LPBOOL saved) {
    FakeRas& r = *g_ras;
    ++r.lookups;
    r.lookupSize = p->dwSize;
    r.lookupEntry = p->szEntryName;
    const auto* bytes = reinterpret_cast<const unsigned char*>(p);
    const size_t restFrom = offsetof(RASDIALPARAMSA, szEntryName) + std::strlen(p->szEntryName);
    r.lookupRestZero = true;
    for (size_t i = restFrom; i < sizeof *p; ++i) r.lookupRestZero = r.lookupRestZero && bytes[i] == 0;
    r.flagOnEntry = *saved;
    if (r.lookupResult != 0) {
        std::strcpy(p->szUserName, "garbage");  // a failed call may leave anything behind
        return r.lookupResult;
    }
    std::strcpy(p->szUserName, r.savedUser);
    if (r.saved) std::strcpy(p->szPassword, kSavedHandle);
    *saved = r.saved;
    return 0;
}

DWORD WINAPI FakeDial(LPRASDIALEXTENSIONS, LPCSTR, LPRASDIALPARAMSA p, DWORD type, LPVOID notifier,
                      LPHRASCONN conn) {
    FakeRas& r = *g_ras;
    ++r.dials;
    r.dialed = *p;
    r.notifierType = type;
    r.notifier = static_cast<HWND>(notifier);
    *conn = kConn;
    if (r.dialResult == 0 && r.postEvent)
        PostMessageW(r.notifier, WM_RASDIALEVENT, r.eventState, static_cast<LPARAM>(r.eventError));
    return r.dialResult;
}

DWORD WINAPI FakeHangUp(HRASCONN conn) {
    g_ras->hungUp.push_back(conn);
    return 0;
}

class Dialling : public ::testing::Test {
protected:
    void SetUp() override {
        g_ras = &ras;
        OverrideRasDialApiForTests({&FakeLookup, &FakeDial, &FakeHangUp});
        ASSERT_TRUE(login.CreateBox());
        entry = form.sub_connect->Add("", "&Мой провайдер");  // the caption is not the name
        entry->data = "Мой провайдер 2";
    }
    void TearDown() override {
        test::PumpUntil([] { return DialsInProgress() == 0; });
        OverrideRasDialApiForTests({});
        g_ras = nullptr;
    }
    // Clicks the entry; a login box that should not appear is closed again and counted.
    void Click(std::vector<std::function<void()>> inLoginBox = {}) {
        inLoginBox.push_back([this] {
            ++unexpectedBoxes;
            PostMessageW(login.Handle(), WM_CLOSE, 0, 0);
        });
        DuringModal steps(std::move(inLoginBox));
        form.sub_connectClick(*entry);
        boxSteps = steps.StepsRun();
    }
    // Types into the field that has the focus, as the keyboard would (the box's own record of it:
    // with tests running side by side another program may hold the desktop's keyboard).
    void Type(const char* text) {
        for (wchar_t c : fw::Widen(text)) SendMessageW(login.ActiveEdit(), WM_CHAR, c, 0);
    }

    FakeRas ras;
    Tfrm_quonm form{""};
    Tfrm_login login;
    fw::MenuItem* entry = nullptr;
    int unexpectedBoxes = 0;
    size_t boxSteps = 0;
};

TEST_F(Dialling, SavedCredentialsDialAtOnceWithoutTheBox) {
    ras.saved = TRUE;
    Click();
    EXPECT_EQ(boxSteps, 0u);
    EXPECT_EQ(ras.lookups, 1);
    EXPECT_EQ(ras.lookupSize, sizeof(RASDIALPARAMSA));
    EXPECT_EQ(ras.lookupEntry, "Мой провайдер 2");
    EXPECT_TRUE(ras.lookupRestZero);
    EXPECT_EQ(ras.flagOnEntry, FALSE);
    ASSERT_EQ(ras.dials, 1);
    EXPECT_EQ(ras.dialed.dwSize, sizeof(RASDIALPARAMSA));
    EXPECT_STREQ(ras.dialed.szEntryName, "Мой провайдер 2");
    EXPECT_STREQ(ras.dialed.szUserName, "preset");
    EXPECT_STREQ(ras.dialed.szPassword, kSavedHandle);
    EXPECT_EQ(ras.notifierType, 0xFFFFFFFFu);
    EXPECT_TRUE(IsWindow(ras.notifier));
    // Connected: the connection stays for the poll tick.
    ASSERT_TRUE(test::PumpUntil([] { return DialsInProgress() == 0; }));
    EXPECT_TRUE(ras.hungUp.empty());
}

TEST_F(Dialling, WithoutASavedPasswordTheLoginBoxAsks) {
    std::string shownUser, shownPassword;
    bool loginFocused = false, passwordFocused = false;
    Click({[&] {
               shownUser = login.UserName();
               shownPassword = login.Password();
               loginFocused = login.ActiveEdit() == login.edt_login;
               SetWindowTextW(login.ActiveEdit(), L"");
               Type("иван");
               Type("\r");  // moves to the password field only
               passwordFocused = login.ActiveEdit() == login.edt_password;
           },
           [&] {
               EXPECT_EQ(ras.dials, 0);
               Type("с екрет");
               Type("\r");
           }});
    EXPECT_EQ(unexpectedBoxes, 0);
    EXPECT_EQ(shownUser, "preset");
    EXPECT_EQ(shownPassword, "");
    EXPECT_TRUE(loginFocused);
    EXPECT_TRUE(passwordFocused);
    ASSERT_EQ(ras.dials, 1);
    EXPECT_STREQ(ras.dialed.szEntryName, "Мой провайдер 2");
    EXPECT_STREQ(ras.dialed.szUserName, "иван");
    EXPECT_STREQ(ras.dialed.szPassword, "с екрет");
    EXPECT_FALSE(IsWindowVisible(login.Handle()));
    EXPECT_TRUE(form.mnu_popup.autoPopup);
    // The box keeps what was typed.
    EXPECT_EQ(login.UserName(), "иван");
}

TEST_F(Dialling, CancellingTheLoginBoxDialsNothing) {
    struct Case {
        const char* what;
        std::function<void()> cancel;
    } cases[] = {
        {"Esc in the name", [this] { Type("\x1b"); }},
        {"Esc in the password", [this] { Type("\r\x1b"); }},
        {"closing the box", [this] { PostMessageW(login.Handle(), WM_CLOSE, 0, 0); }},
    };
    for (const Case& c : cases) {
        unexpectedBoxes = 0;
        Click({c.cancel});
        EXPECT_EQ(boxSteps, 1u) << c.what;
        EXPECT_EQ(unexpectedBoxes, 0) << c.what;
        EXPECT_EQ(ras.dials, 0) << c.what;
        EXPECT_FALSE(IsWindowVisible(login.Handle())) << c.what;
        EXPECT_TRUE(form.mnu_popup.autoPopup) << c.what;
    }
}

TEST_F(Dialling, AFailedLookupAsksWithEmptyFields) {
    ras.lookupResult = 623 /* the entry is not in the phone book */;
    std::string shownUser = "?";
    Click({[&] {
        shownUser = login.UserName();
        Type("\r");
        Type("\r");
    }});
    EXPECT_EQ(shownUser, "");
    ASSERT_EQ(ras.dials, 1);
    EXPECT_STREQ(ras.dialed.szUserName, "");
    EXPECT_STREQ(ras.dialed.szEntryName, "Мой провайдер 2");
}

TEST_F(Dialling, AFailingDialFreesItsHandle) {
    struct Case {
        const char* what;
        DWORD result;
        RASCONNSTATE state;
        DWORD error;
    } cases[] = {{"refused at once", 633, RASCS_OpenPort, 0},
                 {"error reported later", 0, RASCS_ConnectDevice, 678},
                 {"disconnected while dialling", 0, RASCS_Disconnected, 0}};
    for (const Case& c : cases) {
        FakeRas fresh;
        ras = fresh;
        ras.saved = TRUE;
        ras.dialResult = c.result;
        ras.eventState = c.state;
        ras.eventError = c.error;
        Click();
        EXPECT_EQ(ras.dials, 1) << c.what;
        EXPECT_TRUE(test::PumpUntil([] { return DialsInProgress() == 0; })) << c.what;
        EXPECT_EQ(ras.hungUp, std::vector<HRASCONN>{kConn}) << c.what;
    }
}

TEST_F(Dialling, TheGuiThreadGoesOnWhileADialIsUnderWay) {
    ras.saved = TRUE;
    ras.postEvent = false;  // the line takes its time
    Click();
    EXPECT_EQ(ras.dials, 1);
    EXPECT_EQ(DialsInProgress(), 1);
    PostMessageW(ras.notifier, WM_RASDIALEVENT, RASCS_Connected, 0);
    EXPECT_TRUE(test::PumpUntil([] { return DialsInProgress() == 0; }));
    EXPECT_TRUE(ras.hungUp.empty());
}

TEST_F(Dialling, AnItemWithoutAFittingEntryNameDialsNothing) {
    for (const std::string& name : {std::string(), std::string(RAS_MaxEntryName + 1, 'x')}) {
        entry->data = name;
        Click();
        EXPECT_EQ(ras.lookups, 0) << name.size();
        EXPECT_EQ(ras.dials, 0) << name.size();
        EXPECT_EQ(boxSteps, 0u) << name.size();
    }
}

}  // namespace
}  // namespace quon
