#include "album/AlbumRun.h"

#include "support/PictureMakers.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QThreadPool>

#include <functional>
#include <map>

namespace {

const TThumbSettings kSmallThumbs{1, "4", "3", "20", "20"};

std::string Number(int n)
{
    return std::to_string(n);
}

// count pictures IMG_k.jpg (8 x 6) in dir/pics, as GetFile would list them.
TAlbumInputs Album(const TTempDir& dir, int count, const std::string& prefix)
{
    const QByteArray jpeg = MakeTestJpeg(8, 6);
    TAlbumInputs in{{}, prefix, "Leica", kSmallThumbs, {}};
    for (int n = 1; n <= count; ++n) {
        WriteFileBytes(dir.Write("pics/IMG_" + Number(n) + ".jpg", ""), jpeg);
        in.entries.push_back({dir.File("pics/"), "IMG_" + Number(n), "jpg"});
    }
    return in;
}

bool Exists(const std::string& path)
{
    return QFileInfo(QFile::decodeName(path.c_str())).isFile();
}

// Every file in a folder and below it, by name relative to it.
std::map<std::string, std::string> Files(const std::string& folder)
{
    std::map<std::string, std::string> files;
    const QDir root(QFile::decodeName(folder.c_str()));
    for (const QString& name : root.entryList(QDir::Files))
        files[name.toStdString()] = ReadBytes(folder + "/" + name.toStdString());
    return files;
}

TEST(AlbumRun, WritesAPagePerPictureAnIndexPerEighteenAndAThumbnailEach)
{
    for (const int count : {0, 1, 6, 7, 18, 19}) {
        SCOPED_TRACE(count);
        TTempDir dir;
        const std::string out = dir.File("out/");
        dir.Write("out/1.txt", "mine");
        TScriptedDialogs dialogs;
        MakeAlbum(Album(dir, count, out));

        EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Write down."});
        const int indexPages = count == 0 ? 0 : count <= 18 ? 1 : 2;
        std::map<std::string, std::string> expected = {{"1.txt", "mine"}};
        for (int n = 1; n <= count; ++n)
            expected["Show" + Number(n) + ".htm"];
        for (int m = 1; m <= indexPages; ++m)
            expected["Thumb" + Number(m) + ".htm"];
        std::map<std::string, std::string> written = Files(dir.File("out"));
        for (auto& [name, bytes] : written)
            if (name != "1.txt")
                bytes.clear();
        EXPECT_EQ(written, expected);
        EXPECT_EQ(Files(dir.File("pics")).size(), static_cast<std::size_t>(2 * count));
        for (int n = 1; n <= count; ++n)
            EXPECT_TRUE(Exists(dir.File("pics/IMG_" + Number(n) + "t.jpg"))) << n;
        if (count == 19) {
            const std::string second = ReadBytes(dir.File("out/Thumb2.htm"));
            EXPECT_NE(second.find("\"Show19.htm\""), std::string::npos);
            EXPECT_EQ(second.find("\"Show18.htm\""), std::string::npos);
            EXPECT_EQ(std::count(second.begin(), second.end(), '\n'), 5 + 10 + 17);
            EXPECT_EQ(std::count(second.begin(), second.end(), '\r'), 5 + 10 + 17);
        }
    }
}

TEST(AlbumRun, ThePrefixGoesBeforeEveryPageNameAsItIs)
{
    TTempDir dir;
    const QString before = QDir::currentPath();
    QDir().mkpath(QFile::decodeName(dir.File("cwd/dir").c_str()));
    ASSERT_TRUE(QDir::setCurrent(QFile::decodeName(dir.File("cwd").c_str())));
    for (const std::string prefix : {"dir/", "dir", ""}) {
        SCOPED_TRACE(prefix);
        TScriptedDialogs dialogs;
        MakeAlbum(Album(dir, 1, prefix));
        EXPECT_TRUE(Exists(prefix + "Show1.htm"));
        EXPECT_TRUE(Exists(prefix + "Thumb1.htm"));
        EXPECT_FALSE(Exists(prefix + "1.txt"));
    }
    QDir::setCurrent(before);
    EXPECT_EQ(Files(dir.File("cwd")).size(), 4u);
    EXPECT_EQ(Files(dir.File("cwd/dir")).size(), 2u);
}

TEST(AlbumRun, AnAlbumOfThreeWritesTheKeptPages)
{
    TTempDir dir;
    TAlbumInputs in = Album(dir, 3, dir.File("out/"));
    for (int n = 1; n <= 3; ++n)
        in.entries[static_cast<std::size_t>(n - 1)] = {dir.File(""), "IMG_000" + Number(n), "jpg"};
    TScriptedDialogs dialogs;
    MakeAlbum(in);
    for (const char* page : {"Show1.htm", "Show2.htm", "Show3.htm", "Thumb1.htm"})
        EXPECT_EQ(ReadBytes(dir.File("out/") + page), ReadBytes(std::string(LUMORA_ALBUM_GOLDEN_DIR "/") + page))
            << page;
}

TEST(AlbumRun, EachFailureIsReportedAndTheRunGoesOnAsItAlwaysHas)
{
    const std::string failed = "Could not load or alter JPEG Files";
    struct Case {
        const char* name;
        std::function<void(const TTempDir&, TAlbumInputs&)> setUp;
        std::vector<std::string> messages;
        std::vector<std::string> written, missing;  // under the folder, "out/" is the prefix
    };
    const Case cases[] = {
        {"the prefix cannot be written",
         [](const TTempDir& d, TAlbumInputs& in) { in.prefix = d.Write("plain", "x") + "/"; },
         {"Cannot open output file.1.htm", "Cannot open output file.1.htm", "Write down."},
         {"pics/IMG_3t.jpg"}, {}},
        {"a picture page cannot be written",
         [](const TTempDir& d, TAlbumInputs&) { QDir().mkpath(QFile::decodeName(d.File("out/Show2.htm").c_str())); },
         {"Cannot open output file.2.htm", "Write down."}, {"out/Show1.htm", "out/Thumb1.htm", "pics/IMG_3t.jpg"},
         {"out/Show3.htm"}},
        {"an index page cannot be written",
         [](const TTempDir& d, TAlbumInputs&) { QDir().mkpath(QFile::decodeName(d.File("out/Thumb1.htm").c_str())); },
         {"Cannot open output file.1.htm", "Write down."}, {"out/Show3.htm", "pics/IMG_3t.jpg"}, {}},
        {"a .bmp entry stops the thumbnails at its turn",
         [](const TTempDir& d, TAlbumInputs& in) {
             WriteTestBmp(d.File("pics/B.bmp"), 8, 6);
             in.entries[1] = {d.File("pics/"), "B", "bmp"};
         },
         {failed, "Write down."}, {"out/Show2.htm", "out/Show3.htm", "pics/IMG_1t.jpg"}, {"pics/Bt.jpg", "pics/IMG_3t.jpg"}},
        {"a damaged picture", [](const TTempDir& d, TAlbumInputs&) { d.Write("pics/IMG_2.jpg", "not a picture"); },
         {failed, "Write down."}, {"pics/IMG_1t.jpg"}, {"pics/IMG_2t.jpg", "pics/IMG_3t.jpg"}},
        {"a thumbnail size of 0", [](const TTempDir&, TAlbumInputs& in) { in.thumbs.pixelsHeight = "0"; },
         {failed, "Write down."}, {"out/Thumb1.htm"}, {"pics/IMG_1t.jpg"}},
        {"a size that is not a number", [](const TTempDir&, TAlbumInputs& in) { in.thumbs.pixelsWidth = "4px"; },
         {failed, "Write down."}, {}, {"pics/IMG_1t.jpg"}},
        {"a picture spelled .JPG on disk",
         [](const TTempDir& d, TAlbumInputs&) {
             QFile::rename(QFile::decodeName(d.File("pics/IMG_2.jpg").c_str()),
                           QFile::decodeName(d.File("pics/IMG_2.JPG").c_str()));
         },
         {"Write down."}, {"pics/IMG_2t.jpg", "pics/IMG_3t.jpg"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTempDir dir;
        TAlbumInputs in = Album(dir, 3, dir.File("out/"));
        c.setUp(dir, in);
        TScriptedDialogs dialogs;
        MakeAlbum(in);
        EXPECT_EQ(dialogs.Messages(), c.messages);
        for (const std::string& name : c.written)
            EXPECT_TRUE(Exists(dir.File(name))) << name;
        for (const std::string& name : c.missing)
            EXPECT_FALSE(Exists(dir.File(name))) << name;
    }
    // The picture page names the picture as it is spelled on disk.
    TTempDir dir;
    TAlbumInputs in = Album(dir, 1, dir.File(""));
    QFile::rename(QFile::decodeName(dir.File("pics/IMG_1.jpg").c_str()),
                  QFile::decodeName(dir.File("pics/img_1.Jpg").c_str()));
    TScriptedDialogs dialogs;
    MakeAlbum(in);
    EXPECT_NE(ReadBytes(dir.File("Show1.htm")).find("src=\"img_1.Jpg \""), std::string::npos);
}

TEST(AlbumRun, RowFilesThatCannotBeMadeLeaveThePicturePagesOnly)
{
    TTempDir dir;
    TAlbumInputs in = Album(dir, 7, dir.File("out/"));
    const QByteArray before = qgetenv("TMPDIR");
    // A temporary folder that is a plain file: no folder can be made in it.
    qputenv("TMPDIR", QByteArray::fromStdString(dir.Write("plain", "x")));
    TScriptedDialogs dialogs;
    MakeAlbum(in);
    qputenv("TMPDIR", before);
    EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Cannot open output file.1.txt", "Write down."}));
    EXPECT_EQ(Files(dir.File("out")).size(), 7u);
    EXPECT_TRUE(Exists(dir.File("pics/IMG_7t.jpg")));
}

TEST(AlbumRun, TwoThreadsWriteTheSameThumbnailsAsOne)
{
    TTempDir dir;
    TAlbumInputs in = Album(dir, 9, dir.File("out/"));
    in.thumbs = {2, "", "", "50", "30"};
    for (int n = 1; n <= 9; ++n)
        WriteTestJpeg(dir.File("pics/IMG_" + Number(n) + ".jpg"), 40 + 8 * n, 30 + n, {.progressive = n % 3 == 0});
    dir.Write("pics/IMG_7.jpg", "damaged");
    std::map<std::string, std::string> made[2];
    std::vector<std::string> messages[2];
    for (const int threads : {1, 2}) {
        QThreadPool pool;
        pool.setMaxThreadCount(threads);
        TScriptedDialogs dialogs;
        std::vector<int> reported;
        MakeAlbum(in, [&](int total) {
            return [&, total](int done, int all) {
                EXPECT_EQ(all, total);
                reported.push_back(done);
            };
        }, &pool);
        EXPECT_EQ(reported, (std::vector<int>{1, 2, 3, 4, 5, 6}));
        messages[threads - 1] = dialogs.Messages();
        for (int n = 1; n <= 9; ++n) {
            const std::string thumb = dir.File("pics/IMG_" + Number(n) + "t.jpg");
            if (Exists(thumb))
                made[threads - 1][thumb] = ReadBytes(thumb);
            QFile::remove(QFile::decodeName(thumb.c_str()));
        }
    }
    EXPECT_EQ(made[0].size(), 6u);
    EXPECT_EQ(made[1], made[0]);
    EXPECT_EQ(messages[1], messages[0]);
}

} // namespace
