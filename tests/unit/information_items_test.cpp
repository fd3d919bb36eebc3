// The statistics box and the information items of the pop-up menu.
#include <gtest/gtest.h>

#include "engine/quick_statistics.h"
#include "mainwindow/main_form.h"
#include "tests/support/box_watcher.h"
#include "tests/support/dialog_windows.h"
#include "tests/support/message_box.h"
#include "tests/unit/launcher_fixture.h"

namespace quon {
namespace {

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

TEST(StatisticsBox, ShowsTheFiguresOnceAtATime) {
    Tfrm_quonm form("");
    form.eng.countedOnline = true;
    form.eng.connIn = 2048;
    form.eng.connOut = 512;
    form.eng.connDuration = 65000;
    form.eng.entryName = "Работа";
    form.opt.counters.day = 100;
    form.opt.counters.monthlim = 0;
    form.opt.counters.uplim = 0;
    QuickStatisticsInput in;
    in.online = true;
    in.connIn = 2048;
    in.connOut = 512;
    in.connDuration = 65000;
    in.entryName = "Работа";
    in.counters = form.opt.counters;

    std::string text, caption;
    bool checkedWhileOpen = false;
    test::DuringModal steps({[&] {
        const std::vector<HWND> dialogs = test::DialogsOfThread(GetCurrentThreadId());
        HWND box = dialogs.empty() ? nullptr : dialogs.front();
        ASSERT_NE(box, nullptr);
        checkedWhileOpen = form.sub_quick->checked && form.sub_quick->imageIndex == fw::kCheckImage;
        form.sub_quickClick();  // a second request while the box is open returns at once (a box would block)
        const test::MessageBoxInfo shown = test::ReadMessageBox(box);
        text = shown.text;
        caption = shown.caption;
        test::AnswerMessageBox(shown, IDOK);
    }});
    form.sub_quickClick();
    EXPECT_EQ(steps.StepsRun(), 1u);
    EXPECT_TRUE(checkedWhileOpen);
    EXPECT_EQ(text, QuickStatisticsText(in));
    EXPECT_EQ(caption.rfind("статистика на ", 0), 0u) << caption;
    EXPECT_EQ(caption.size(), std::string("статистика на 00 ч. 00 м. 00 с.").size()) << caption;
    EXPECT_FALSE(form.sub_quick->checked);
    EXPECT_EQ(form.sub_quick->imageIndex, -1);
}

TEST(InformationItems, MissingFilesOfferTheirDownload) {
    test::ProgramFolderForTest folder(TestName());
    Tfrm_quonm form("");
    struct Case {
        const char* item;
        std::function<void()> click;
        const char* question;
    } cases[] = {
        {"справка", [&] { form.sub_help->onClick(*form.sub_help); },
         "файл справки «HELP.hlp» не найден в каталоге программы.\n"
         "желаете ли Вы скачать его с сайта программы сейчас?"},
        {"помощник", [&] { form.sub_fixer->onClick(*form.sub_fixer); },
         "файл «TroubleShooter.eXe» не найден в каталоге программы.\n"
         "желаете ли Вы скачать его с сайта программы сейчас?"},
    };
    for (const Case& c : cases) {
        test::BoxWatcher boxes(IDNO);  // No opens nothing
        c.click();
        const auto seen = boxes.Stop();
        ASSERT_EQ(seen.size(), 1u) << c.item;
        EXPECT_EQ(seen[0].text, c.question) << c.item;
        EXPECT_EQ(seen[0].caption, "") << c.item;
    }
}

}  // namespace
}  // namespace quon
