#include <windows.h>

#include <gtest/gtest.h>

#include "controls/command_text.h"
#include "controls/file_util.h"
#include "controls/text_util.h"
#include "tests/support/scratch_folder.h"

namespace controls {
namespace {

TEST(ControlText, CharactersSetsAndReplacing) {
    EXPECT_EQ(RepeatChar('x', 0), "");
    EXPECT_EQ(RepeatChar('x', -3), "");
    EXPECT_EQ(RepeatChar('x', 3), "xxx");
    std::bitset<256> digits;
    for (char c = '0'; c <= '9'; ++c) digits.set(static_cast<unsigned char>(c));
    EXPECT_TRUE(AllCharsInSet("", digits));
    EXPECT_TRUE(AllCharsInSet("0123", digits));
    EXPECT_FALSE(AllCharsInSet("01я", digits));
    struct Replace { const char* text; const char* search; const char* with; const char* expected; };
    const Replace cases[] = {
        {"a.b.c", ".", "", "abc"}, {"aaa", "a", "aa", "aaaaaa"}, {"abc", "", "x", "abc"},
        {"12.03.05", ".", "/", "12/03/05"}, {"xyxy", "xy", "y", "yy"}, {"", "a", "b", ""},
    };
    for (const Replace& c : cases) EXPECT_EQ(ReplaceAllText(c.text, c.search, c.with), c.expected) << c.text;
    EXPECT_TRUE(HasAnyCharOf("a|b", "<|>"));
    EXPECT_FALSE(HasAnyCharOf("ab", "<|>"));
}

TEST(ControlText, FileNameTextsAndQuoting) {
    struct Valid { const char* name; bool valid; };
    const Valid names[] = {{"C:\\dir\\file.wav", true}, {"a|b", false}, {"", false}, {"a<b", false},
                           {"a>b", false}, {"\"a\"", false}, {"[a]", false}, {"C:\\*.?", true},
                           {"C:\\Звуки\\вход.wav", true}};
    for (const Valid& c : names) EXPECT_EQ(IsValidFileNameText(c.name), c.valid) << c.name;
    struct Quote { const char* name; const char* expected; };
    const Quote quotes[] = {{"C:\\a b\\c.wav", "\"C:\\a b\\c.wav\""}, {"C:\\ab.wav", "C:\\ab.wav"},
                            {"\"C:\\a b.wav\"", "\"C:\\a b.wav\""}, {"", ""}, {" ", "\" \""}};
    for (const Quote& c : quotes) EXPECT_EQ(QuoteIfBlank(c.name), c.expected) << c.name;
}

TEST(ControlText, CommandTokensKeepQuotedBlanksSkipEmptyPairsAndAreTakenWhole) {
    std::string longName(400, 'p');
    struct Case { std::string text; std::vector<std::string> tokens; };
    const Case cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"a b  c", {"a", "b", "c"}},
        {"\"C:\\Program Files\\x.exe\" -a", {"C:\\Program Files\\x.exe", "-a"}},
        {"\"\" \"\" prog \"\"", {"prog"}},
        {"ab\"c d\"e", {"abc de"}},
        {"\"unterminated tail", {"unterminated tail"}},
        {"\"C:\\Мои звуки\\звонок.wav\" громко", {"C:\\Мои звуки\\звонок.wav", "громко"}},
        {longName + " x", {longName, "x"}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(CountCommandTokens(c.text), static_cast<int>(c.tokens.size())) << c.text;
        for (size_t i = 0; i < c.tokens.size(); ++i) EXPECT_EQ(CommandTokenAt(c.text, static_cast<int>(i)), c.tokens[i]);
        EXPECT_EQ(CommandTokenAt(c.text, static_cast<int>(c.tokens.size())), "");
    }
    struct Split { const char* text; const char* program; const char* parameters; };
    const Split splits[] = {
        {"\"C:\\Program Files\\app.exe\" a \"b c\"", "C:\\Program Files\\app.exe", "a \"b c\""},
        {"", "", ""}, {"    ", "", ""}, {"app.exe", "app.exe", ""}, {"app  x   y", "app", "x y"},
    };
    for (const Split& c : splits) {
        std::string program = "junk", parameters = "junk";
        SplitCommandText(c.text, program, parameters);
        EXPECT_EQ(program, c.program) << c.text;
        EXPECT_EQ(parameters, c.parameters) << c.text;
    }
}

TEST(ControlText, ShortensTextToAWidth) {
    auto measure = [](std::string_view t) { return static_cast<int>(t.size()) * 5; };  // five pixels a character
    struct Case { const char* text; int width; const char* expected; };
    const Case cases[] = {
        {"abcdef", 30, "abcdef"}, {"abcdefgh", 39, "abcd..."}, {"abcdef", 29, "ab..."}, {"abcdef", 20, "a..."},
        {"abcdef", 2, "..."}, {"", 0, ""}, {"ab", 5, "..."},
    };
    for (const Case& c : cases) EXPECT_EQ(ShortenTextToWidth(c.text, c.width, measure), c.expected) << c.width;
}

TEST(ControlFiles, FoldersAndNamesOfFilesOnDisk) {
    const quon::test::ScratchFolder dir("quon controls files ");
    const std::string file = dir.File("long file name.wav");
    dir.Write("long file name.wav", "x");
    const std::string folder = dir.Path().substr(0, dir.Path().size() - 1);  // without its trailing backslash
    EXPECT_TRUE(DirectoryExistsTest(folder));
    EXPECT_FALSE(DirectoryExistsTest(file));
    EXPECT_FALSE(DirectoryExistsTest(folder + "\\missing"));
    EXPECT_EQ(LongFileNameOf(file), "long file name.wav");
    EXPECT_FALSE(ShortFileNameOf(file).empty());
    EXPECT_EQ(LongFileNameOf(folder + "\\missing.wav"), "");
    EXPECT_EQ(FolderOf("C:\\a\\b.wav"), "C:\\a");
    EXPECT_EQ(FilePartOf("C:\\a\\b.wav"), "b.wav");
    EXPECT_EQ(FilePartOf("C:b.wav"), "b.wav");
    EXPECT_EQ(FolderOf("b.wav"), "");
}

}  // namespace
}  // namespace controls
