#include "engine/copydata_commands.h"
#include "engine/byte_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quon {
namespace {

TEST(CommandText, CopiesAtMost255BytesUpToTheFirstNulAndNeverPastTheSize) {
    EXPECT_EQ(BoundedCommandText(nullptr, 10), "");
    EXPECT_EQ(BoundedCommandText("abc", 0), "");
    EXPECT_EQ(BoundedCommandText("abc\0def", 7), "abc");
    // No NUL within the size: the copy stops at the size, not at a terminator further on.
    EXPECT_EQ(BoundedCommandText("abcdef", 3), "abc");
    const std::string big(10000, 'x');
    EXPECT_EQ(BoundedCommandText(big.data(), big.size()), std::string(255, 'x'));
    // A NUL beyond the 255th byte is never looked at.
    std::vector<char> noTerminator(300, 'y');
    EXPECT_EQ(BoundedCommandText(noTerminator.data(), noTerminator.size()).size(), 255u);
}

TEST(CommandText, ShowAndHideWords) {
    struct Case { const char* text; std::optional<bool> word; };
    const Case cases[] = {
        {"1", true}, {"true", true}, {"YES", true}, {"Show", true}, {"TrUe", true},
        {"0", false}, {"false", false}, {"No", false}, {"HIDE", false},
        {" 1", std::nullopt}, {"01", std::nullopt}, {"1 ", std::nullopt}, {"", std::nullopt},
        {"showing", std::nullopt}, {"2", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseShowWord(c.text), c.word) << "'" << c.text << "'";
}

TEST(CommandText, MoveReadsXAndYByPosition) {
    struct Case { const char* text; std::optional<int64_t> x, y; };
    const Case cases[] = {
        {"00020:00010", 20, 10},
        {"00300;00200", 300, 200},   // character 6 is not looked at
        {"  300  200", 300, 200},    // leading blanks as the number reader takes them
        {"00abc:00010", std::nullopt, 10},
        {"00200:0x", 200, std::nullopt},
        {"00200:zzzzz", 200, std::nullopt},
        {"00200", 200, std::nullopt},  // no y at all
        {"", std::nullopt, std::nullopt},
        {"-0010:-0020", -10, -20},
    };
    for (const Case& c : cases) {
        MoveRequest m = ParseMove(c.text);
        EXPECT_EQ(m.x, c.x) << "'" << c.text << "'";
        EXPECT_EQ(m.y, c.y) << "'" << c.text << "'";
    }
    EXPECT_EQ(MoveDistance(20), 50);
    EXPECT_EQ(MoveDistance(-10), 50);
    EXPECT_EQ(MoveDistance(50), 50);
    EXPECT_EQ(MoveDistance(99999), 99999);  // no upper bound
}

TEST(CommandText, OpacityIsAnyWholeNumber) {
    EXPECT_EQ(ParseOpacity("200"), 200);
    EXPECT_EQ(ParseOpacity("55"), 55);
    EXPECT_EQ(ParseOpacity("300"), 300);  // no range check
    EXPECT_EQ(ParseOpacity("-1"), -1);
    EXPECT_EQ(ParseOpacity("abc"), std::nullopt);
    EXPECT_EQ(ParseOpacity(""), std::nullopt);
    EXPECT_EQ(ParseOpacity("12.5"), std::nullopt);
}

TEST(CommandText, QueryLayoutByPosition) {
    struct Case { const char* text; const char* name; bool byClass; int code; const char* requester; };
    const Case cases[] = {
        {"get(useronline) 1 5 TRequester", "get(useronline)", true, 5, "TRequester"},
        {"GET(UserOnline)|0|9|My window title", "get(useronline)", false, 9, "My window title"},
        {"get(connection) x x x", "get(connection)", true, 0, "x"},       // code not a digit
        {"get(connection) 0 7 ", "get(connection)", false, 7, ""},        // 20 characters: no requester
        {"get(connection) 1 3", "get(connection)", true, 3, ""},
        {"get(conn", "get(conn", true, 0, ""},
        {"", "", true, 0, ""},
    };
    for (const Case& c : cases) {
        Query q = ParseQuery(c.text);
        EXPECT_EQ(q.name, c.name) << c.text;
        EXPECT_EQ(q.byClass, c.byClass) << c.text;
        EXPECT_EQ(q.replyCode, c.code) << c.text;
        EXPECT_EQ(q.requester, c.requester) << c.text;
    }
}

TEST(CommandText, EveryQueryReplyFromTheEngineState) {
    EngineState e;
    e.polledOnline = true;
    e.countedOnline = false;  // a connection on the ignore list: polled but not counted
    e.connIn = 1234567;
    e.connOut = 89012;
    e.prevIn = 1230000.75;
    e.prevOut = 90000;
    e.entryName = "Провайдер";
    e.newDay = true;
    const std::string speed = "4,5 КБ/с", upload = "0 б/с";
    const QuerySource source{e, speed, upload};
    struct Case { const char* name; std::string reply; };
    const Case cases[] = {
        {"get(useronline)", "1"},
        {"get(connection)", "0"},
        {"get(versionnum)", "2010"},
        {"get(versionstr)", "2.1"},
        {"get(isitnewday)", "1"},
        {"get(statistics)", "1:1234567:89012:Провайдер"},
        {"get(dlspeedbps)", "4566"},   // 4566.25 truncated
        {"get(ulspeedbps)", "-988"},   // toward zero
        {"get(dlspeedtxt)", speed},
        {"get(ulspeedtxt)", upload},
        {"get(something)", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(QueryReply(c.name, source), c.reply) << c.name;

    EngineState offline;
    const QuerySource off{offline, speed, upload};
    EXPECT_EQ(QueryReply("get(useronline)", off), "0");
    EXPECT_EQ(QueryReply("get(isitnewday)", off), "0");
    EXPECT_EQ(QueryReply("get(statistics)", off), "0:0:0:");
    EXPECT_EQ(QueryReply("get(dlspeedbps)", off), "0");
}

TEST(CommandText, CountDigitsDropEverySeparator) {
    EXPECT_EQ(DigitsOnly(1234567), "1234567");
    EXPECT_EQ(DigitsOnly(12.5), "125");
    EXPECT_EQ(DigitsOnly(4294967296.0 * 2), "8589934592");
    EXPECT_EQ(DigitsOnly(0), "0");
}

}  // namespace
}  // namespace quon
