#include "album/AlbumRun.h"

#include "support/AlbumRunWait.h"
#include "support/PictureMakers.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QThreadPool>

#include <functional>
#include <map>
#include <set>

namespace {

using Texts = std::vector<std::string>;
const std::string kFailed = "Could not load or alter JPEG Files";

std::string N(int n)
{
    return std::to_string(n);
}

QString Q(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

// count 8 x 6 pictures IMG_000n.jpg in dir/pics, pages to prefix.
TAlbumInputs Album(const TTempDir& dir, int count, const std::string& prefix)
{
    const QByteArray jpeg = MakeTestJpeg(8, 6);
    QDir().mkpath(Q(dir.File("out")));
    TAlbumInputs in{{}, prefix, "Leica", {1, "4", "3", "20", "20"}, {}};
    for (int n = 1; n <= count; ++n) {
        WriteFileBytes(dir.Write("pics/IMG_000" + N(n) + ".jpg", ""), jpeg);
        in.entries.push_back({dir.File("pics/"), "IMG_000" + N(n), "jpg"});
    }
    return in;
}

bool Exists(const std::string& path)
{
    return QFileInfo(Q(path)).isFile();
}

std::set<std::string> Names(const std::string& folder)
{
    std::set<std::string> names;
    for (const QString& name : QDir(Q(folder)).entryList(QDir::Files))
        names.insert(name.toStdString());
    return names;
}

TEST(AlbumRun, WritesAPagePerPictureAnIndexPerEighteenAndAThumbnailEach)
{
    for (const int count : {0, 1, 3, 6, 7, 18, 19}) {
        SCOPED_TRACE(count);
        TTempDir dir;
        dir.Write("out/1.txt", "mine");
        TScriptedDialogs dialogs;
        MakeAlbumAndWait(Album(dir, count, dir.File("out/")));

        EXPECT_EQ(dialogs.Messages(), Texts{"Write down."});
        std::set<std::string> expected = {"1.txt"};
        for (int n = 1; n <= count; ++n)
            expected.insert("Show" + N(n) + ".htm");
        for (int m = 1; m <= (count + 17) / 18; ++m)
            expected.insert("Thumb" + N(m) + ".htm");
        EXPECT_EQ(Names(dir.File("out")), expected);
        EXPECT_EQ(ReadBytes(dir.File("out/1.txt")), "mine");
        EXPECT_EQ(Names(dir.File("pics")).size(), static_cast<std::size_t>(2 * count));
        if (count == 3)
            for (const char* page : {"Show1.htm", "Show2.htm", "Show3.htm", "Thumb1.htm"})
                EXPECT_EQ(ReadBytes(dir.File("out/") + page), ReadBytes(LUMORA_ALBUM_GOLDEN_DIR "/" + std::string(page)))
                    << page;
        if (count == 19) {
            const std::string second = ReadBytes(dir.File("out/Thumb2.htm"));
            EXPECT_NE(second.find("\"Show19.htm\""), std::string::npos);
            EXPECT_EQ(std::count(second.begin(), second.end(), '\n'), 5 + 10 + 17);
        }
    }
}

TEST(AlbumRun, ThePrefixGoesBeforeEveryPageNameAsItIs)
{
    TTempDir dir;
    const QString before = QDir::currentPath();
    QDir().mkpath(Q(dir.File("cwd/dir")));
    ASSERT_TRUE(QDir::setCurrent(Q(dir.File("cwd"))));
    for (const std::string prefix : {"dir/", "dir", ""}) {
        TScriptedDialogs dialogs;
        MakeAlbumAndWait(Album(dir, 1, prefix));
        EXPECT_TRUE(Exists(prefix + "Show1.htm") && Exists(prefix + "Thumb1.htm")) << prefix;
    }
    QDir::setCurrent(before);
    EXPECT_EQ(Names(dir.File("cwd")), (std::set<std::string>{"Show1.htm", "Thumb1.htm", "dirShow1.htm", "dirThumb1.htm"}));
    EXPECT_EQ(Names(dir.File("cwd/dir")), (std::set<std::string>{"Show1.htm", "Thumb1.htm"}));
}

TEST(AlbumRun, EachFailureIsReportedAndTheRunGoesOnAsItAlwaysHas)
{
    struct Case {
        const char* name;
        std::function<void(const TTempDir&, TAlbumInputs&)> setUp;
        Texts messages;
        Texts written, missing;  // below the test's folder; the prefix is "out/"
    };
    const auto folderAt = [](const char* name) {
        return [name](const TTempDir& d, TAlbumInputs&) { QDir().mkpath(Q(d.File(name))); };
    };
    const Case cases[] = {
        {"no private folder for the row files",
         // A temporary folder that is a plain file: nothing can be made in it.
         [](const TTempDir& d, TAlbumInputs&) { qputenv("TMPDIR", QByteArray::fromStdString(d.Write("plain", ""))); },
         {"Cannot open output file.1.txt", "Write down."}, {"out/Show3.htm", "pics/IMG_0003t.jpg"}, {"out/Thumb1.htm"}},
        {"the prefix cannot be written",
         [](const TTempDir& d, TAlbumInputs& in) { in.prefix = d.Write("plain", "") + "/"; },
         {"Cannot open output file.1.htm", "Cannot open output file.1.htm", "Write down."}, {"pics/IMG_0003t.jpg"}, {}},
        {"the prefix names a folder that does not exist",
         [](const TTempDir& d, TAlbumInputs& in) { in.prefix = d.File("none/"); },
         {"Cannot open output file.1.htm", "Cannot open output file.1.htm", "Write down."}, {"pics/IMG_0003t.jpg"},
         {"none/Show1.htm"}},
        {"a picture page cannot be written", folderAt("out/Show2.htm"), {"Cannot open output file.2.htm", "Write down."},
         {"out/Show1.htm", "out/Thumb1.htm", "pics/IMG_0003t.jpg"}, {"out/Show3.htm"}},
        {"an index page cannot be written", folderAt("out/Thumb1.htm"), {"Cannot open output file.1.htm", "Write down."},
         {"out/Show3.htm", "pics/IMG_0003t.jpg"}, {}},
        {"a .bmp entry stops the thumbnails at its turn",
         [](const TTempDir& d, TAlbumInputs& in) {
             WriteTestBmp(d.File("pics/B.bmp"), 8, 6);
             in.entries[1] = {d.File("pics/"), "B", "bmp"};
         },
         {kFailed, "Write down."}, {"out/Show3.htm", "pics/IMG_0001t.jpg"}, {"pics/Bt.jpg", "pics/IMG_0003t.jpg"}},
        {"a damaged picture", [](const TTempDir& d, TAlbumInputs&) { d.Write("pics/IMG_0002.jpg", "damaged"); },
         {kFailed, "Write down."}, {"pics/IMG_0001t.jpg"}, {"pics/IMG_0002t.jpg", "pics/IMG_0003t.jpg"}},
        {"a thumbnail size of 0", [](const TTempDir&, TAlbumInputs& in) { in.thumbs.pixelsHeight = "0"; },
         {kFailed, "Write down."}, {"out/Thumb1.htm"}, {"pics/IMG_0001t.jpg"}},
        {"a size past the decoding limit",
         [](const TTempDir&, TAlbumInputs& in) { in.thumbs.pixelsWidth = in.thumbs.pixelsHeight = "200000"; },
         {kFailed, "Write down."}, {"out/Thumb1.htm"}, {"pics/IMG_0001t.jpg"}},
        {"a size that is not a number", [](const TTempDir&, TAlbumInputs& in) { in.thumbs.pixelsWidth = "4px"; },
         {kFailed, "Write down."}, {}, {"pics/IMG_0001t.jpg"}},
        {"a picture spelled .JPG on disk",
         [](const TTempDir& d, TAlbumInputs&) {
             QFile::rename(Q(d.File("pics/IMG_0002.jpg")), Q(d.File("pics/IMG_0002.JPG")));
         },
         {"Write down."}, {"pics/IMG_0002t.jpg", "pics/IMG_0003t.jpg"}, {}},
    };
    const QByteArray tmp = qgetenv("TMPDIR");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTempDir dir;
        TAlbumInputs in = Album(dir, 3, dir.File("out/"));
        c.setUp(dir, in);
        TScriptedDialogs dialogs;
        MakeAlbumAndWait(in);
        qputenv("TMPDIR", tmp);
        EXPECT_EQ(dialogs.Messages(), c.messages);
        for (const std::string& name : c.written)
            EXPECT_TRUE(Exists(dir.File(name))) << name;
        for (const std::string& name : c.missing)
            EXPECT_FALSE(Exists(dir.File(name))) << name;
        if (c.messages.size() == 1)
            EXPECT_NE(ReadBytes(dir.File("out/Show2.htm")).find("src=\"IMG_0002.JPG \""), std::string::npos);
    }
}

TEST(AlbumRun, TwoThreadsWriteTheSameThumbnailsAsOne)
{
    TTempDir dir;
    TAlbumInputs in = Album(dir, 9, dir.File("out/"));
    in.thumbs = {2, "", "", "50", "30"};
    for (int n = 1; n <= 9; ++n)
        WriteTestJpeg(dir.File("pics/IMG_000" + N(n) + ".jpg"), 40 + 8 * n, 30 + n, {.progressive = n % 3 == 0});
    dir.Write("pics/IMG_0007.jpg", "damaged");
    std::map<std::string, std::string> made[2];
    Texts messages[2];
    for (const int threads : {1, 2}) {
        QThreadPool pool;
        pool.setMaxThreadCount(threads);
        TScriptedDialogs dialogs;
        std::vector<int> reported;
        const auto start = [&](int total) {
            return [&, total](int done, int all) { reported.push_back(all == total ? done : -1); };
        };
        MakeAlbumAndWait(in, start, &pool);
        EXPECT_EQ(reported, (std::vector<int>{1, 2, 3, 4, 5, 6}));
        messages[threads - 1] = dialogs.Messages();
        for (int n = 1; n <= 9; ++n) {
            const std::string thumb = dir.File("pics/IMG_000" + N(n) + "t.jpg");
            if (Exists(thumb))
                made[threads - 1][thumb] = ReadBytes(thumb);
            QFile::remove(Q(thumb));
        }
    }
    EXPECT_EQ(made[0].size(), 6u);
    EXPECT_EQ(made[1], made[0]);
    EXPECT_EQ(messages[1], messages[0]);
}

} // namespace
