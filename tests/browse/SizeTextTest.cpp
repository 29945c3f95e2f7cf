#include "browse/SizeText.h"

#include <gtest/gtest.h>

namespace {

TEST(SizeText, WholeKilobytesOrBytes)
{
    struct Case {
        std::int64_t size;
        const char* text;
    };
    const Case cases[] = {
        {0, "0B"},       {1, "1B"},         {1023, "1023B"},          {1024, "1KB"},
        {1535, "1KB"},   {2047, "1KB"},     {2621440, "2560KB"},      {5'000'000'000, "4882812KB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SizeText(c.size), c.text) << c.size;
}

} // namespace
