// Dialling through the RAS test double loaded in place of the system's rasapi32: the whole path from
// the menu item to RasDialA and back through the notifications.
#include <gtest/gtest.h>

#include "framework/program_folder.h"
#include "framework/text.h"
#include "mainwindow/dial_up.h"
#include "mainwindow/login_box.h"
#include "mainwindow/main_form.h"
#include "tests/e2e/harness.h"
#include "tests/unit/launcher_fixture.h"

namespace quon {
namespace {

constexpr const char* kEntry = "Домашний интернет";  // a blank inside the name

struct Case {
    const char* what;
    bool saved;
    long dialResult;
    const char* user;      // what reaches RasDialA
    const char* password;
    bool hungUp;
};

TEST(DiallingWithTheRasDouble, SavedOrTypedCredentialsReachRasDialAndFailuresAreHungUp) {
    const Case cases[] = {
        {"saved password", true, 0, "saved-user", "saved-secret", false},
        {"typed in the login box", false, 0, "typed user", "typed pw", false},
        {"the line fails", true, 678, "saved-user", "saved-secret", true},
    };
    // One folder for all cases: the program keeps rasapi32 loaded once it has dialled.
    rig::TestFolder dir;
    rig::RasDouble ras(dir);
    ASSERT_NE(ras.Proc<void()>("FakeRas_IsFake"), nullptr);
    fw::OverrideProgramFolderForTests(dir.PathA());
    for (const Case& c : cases) {
        dir.ResetRasState();
        const size_t dialsBefore = dir.RasCalls("RasDialA").size();
        const size_t hangUpsBefore = dir.RasCalls("RasHangUpA").size();
        dir.WriteRasScript(rig::RasScript()
                               .Entries({kEntry})
                               .DialParams(kEntry, "saved-user", c.saved ? "saved-secret" : "", c.saved)
                               .DialResult(c.dialResult));
        Tfrm_quonm form("");
        Tfrm_login login;
        ASSERT_TRUE(login.CreateBox());
        fw::MenuItem* item = form.sub_connect->Add("", std::string("&") + kEntry);
        item->data = kEntry;

        int boxShown = 0;
        test::DuringModal steps({[&] {
            ++boxShown;
            SetWindowTextW(login.edt_login, L"typed user");
            SetWindowTextW(login.edt_password, L"typed pw");
            SendMessageW(login.edt_password, WM_CHAR, VK_RETURN, 0);
        }});
        form.sub_connectClick(*item);
        EXPECT_EQ(boxShown, c.saved ? 0 : 1) << c.what;

        ASSERT_TRUE(rig::WaitUntil([&] { return dir.RasCalls("RasDialA").size() > dialsBefore; }, 3000))
            << c.what;
        const rig::RasCall dial = dir.RasCalls("RasDialA").back();
        EXPECT_EQ(dial.Field("entry"), kEntry) << c.what;
        EXPECT_EQ(dial.Field("user"), c.user) << c.what;
        EXPECT_EQ(dial.Field("password"), c.password) << c.what;
        EXPECT_EQ(dial.Field("notifier"), "4294967295") << c.what;  // a window gets the progress
        EXPECT_EQ(dial.Field("sync"), "") << c.what;
        EXPECT_TRUE(test::PumpUntil([] { return DialsInProgress() == 0; })) << c.what;
        EXPECT_EQ(dir.RasCalls("RasHangUpA").size() - hangUpsBefore, c.hungUp ? 1u : 0u) << c.what;
    }
    fw::OverrideProgramFolderForTests("");
}

}  // namespace
}  // namespace quon
