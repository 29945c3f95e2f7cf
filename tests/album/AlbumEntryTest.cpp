#include "album/AlbumEntry.h"

#include "text/AllTools.h"
#include "toolkit/Platform.h"

#include <gtest/gtest.h>

namespace {

TEST(AlbumEntry, APickedPathSplitsAtItsLastSeparatorAndFirstDot)
{
    const std::string pics = std::string(1, PathDelim) + "Pics" + PathDelim;
    const struct {
        std::string name;
        TAlbumEntry entry;
        bool skipped;
    } cases[] = {
        {"sunset.jpg", {pics, "sunset", "jpg"}, true},
        {"SunseT.jpg", {pics, "SunseT", "jpg"}, false},
        {"a.b.jpg", {pics, "a", "b.jpg"}, false},
        {"README", {pics, "README", "README"}, false},
        {"x.", {pics, "x", "0"}, false},
        {".jpg", {pics, ".jpg", "jpg"}, false},
    };
    TAllTools tools;
    for (const auto& c : cases) {
        const TPickedFile picked = SplitPickedFile(tools, pics + c.name);
        EXPECT_EQ(picked.entry, c.entry) << c.name;
        EXPECT_EQ(picked.skipped, c.skipped) << c.name;
    }
    EXPECT_EQ(SplitPickedFile(tools, pics + "deep" + PathDelim + "IMG.jpg").entry.Folder, pics + "deep" + PathDelim);
    EXPECT_EQ(GetCountText(3), "Get 3 File(s).");
}

} // namespace
