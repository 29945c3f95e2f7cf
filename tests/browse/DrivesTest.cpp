#include "browse/Drives.h"

#include <gtest/gtest.h>

namespace {

TEST(Drives, AFolderLiesOnTheDeepestDriveThatHoldsIt)
{
    const std::vector<std::string> drives = {"/", "/home/u", "/media/usb", "/media/usb/inner"};
    const struct {
        const char* folder;
        int expected;
    } cases[] = {
        {"/", 0},
        {"/etc", 0},
        {"/home/u", 1},
        {"/home/u/Pictures", 1},
        {"/home/user", 0},  // a name that only starts like the drive
        {"/media/usb/inner/a", 3},
        {"/media/usb/innerb", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DriveIndexOf(drives, c.folder), c.expected) << c.folder;
    EXPECT_EQ(DriveIndexOf({}, "/x"), 0);
}

} // namespace
