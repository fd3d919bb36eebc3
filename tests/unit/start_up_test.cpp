// The main window's start inside the test process: the submenus built from the phone book and the
// plug-in list, and which timers the start leaves running.
#include <windows.h>

#include <ras.h>
#include <raserror.h>

#include <gtest/gtest.h>

#include <memory>

#include "engine/value_forms.h"
#include "framework/application.h"
#include "framework/program_folder.h"
#include "mainwindow/main_form.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/meter_session.h"
#include "tests/support/box_answerer.h"

namespace {

class StartUp : public ::testing::Test {
protected:
    rig::TestFolder dir;
    rig::RasDouble ras{dir};
    std::unique_ptr<quon::Tfrm_quonm> form;

    void SetUp() override {
        fw::Application::Initialize();
        fw::OverrideProgramFolderForTests(dir.PathA());
    }
    void TearDown() override {
        form.reset();
        fw::OverrideProgramFolderForTests("");
    }
    // Creates the window, which runs the whole start; boxes it shows are answered and kept.
    std::vector<std::string> Start(const std::string& data = "") {
        dir.WriteData(data);
        quon::test::BoxAnswerer boxes;
        form = std::make_unique<quon::Tfrm_quonm>("");
        EXPECT_TRUE(form->CreateForm());
        return boxes.Texts();
    }
    static std::vector<std::string> Captions(const fw::MenuItem& menu) {
        std::vector<std::string> out;
        for (const auto& item : menu.items) out.push_back(item->caption);
        return out;
    }
};

TEST_F(StartUp, DialUpSubmenuListsThePhoneBook) {
    const std::vector<std::string> names = {"Домашний", "Работа & отдых", "Третий вход"};
    dir.WriteRasScript(rig::RasScript().Entries(names));
    EXPECT_TRUE(Start().empty());
    ASSERT_EQ(Captions(*form->sub_connect), names);
    for (size_t i = 0; i < names.size(); ++i) {
        const fw::MenuItem& item = *form->sub_connect->items[i];
        EXPECT_EQ(item.data, names[i]);  // dialling uses the entry name, not the caption
        EXPECT_EQ(item.imageIndex, -1);
        EXPECT_TRUE(item.onClick != nullptr);
    }
    EXPECT_TRUE(form->sub_connect->enabled);
    EXPECT_TRUE(form->sub_connect->visible);
    EXPECT_TRUE(form->sub_separator_6->visible);
}

TEST_F(StartUp, ManyEntriesAreReadWithTheSizeTheFirstCallReported) {
    std::vector<std::string> names;
    for (int i = 1; i <= 40; ++i) names.push_back("Вход номер " + std::to_string(i));
    dir.WriteRasScript(rig::RasScript().Entries(names));
    Start();
    EXPECT_EQ(Captions(*form->sub_connect), names);
    auto calls = dir.RasCalls("RasEnumEntriesA");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].result, ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(calls[1].result, 0);
    EXPECT_EQ(calls[1].Field("bytes"), std::to_string(40 * sizeof(RASENTRYNAMEA)));
}

struct EmptyBookCase {
    const char* name;
    std::string script;
    std::vector<std::string> boxes;
};
void PrintTo(const EmptyBookCase& c, std::ostream* os) { *os << c.name; }


class StartUpWithoutEntries : public StartUp, public ::testing::WithParamInterface<EmptyBookCase> {};

TEST_P(StartUpWithoutEntries, HidesTheDialUpItem) {
    dir.WriteRasScript(GetParam().script);
    EXPECT_EQ(Start(), GetParam().boxes);
    EXPECT_TRUE(form->sub_connect->items.empty());
    EXPECT_FALSE(form->sub_connect->enabled);
    EXPECT_FALSE(form->sub_connect->visible);
    EXPECT_FALSE(form->sub_separator_6->visible);
}

INSTANTIATE_TEST_SUITE_P(
    PhoneBook, StartUpWithoutEntries,
    ::testing::Values(
        EmptyBookCase{"NoEntries", rig::RasScript().Entries({}), {}},
        EmptyBookCase{"FirstCallFails", rig::RasScript().Entries({"A"}).Error("RasEnumEntriesA", 600), {}},
        // Only a failing second call is reported, with the system's text for its code.
        EmptyBookCase{"RetryFails",
                      rig::RasScript()
                          .Entries({"A", "B"})
                          .Raw("errors", "RasEnumEntriesA_retry", "621")
                          .Raw("errortext", "621", "Не удалось открыть телефонную книгу"),
                      {"Не удалось открыть телефонную книгу"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUp, PluginSettingsSubmenuFollowsThePluginList) {
    dir.WritePlugins(
        "[plugins]\r\nitems=3\r\nitem_1=first.dll\r\nitem_2=second.dll\r\nitem_3=third.dll\r\n"
        "[second.dll]\r\nenabled=0\r\n[third.dll]\r\nenabled=1\r\n");
    Start("[visibility]\r\nplugins=1\r\n");
    ASSERT_EQ(Captions(*form->sub_plugins), (std::vector<std::string>{"first.dll", "second.dll", "third.dll"}));
    EXPECT_EQ(form->sub_plugins->items[0]->imageIndex, fw::kCheckImage);
    EXPECT_EQ(form->sub_plugins->items[1]->imageIndex, fw::kUncheckImage);
    EXPECT_EQ(form->sub_plugins->items[2]->imageIndex, fw::kCheckImage);
    EXPECT_TRUE(form->sub_plugins->visible);
    EXPECT_TRUE(form->sub_separator_4->visible);
}

TEST_F(StartUp, PluginSettingsSubmenuWithAnUnbelievableCountEndsAtTheFirstMissingItem) {
    dir.WritePlugins("[plugins]\r\nitems=2000000000\r\nitem_1=first.dll\r\nitem_2=second.dll\r\n");
    Start("[visibility]\r\nplugins=1\r\n");
    EXPECT_EQ(Captions(*form->sub_plugins), (std::vector<std::string>{"first.dll", "second.dll"}));
}

struct NoPluginItemsCase {
    const char* name;
    const char* data;
    const char* plugins;  // null: no plugins.qif
};
void PrintTo(const NoPluginItemsCase& c, std::ostream* os) { *os << c.name; }


class StartUpWithoutPluginItems : public StartUp, public ::testing::WithParamInterface<NoPluginItemsCase> {};

TEST_P(StartUpWithoutPluginItems, KeepsThePluginSubmenuHidden) {
    if (GetParam().plugins) dir.WritePlugins(GetParam().plugins);
    Start(GetParam().data);
    EXPECT_TRUE(form->sub_plugins->items.empty());
    EXPECT_FALSE(form->sub_plugins->visible);
    EXPECT_FALSE(form->sub_separator_4->visible);
}

INSTANTIATE_TEST_SUITE_P(
    Plugins, StartUpWithoutPluginItems,
    ::testing::Values(NoPluginItemsCase{"NoList", "[visibility]\r\nplugins=1\r\n", nullptr},
                      NoPluginItemsCase{"ZeroItems", "[visibility]\r\nplugins=1\r\n", "[plugins]\r\nitems=0\r\n"},
                      NoPluginItemsCase{"PluginsOff", "[visibility]\r\nplugins=0\r\n",
                                        "[plugins]\r\nitems=1\r\nitem_1=a.dll\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUp, StartsTheDelayTimerOnlyAfterTheSettingsLoaded) {
    EXPECT_TRUE(Start().empty());
    EXPECT_TRUE(form->tmr_offset.Enabled());
    EXPECT_FALSE(form->tmr_get.Enabled());
}

TEST_F(StartUp, TheWindowShowsTheStoredCountersBeforeTheFirstMeasurement) {
    // Shown at the start, in kilobytes with one decimal: the figures are there before the delay ends.
    EXPECT_TRUE(Start("[visibility]\r\nstart=1\r\n[data]\r\nunits=1\r\n[reset]\r\n" + quon::e2e::TodayStamp() +
                      "[bytes]\r\nfloat=1\r\nday=1536\r\nmonth=10240\r\nmonthlim=20480\r\nup=512\r\n"
                      "uplim=2048\r\n")
                    .empty());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(form->eng.pollingStarted);
    EXPECT_TRUE(dir.RasCalls("RasEnumConnectionsA").empty());
    auto shown = [](std::string text) {  // with the user's decimal separator
        for (char& c : text)
            if (c == ',') c = quon::LocaleDecimalSeparator();
        return text;
    };
    const quon::DisplayTexts& t = form->texts;
    EXPECT_EQ(t.d_day, shown("1,5"));
    EXPECT_EQ(t.d_month, shown("10,0"));
    EXPECT_EQ(t.d_free, shown("10,0"));
    EXPECT_EQ(t.u_month, shown("0,5"));
    EXPECT_EQ(t.u_free, shown("1,5"));
    EXPECT_EQ(t.d_now, shown("0,0"));
    EXPECT_EQ(t.u_now, shown("0,0"));
}

TEST_F(StartUp, FailingSettingsStartNoTimerButTheMenusAreBuilt) {
    dir.WriteRasScript(rig::RasScript().Entries({"Вход"}));
    auto boxes = Start("[bytes]\r\nmonth=abc\r\n");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("внимание! произошла критическая ошибка", 0), 0u);
    EXPECT_FALSE(form->tmr_offset.Enabled());
    EXPECT_FALSE(form->tmr_get.Enabled());
    EXPECT_FALSE(form->tmr_auto.Enabled());
    EXPECT_EQ(Captions(*form->sub_connect), std::vector<std::string>{"Вход"});
}

}  // namespace
