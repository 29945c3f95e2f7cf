#include "toolkit/RunTime.h"

#include <gtest/gtest.h>

namespace {

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

TEST(RunTime, CompareTextFoldsOnlyLettersAndComparesBytesByValue)
{
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},
        {"abc", "abd", -1},
        {"ab", "abc", -1},
        {"", "", 0},
        {"", "a", -1},
        {"10KB", "9KB", -1},    // texts, not numbers
        {"1KB", "512B", -1},
        {"a", "_", -1},         // letters fold to upper case: 'A' (65) is below '_' (95)
        {"Z", "[", -1},
        {"\xe4", "\xc4", 1},    // bytes above 127 are not folded
        {"IMG.JPG", "img.jpg", 0},
        {"b", "A", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sign(CompareText(c.a, c.b)), c.sign) << c.a << " vs " << c.b;
}

TEST(RunTime, StrToIntTakesOnlyDecimalIntegers)
{
    struct Good {
        const char* text;
        int value;
    };
    const Good good[] = {{"0", 0}, {"3", 3}, {"-2147483624", -2147483624}, {"16711680", 16711680},
                         {"+7", 7}, {"2147483647", 2147483647}, {"007", 7}};
    for (const Good& g : good)
        EXPECT_EQ(StrToInt(g.text), g.value) << g.text;

    const char* bad[] = {"", " 1", "1 ", "abc", "1a", "0x10", "2147483648", "+", "-", "+-1", "1.5"};
    for (const char* b : bad)
        EXPECT_THROW(StrToInt(b), EConvertError) << b;
}

TEST(RunTime, IntToStrWritesDecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-2147483624), "-2147483624");
    EXPECT_EQ(IntToStr(2621440), "2621440");
}

TEST(RunTime, ByteAtChecksItsPosition)
{
    EXPECT_EQ(ByteAt("abc", 1), 'a');
    EXPECT_EQ(ByteAt("abc", 3), 'c');
    EXPECT_THROW(ByteAt("abc", 0), ERangeError);
    EXPECT_THROW(ByteAt("abc", 4), ERangeError);
    EXPECT_THROW(ByteAt("", 1), ERangeError);
}

} // namespace
