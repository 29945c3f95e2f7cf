#include "browse/FolderListing.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderListing, MatchesTheMaskWithoutCaseAndLeavesOutHiddenFiles)
{
    TTempDir dir;
    for (const char* name : {"a.jpg", "b.bmp", "c.gif", "IMG.JPG", "Zeta.Bmp", ".hidden.jpg", "jpg", "x.jpeg"})
        dir.Write(name, "x");
    dir.Write("folder.jpg/inner.jpg", "x");  // a folder is not a file
    const std::vector<std::string> expected = {"a.jpg", "b.bmp", "IMG.JPG", "Zeta.Bmp"};
    EXPECT_EQ(ListMatchingFiles(dir.Path(), "*.jpg;*.bmp"), expected);
    EXPECT_TRUE(ListMatchingFiles(dir.File("missing"), "*.jpg;*.bmp").empty());
}

TEST(FolderListing, Texts)
{
    EXPECT_EQ(FolderCountText(12), "Total 12 File(s).");
    EXPECT_EQ(FolderCaption("/home/ann/Pictures"), "Lumora   [ /home/ann/Pictures ]");
}

} // namespace
