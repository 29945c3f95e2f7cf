#include "text/AllTools.h"

#include "toolkit/RunTime.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

enum class Outcome { Value, RangeError, ConvertError };

struct Case {
    const char* call;
    std::function<std::string(TAllTools&)> run;
    std::string expected;  // for Outcome::Value
    Outcome outcome = Outcome::Value;
};

std::string Pos(std::int32_t p)
{
    return IntToStr(p);
}

TEST(AllTools, OperationsAnswerByTheirRules)
{
    using T = TAllTools;
    const Outcome range = Outcome::RangeError;
    const Case cases[] = {
        // PosFrom: 0 for nothing found, never a range error for a pattern that cannot fit.
        {"PosFrom(1,'a=b','=')", [](T& t) { return Pos(t.PosFrom(1, "a=b", "=")); }, "2"},
        {"PosFrom(3,'a=b=c','=')", [](T& t) { return Pos(t.PosFrom(3, "a=b=c", "=")); }, "4"},
        {"PosFrom(1,'abc','x')", [](T& t) { return Pos(t.PosFrom(1, "abc", "x")); }, "0"},
        {"PosFrom(1,'abc','cd')", [](T& t) { return Pos(t.PosFrom(1, "abc", "cd")); }, "0"},
        {"PosFrom(2,'abc','bc')", [](T& t) { return Pos(t.PosFrom(2, "abc", "bc")); }, "2"},
        {"PosFrom(2,'abc','')", [](T& t) { return Pos(t.PosFrom(2, "abc", "")); }, "2"},
        {"PosFrom(4,'abc','')", [](T& t) { return Pos(t.PosFrom(4, "abc", "")); }, "0"},
        {"PosFrom(1,'','x')", [](T& t) { return Pos(t.PosFrom(1, "", "x")); }, "0"},
        {"PosFrom(9,'abc','c')", [](T& t) { return Pos(t.PosFrom(9, "abc", "c")); }, "0"},
        {"PosFrom(1,'C:\\a\\b.jpg','\\')", [](T& t) { return Pos(t.PosFrom(1, "C:\\a\\b.jpg", "\\")); }, "3"},
        {"PosFrom(4,'C:\\a\\b.jpg','\\')", [](T& t) { return Pos(t.PosFrom(4, "C:\\a\\b.jpg", "\\")); }, "5"},
        {"PosFrom(6,'C:\\a\\b.jpg','\\')", [](T& t) { return Pos(t.PosFrom(6, "C:\\a\\b.jpg", "\\")); }, "0"},
        // a pattern may match across a double-byte character
        {"PosFrom across characters", [](T& t) { return Pos(t.PosFrom(1, "\xa4\x40\xa4\x41", "\x40\xa4")); }, "2"},
        {"PosFrom(0,'abc','a')", [](T& t) { return Pos(t.PosFrom(0, "abc", "a")); }, "", range},
        {"PosFrom(0,'','x')", [](T& t) { return Pos(t.PosFrom(0, "", "x")); }, "", range},
        {"PosFrom(0,'a','abc')", [](T& t) { return Pos(t.PosFrom(0, "a", "abc")); }, "0"},
        // Mid
        {"Mid('ab=cd',4,0)", [](T& t) { return t.Mid("ab=cd", 4, 0); }, "cd"},
        {"Mid('abc',2,5)", [](T& t) { return t.Mid("abc", 2, 5); }, "bc"},
        {"Mid('abc',1,2)", [](T& t) { return t.Mid("abc", 1, 2); }, "ab"},
        {"Mid('abc',2,-1)", [](T& t) { return t.Mid("abc", 2, -1); }, "bc"},
        {"Mid('abc',4,1)", [](T& t) { return t.Mid("abc", 4, 1); }, "0"},
        {"Mid('',1,0)", [](T& t) { return t.Mid("", 1, 0); }, "0"},
        {"Mid('0',1,1)", [](T& t) { return t.Mid("0", 1, 1); }, "0"},  // a genuine "0" looks the same
        {"Mid('abc',0,1)", [](T& t) { return t.Mid("abc", 0, 1); }, "", range},
        // Right
        {"Right('x.jpg',1)", [](T& t) { return t.Right("x.jpg", 1); }, "g"},
        {"Right('abc',3)", [](T& t) { return t.Right("abc", 3); }, "abc"},
        {"Right('abc',0)", [](T& t) { return t.Right("abc", 0); }, "0"},
        {"Right('abc',-2)", [](T& t) { return t.Right("abc", -2); }, "0"},
        {"Right('abc',4)", [](T& t) { return t.Right("abc", 4); }, "", range},
        // ReplaceFirst, DeleteFirst, BeforeFirst, AfterFirst
        {"ReplaceFirst(1,'a.b.c','.','-')", [](T& t) { return t.ReplaceFirst(1, "a.b.c", ".", "-"); }, "a-b.c"},
        {"ReplaceFirst(3,'a.b.c','.','-')", [](T& t) { return t.ReplaceFirst(3, "a.b.c", ".", "-"); }, "a.b-c"},
        {"ReplaceFirst(2,'abc','','-')", [](T& t) { return t.ReplaceFirst(2, "abc", "", "-"); }, "a-bc"},
        {"ReplaceFirst(1,'a..b','..','')", [](T& t) { return t.ReplaceFirst(1, "a..b", "..", ""); }, "ab"},
        {"ReplaceFirst(1,'abc','x','-')", [](T& t) { return t.ReplaceFirst(1, "abc", "x", "-"); }, "0"},
        {"ReplaceFirst(0,'abc','b','-')", [](T& t) { return t.ReplaceFirst(0, "abc", "b", "-"); }, "", range},
        {"DeleteFirst(1,'a.b.c','.')", [](T& t) { return t.DeleteFirst(1, "a.b.c", "."); }, "ab.c"},
        {"DeleteFirst(1,'.','.')", [](T& t) { return t.DeleteFirst(1, ".", "."); }, ""},
        {"DeleteFirst(1,'abc','x')", [](T& t) { return t.DeleteFirst(1, "abc", "x"); }, "0"},
        {"BeforeFirst(1,'a.b.c','.')", [](T& t) { return t.BeforeFirst(1, "a.b.c", "."); }, "a"},
        {"BeforeFirst(3,'a.b.c','.')", [](T& t) { return t.BeforeFirst(3, "a.b.c", "."); }, "a.b"},
        {"BeforeFirst(1,'.x','.')", [](T& t) { return t.BeforeFirst(1, ".x", "."); }, ""},
        {"BeforeFirst(1,'abc','x')", [](T& t) { return t.BeforeFirst(1, "abc", "x"); }, "0"},
        {"AfterFirst(1,'a.b.c','.')", [](T& t) { return t.AfterFirst(1, "a.b.c", "."); }, "b.c"},
        {"AfterFirst(1,'x.','.')", [](T& t) { return t.AfterFirst(1, "x.", "."); }, ""},
        {"AfterFirst(1,'abcd','bc')", [](T& t) { return t.AfterFirst(1, "abcd", "bc"); }, "d"},
        {"AfterFirst(1,'abc','x')", [](T& t) { return t.AfterFirst(1, "abc", "x"); }, "0"},
        // PadDate
        {"PadDate('2004/6/15')", [](T& t) { return t.PadDate("2004/6/15"); }, "2004/06/15"},
        {"PadDate('2004/11/3')", [](T& t) { return t.PadDate("2004/11/3"); }, "2004/11/03"},
        {"PadDate('2004/12/25')", [](T& t) { return t.PadDate("2004/12/25"); }, "2004/12/25"},
        {"PadDate('2004/6/15 10:30')", [](T& t) { return t.PadDate("2004/6/15 10:30"); }, "2004/06/15"},
        {"PadDate('2004/x/5')", [](T& t) { return t.PadDate("2004/x/5"); }, "", Outcome::ConvertError},
    };
    for (const Case& c : cases) {
        TAllTools tools;
        switch (c.outcome) {
        case Outcome::Value:
            EXPECT_EQ(c.run(tools), c.expected) << c.call;
            break;
        case Outcome::RangeError:
            EXPECT_THROW(c.run(tools), ERangeError) << c.call;
            break;
        case Outcome::ConvertError:
            EXPECT_THROW(c.run(tools), EConvertError) << c.call;
            break;
        }
    }
}

TEST(AllTools, MembersHoldTheLastCall)
{
    TAllTools tools;
    EXPECT_EQ(tools.ReplaceFirst(3, "a.b.c", ".", "-"), "a.b-c");
    EXPECT_EQ(tools.TextLen, 5);
    EXPECT_EQ(tools.PatternSpan, 0);
    EXPECT_FALSE(tools.NotFound);
    EXPECT_EQ(tools.Work, "a.b");
    EXPECT_EQ(tools.Tail, "c");

    EXPECT_EQ(tools.PosFrom(1, "abc", "bc"), 2);
    EXPECT_EQ(tools.PatternSpan, 2);
    EXPECT_EQ(tools.TextLen, 3);

    EXPECT_EQ(tools.AfterFirst(1, "abc", "x"), "0");
    EXPECT_TRUE(tools.NotFound);
    EXPECT_EQ(tools.Tail, "");

    EXPECT_EQ(tools.Mid("abc", 4, 1), "0");
    EXPECT_TRUE(tools.NotFound);
    EXPECT_EQ(tools.Work, "");
    EXPECT_EQ(tools.Spare, "");
}

TEST(AllTools, AMemberPassedAsArgumentIsACopy)
{
    TAllTools tools;
    tools.BeforeFirst(1, "folder/name.jpg", ".");
    EXPECT_EQ(tools.Mid(tools.Work, 8, 0), "name");
    tools.AfterFirst(1, "a=bc", "=");
    EXPECT_EQ(tools.ReplaceFirst(1, tools.Tail, "c", tools.Tail), "bbc");
}

} // namespace
