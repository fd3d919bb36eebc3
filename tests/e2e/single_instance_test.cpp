// One program per prefix: the mutex test and the arguments that skip it.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"
#include "tests/support/message_box.h"

namespace {

const char kAlreadyRunning[] =
    "программа «Quon Tollen II» уже запущена!\n(запуск второй копии сейчас невозможен)";

TEST(SingleInstance, FirstStartLoadsTheRasDoubleBesideTheProgram) {
    rig::TestFolder dir;
    dir.WriteRasScript(rig::RasScript().Entries({"Провайдер"}));
    rig::Program app(dir);
    ASSERT_NE(app.WaitForWindow(), nullptr);
    // The dial-up submenu is built at start, so the double's phone book is asked.
    EXPECT_TRUE(dir.WaitForRasCall("RasEnumEntriesA").has_value());
}

TEST(SingleInstance, SecondStartShowsTheBoxAndExitsWithOne) {
    rig::TestFolder dir;
    rig::Program first(dir);
    ASSERT_NE(first.WaitForWindow(), nullptr);

    rig::Program second(dir);
    auto box = second.WaitForBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, kAlreadyRunning);
    EXPECT_EQ(box->caption, "");
    EXPECT_EQ(second.MainWindow(), nullptr);
    ASSERT_TRUE(quon::test::AnswerMessageBox(*box));
    auto code = second.WaitForExit();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code & 0xFF, 1u);
    EXPECT_TRUE(first.Running());
}

struct ArgumentCase {
    const wchar_t* argument;
    bool skipsTheTest;
};

void PrintTo(const ArgumentCase& c, std::ostream* os) {
    for (const wchar_t* p = c.argument; *p; ++p) *os << static_cast<char>(*p);
}

class SecondStartWithArgument : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(SecondStartWithArgument, StartsAnywayOnlyForTheExactSkipWords) {
    rig::TestFolder dir;
    rig::Program first(dir);
    ASSERT_NE(first.WaitForWindow(), nullptr);

    rig::Program second(dir, GetParam().argument);
    if (GetParam().skipsTheTest) {
        EXPECT_NE(second.WaitForWindow(), nullptr);
        EXPECT_TRUE(second.MessageBoxes().empty());
        EXPECT_TRUE(second.Running());
    } else {
        auto box = second.WaitForBox();
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->text, kAlreadyRunning);
        quon::test::AnswerMessageBox(*box);
        auto code = second.WaitForExit();
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(*code & 0xFF, 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, SecondStartWithArgument,
                         ::testing::Values(ArgumentCase{L"/reboot", true}, ArgumentCase{L"/instance", true},
                                           ArgumentCase{L"/AUTO", false}, ArgumentCase{L"/Reboot", false},
                                           ArgumentCase{L"/auto", false}, ArgumentCase{L"/INSTANCE", false}),
                         [](const auto& info) {
                             std::string name;
                             for (const wchar_t* p = info.param.argument; *p; ++p)
                                 if (iswalnum(*p)) name += static_cast<char>(*p);
                             return name + (info.param.skipsTheTest ? "_skips" : "_tested");
                         });

}  // namespace
