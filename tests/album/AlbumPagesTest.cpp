#include "album/AlbumPages.h"

#include "support/TempDir.h"
#include "toolkit/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kGolden = LUMORA_ALBUM_GOLDEN_DIR;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::vector<TRowPicture> Pictures(int first, int last)
{
    std::vector<TRowPicture> pictures;
    for (int n = first; n <= last; ++n)
        pictures.push_back({n, "IMG_000" + std::to_string(n)});
    return pictures;
}

TEST(AlbumPages, AnAlbumOfThreeMatchesItsGoldenFilesByteForByte)
{
    const std::string fragment = RowFragment(Pictures(1, 3));
    const struct {
        const char* golden;
        std::string text;
    } pages[] = {
        {"RowFragment3.txt", fragment},
        {"Show1.htm", PicturePage("IMG_0001", "IMG_0001.jpg", 1, 3)},
        {"Show2.htm", PicturePage("IMG_0002", "IMG_0002.jpg", 2, 3)},
        {"Show3.htm", PicturePage("IMG_0003", "IMG_0003.jpg", 3, 3)},
        {"Thumb1.htm", IndexPage("Leica", Lines(fragment), 1, 1)},
    };
    for (const auto& p : pages)
        EXPECT_EQ(ToCrLf(p.text), ReadBytes(kGolden + "/" + p.golden)) << p.golden;

    // The lines every reader of the album knows.
    const std::vector<std::string> show3 = Lines(pages[3].text);
    EXPECT_EQ(Lines(fragment)[5], R"(<td align="center"><a href="Show3.htm"><img border="0" src="IMG_0003t.jpg"></a></td>)");
    EXPECT_EQ(show3[9], R"(<td><img border="0" src="IMG_0003.jpg "></td>)");
    EXPECT_EQ(show3[23], R"(<p align="right"><a href="Show2.htm"><font size="4">[</font><font size="4" face="Times New Roman">Pervious</font><font size="4">]</font></a></p>)");
    EXPECT_EQ(show3[29], R"(<p align="left"><font size="4">[</font><font size="4" face="Times New Roman">No Next</font><font size="4">]</font></p>)");
}

TEST(AlbumPages, LinesCountNavigationAndNamesFollowTheAlbum)
{
    const struct {
        const char* name;
        std::string text;
        std::size_t lines;
        std::vector<std::string> holds;
    } cases[] = {
        {"fragment of one", RowFragment(Pictures(7, 7)), 10, {R"(<a href="Show7.htm">)"}},
        {"fragment of six", RowFragment(Pictures(1, 6)), 20, {}},
        {"only picture", PicturePage("a", "a.JPG", 1, 1), 36,
         {">No Pervious<", ">No Next<", R"(href="Thumb1.htm")", R"(src="a.JPG ")"}},
        {"first of many", PicturePage("a", "a.jpg", 1, 9), 36, {">No Pervious<", R"(href="Show2.htm")"}},
        {"a name with blanks, & and markup", PicturePage(R"(my & "x" <y>)", "f.jpg", 5, 9), 36,
         {R"(<title>my & &quot;x&quot; &lt;y&gt;</title>)", R"(href="Show4.htm")", R"(href="Show6.htm")",
          R"(href="Thumb1.htm")"}},
        {"a name with line ends", PicturePage("two\nlines\r", "two\nlines\r.jpg", 1, 1), 36,
         {"<title>two&#10;lines&#13;</title>", R"(src="two&#10;lines&#13;.jpg ")"}},
        {"a title with line ends and markup", IndexPage("a\r\n<b \"c\">", {}, 1, 1), 22,
         {"<title>a&#13;&#10;&lt;b &quot;c&quot;&gt;</title>"}},
        {"index of two full fragments", IndexPage("", Lines(RowFragment(Pictures(1, 6)) + RowFragment(Pictures(7, 12))), 2, 3),
         5 + 20 * 2 + 17, {"<title></title>", R"(href="Thumb1.htm">)", R"(href="Thumb3.htm")"}},
        {"last index page", IndexPage("T", {}, 3, 3), 22, {R"(href="Thumb2.htm")", ">No Next<"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Lines(c.text).size(), c.lines);
        EXPECT_EQ(c.text.back(), '\n');
        for (const std::string& piece : c.holds)
            EXPECT_NE(c.text.find(piece), std::string::npos) << piece;
    }
    EXPECT_EQ(IndexPage("T", {}, 3, 3).find(">Thumb<"), std::string::npos);
}

} // namespace
