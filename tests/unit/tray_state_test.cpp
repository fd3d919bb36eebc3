// Hover rest for the extended balloon, the animation frames and the icon-set files.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/tray_state.h"
#include "tests/support/scratch_file.h"

namespace {

TEST(TrayHover, MarkIsTwoXPlusThreeYPlusOneOrMinusOne) {
    EXPECT_EQ(quon::HoverMark(std::make_pair(100, 200)), 801);
    EXPECT_EQ(quon::HoverMark(std::nullopt), -1);
}

struct HoverCase {
    int mark;
    std::optional<std::pair<int, int>> cursor;
    bool pause;
    bool due;
};

TEST(TrayHover, BalloonIsDueWhileTheCursorRests) {
    const int mark = quon::HoverMark(std::make_pair(100, 200));  // 801; a = 800 at the same place
    // Due when 795 <= 2x + 3y <= 805: a rest window of -5..+5 around the mark (2x + 3y + 1).
    const HoverCase cases[] = {
        {mark, std::make_pair(100, 200), false, true},   // 800: where the mark was taken
        {mark, std::make_pair(101, 201), false, true},   // 805: upper edge
        {mark, std::make_pair(103, 200), false, false},  // 806
        {mark, std::make_pair(99, 199), false, true},    // 795: lower edge
        {mark, std::make_pair(100, 198), false, false},  // 794
        {mark, std::nullopt, false, false},              // no cursor: only a mark of -1 shows
        {-1, std::nullopt, false, true},
        {-1, std::make_pair(5000, 5000), false, true},
        {mark, std::make_pair(100, 200), true, false},   // the pause after a click wins
        {-1, std::nullopt, true, false},
    };
    for (const HoverCase& c : cases)
        EXPECT_EQ(quon::ExtendedBalloonDue(c.mark, c.cursor, c.pause), c.due)
            << "mark " << c.mark << " cursor " << (c.cursor ? c.cursor->first : -1) << ","
            << (c.cursor ? c.cursor->second : -1) << " pause " << c.pause;
}

std::vector<int> Frames(int start, bool skip, int ticks, int* endTag = nullptr) {
    std::vector<int> shown;
    int tag = start;
    for (int i = 0; i < ticks; ++i) shown.push_back(quon::NextAnimationFrame(tag, skip).value_or(-1));
    if (endTag) *endTag = tag;
    return shown;
}

TEST(TrayAnimation, CyclesThroughTheSixPictures) {
    // From stopped (-1): the first tick shows nothing, then levels 0..5 and round again.
    EXPECT_EQ(Frames(-1, false, 9), (std::vector<int>{-1, 0, 1, 2, 3, 4, 5, 0, 1}));
    // Started as the tick does it: frame counter 0, one frame at once.
    EXPECT_EQ(Frames(0, false, 7), (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
}

TEST(TrayAnimation, SkipFlagNeverShowsTheIdlePicture) {
    int tag = 0;
    EXPECT_EQ(Frames(0, true, 11, &tag), (std::vector<int>{1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1}));
    EXPECT_EQ(tag, 2);
}

TEST(TrayIconSet, OnlyDefaultInAnyCaseIsTheBuiltInSet) {
    for (const char* name : {"default", "Default", "DEFAULT", "dEfAuLt"}) EXPECT_TRUE(quon::IsBuiltInIconSet(name));
    for (const char* name : {"Custom", "", "default ", "defaults"}) EXPECT_FALSE(quon::IsBuiltInIconSet(name));
}

TEST(TrayIconSet, FilesComeFromSkinKeysWithTheDefaultSetBehind) {
    const quon::test::ScratchFile ini("tray-icon-set-", ".qif");
    ini.Write("[skin]\r\nicon_1=C:\\sets\\one.ico\r\nicon_5=D:\\икона.ico\r\n");
    const auto files = quon::CustomIconFiles(fw::IniFile(ini.Path()), "C:\\prog\\");
    const std::array<std::string, 7> expected = {
        "C:\\prog\\icons\\default\\offline.ico", "C:\\prog\\icons\\default\\idle.ico", "C:\\sets\\one.ico",
        "C:\\prog\\icons\\default\\online.ico",  "C:\\prog\\icons\\default\\online.ico",
        "C:\\prog\\icons\\default\\online.ico",  "D:\\икона.ico"};
    EXPECT_EQ(files, expected);
}

}  // namespace
