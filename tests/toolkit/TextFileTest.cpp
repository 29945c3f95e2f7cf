#include "toolkit/TextFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

TEST(TextFile, LineEndsBecomeCrLfAndBack)
{
    struct Case {
        std::string text;
        std::string disk;
    };
    const Case cases[] = {
        {"", ""},
        {"a\n", "a\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"\n\n", "\r\n\r\n"},
        {"no end", "no end"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToCrLf(c.text), c.disk);
        EXPECT_EQ(FromCrLf(c.disk), c.text);
    }
    // A CR that does not start a line end is text.
    EXPECT_EQ(FromCrLf("a\rb\r"), "a\rb\r");
}

TEST(TextFile, WritesWholeFilesAndMakesTheFolder)
{
    TTempDir dir;
    const std::string path = dir.File("sub/folder/f.txt");
    ASSERT_TRUE(WriteTextFileAtomic(path, "one\ntwo\n"));
    EXPECT_EQ(ReadBytes(path), "one\r\ntwo\r\n");
    EXPECT_EQ(ReadTextFile(path), std::optional<std::string>("one\ntwo\n"));
    EXPECT_EQ(ReadTextFile(dir.File("missing.txt")), std::nullopt);
}

TEST(TextFile, AFailedWriteLeavesTheOldFile)
{
    TTempDir dir;
    // A read-only file is not replaced, whoever runs the test.
    const std::string path = dir.Write("f.txt", "old\r\n");
    QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner);
    EXPECT_FALSE(WriteTextFileAtomic(path, "new\n"));
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    // A folder that is a file cannot hold anything.
    dir.Write("plain", "x");
    EXPECT_FALSE(WriteTextFileAtomic(dir.File("plain/f.txt"), "new\n"));
    // A missing folder is made only when asked for.
    EXPECT_FALSE(WriteTextFileAtomic(dir.File("none/f.txt"), "new\n", TMissingFolder::Fail));
    EXPECT_TRUE(WriteTextFileAtomic(dir.File("none/f.txt"), "new\n", TMissingFolder::Make));
}

} // namespace
