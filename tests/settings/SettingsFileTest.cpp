#include "settings/SettingsFile.h"

#include "support/TempDir.h"
#include "text/AllTools.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// Everything a settings file holds, as the reader and the writer take it.
struct TFileContents {
    TSettings values;
    TBrowseSettings browse;
    bool operator==(const TFileContents&) const = default;
};

TFileContents Defaults(const TDefaultSettings& places)
{
    return {DefaultSettings(places), TBrowseSettings{}};
}

bool Save(const std::string& path, const TFileContents& contents, TAllTools& tools)
{
    return SaveSettingsFile(path, contents.values, contents.browse, tools);
}

std::optional<TColorsRead> Load(const std::string& path, TFileContents& into, TAllTools& tools)
{
    return LoadSettingsFile(path, into.values, into.browse, tools);
}

// The 24 default lines with the three place values left open.
std::string DefaultFile(const TDefaultSettings& places)
{
    return "1 [Color] 1=-2147483624\r\n"
           "1 [Color] 2=16711680\r\n"
           "1 [Color] 3=-2147483624\r\n"
           "2 [Menu] 0=\r\n"
           "2 [Menu] 1=\r\n"
           "2 [Menu] 2=\r\n"
           "2 [Menu] 3=\r\n"
           "2 [Menu] 4=\r\n"
           "2 [Menu] 5=\r\n"
           "2 [Menu] 6=\r\n"
           "2 [Menu] 7=\r\n"
           "2 [Menu] 8=\r\n"
           "2 [Menu] 9=\r\n"
           "3 [Show System Tray] 1=True\r\n"
           "3 [Slide Show Path]  2=True\r\n"
           "3 [Slide Show Dealy] 3=3\r\n"
           "3 [Image Tool]       4=" + places.imageTool + "\r\n"
           "3 [Image Tool Path]  5=" + places.imageToolPath + "\r\n"
           "4 [HTML Get File Path]              1=" + places.htmlGetFilePath + "\r\n"
           "4 [HTML Thumb Pixels or Percentage] 2=1\r\n"
           "4 [HTML Thumb Pixels Width]         3=100\r\n"
           "4 [HTML Thumb Pixels Height]        4=100\r\n"
           "4 [HTML Thumb Percent Width]        5=20\r\n"
           "4 [HTML Thumb Percent Height]       6=20\r\n";
}

TEST(SettingsFile, DefaultFileIsWrittenByteForByte)
{
    TTempDir dir;
    TAllTools tools;
    const std::string windows = dir.File("windows/InitShow.txt");
    ASSERT_TRUE(Save(windows, Defaults(WindowsDefaultSettings()), tools));
    const TDefaultSettings windowsPlaces{"photoed.exe",
                                         "C:\\Program Files\\Common Files\\Microsoft Shared\\PhotoEd\\", "C:\\"};
    EXPECT_EQ(ReadBytes(windows), DefaultFile(windowsPlaces));

    const std::string here = dir.File("InitShow.txt");
    ASSERT_TRUE(Save(here, Defaults(PlatformDefaultSettings()), tools));
    EXPECT_EQ(ReadBytes(here), DefaultFile(PlatformDefaultSettings()));
}

TEST(SettingsFile, DefaultFileReadsBackAsAFirstStart)
{
    TTempDir dir;
    TAllTools tools;
    const std::string path = dir.File("InitShow.txt");
    ASSERT_TRUE(Save(path, Defaults(WindowsDefaultSettings()), tools));
    // Colours other than the defaults at the start show that all three lines were read.
    TFileContents read{{}, {clBlack, clBlack, {}}};
    read.values.ViewerBackdrop = clBlack;
    EXPECT_EQ(Load(path, read, tools), (TColorsRead{true, true}));
    TFileContents expected = Defaults(WindowsDefaultSettings());
    for (int k = 0; k < 10; ++k)
        expected.browse.SavedPaths.push_back({"mPath" + std::to_string(k), "&" + std::to_string(k) + ".0"});
    EXPECT_EQ(read, expected);
}

TEST(SettingsFile, SavedSettingsComeBackWithEmptyTextsAsZero)
{
    TFileContents saved;
    saved.browse.BrowseColor = 0x00123456;
    saved.browse.BrowseFontColor = -2147483627;
    saved.values.ViewerBackdrop = 0x00FFFFFF;
    std::vector<TSavedPathEntry>& paths = saved.browse.SavedPaths;
    for (int k = 0; k < 10; ++k)
        paths.push_back({"mPath" + std::to_string(k), "&" + std::to_string(k) + "./photos/" + std::to_string(k)});
    paths[2].caption = "&2.";                          // cleaned
    paths[3].caption = "&3.0";                         // empty as read
    paths[4].caption = "&4./a b=c";                    // blanks and "=" stay
    paths[5].caption = "&5./" + std::string(150, 'x');  // a line longer than 99 bytes
    TSettings& values = saved.values;
    values.ShowTray = "False";
    values.SlideShowPath = "True";
    values.SlideDelay = "12";
    values.ImageTool = "";
    values.ImageToolPath = "/opt/tool=s/";
    values.HtmlGetFilePath = "/home/u/Pictures/";
    values.HtmlThumbMode = 2;
    values.HtmlThumbPixelsWidth = "160";
    values.HtmlThumbPixelsHeight = "120";
    values.HtmlThumbPercentWidth = "";
    values.HtmlThumbPercentHeight = "25";

    TTempDir dir;
    TAllTools tools;
    const std::string path = dir.File("InitShow.txt");
    ASSERT_TRUE(Save(path, saved, tools));
    TFileContents read;
    EXPECT_EQ(Load(path, read, tools), (TColorsRead{true, true}));

    TFileContents expected = saved;
    expected.browse.SavedPaths[2].caption = "&2.0";
    expected.values.ImageTool = "0";
    expected.values.HtmlThumbPercentWidth = "0";
    EXPECT_EQ(read, expected);
}

TEST(SettingsFile, AValueWithALineFeedIsWrittenEmptySoTheLinesAfterItStillRead)
{
    TFileContents saved = Defaults(WindowsDefaultSettings());
    saved.browse.SavedPaths.push_back({"mPath0", "&0./tmp/a\nb"});
    saved.values.ImageTool = "two\nlines";
    saved.values.HtmlThumbPercentHeight = "33";
    TAllTools tools;
    const std::string text = SettingsText(saved.values, saved.browse, tools);
    EXPECT_NE(text.find("2 [Menu] 0=\n"), std::string::npos);
    EXPECT_NE(text.find("3 [Image Tool]       4=\n"), std::string::npos);

    TFileContents read;
    ParseSettings(text, read.values, read.browse, tools);
    EXPECT_EQ(read.browse.SavedPaths.at(0).caption, "&0.0");
    EXPECT_EQ(read.values.ImageTool, "0");
    EXPECT_EQ(read.values.HtmlThumbPercentHeight, "33");
}

TEST(SettingsFile, ReadingAppliesLinesUntilOneStopsIt)
{
    // Each text is read over the same start settings; lines before a stop stay applied.
    struct Case {
        const char* what;
        const char* text;
        std::function<void(TFileContents&)> change;
        TColorsRead colors;
    };
    const Case cases[] = {
        {"a value keeps everything after the first =", "3 [Image Tool]       4=a=b\n",
         [](TFileContents& s) { s.values.ImageTool = "a=b"; }, {}},
        {"an empty value reads as 0", "3 [Image Tool]       4=\n4 [HTML Thumb Pixels or Percentage] 2=\n",
         [](TFileContents& s) { s.values.ImageTool = "0"; s.values.HtmlThumbMode = 0; }, {}},
        {"a blank line stops", "3 [Slide Show Dealy] 3=7\n\n3 [Image Tool]       4=x\n",
         [](TFileContents& s) { s.values.SlideDelay = "7"; }, {}},
        {"colour key 4 stops", "1 [Color] 1=5\n1 [Color] 4=6\n1 [Color] 2=7\n",
         [](TFileContents& s) { s.browse.BrowseColor = 5; }, {true, false}},
        {"colour key 3 carries only the backdrop", "1 [Color] 3=255\n3 [Slide Show Dealy] 3=9\n",
         [](TFileContents& s) { s.values.ViewerBackdrop = 255; s.values.SlideDelay = "9"; }, {false, false}},
        {"colour key 3 is accepted whatever it holds", "1 [Color] 3=teal\n1 [Color] 2=7\n",
         [](TFileContents& s) { s.browse.BrowseFontColor = 7; }, {false, true}},
        {"a last line without a line end is ignored", "3 [Slide Show Dealy] 3=9\n3 [Image Tool]       4=x",
         [](TFileContents& s) { s.values.SlideDelay = "9"; }, {}},
        {"saved paths append in file order, any key digit",
         "2 [Menu] 5=/a\n2 [Menu] 5=\n2 [Menu] 0=/b c=d\n",
         [](TFileContents& s) {
             s.browse.SavedPaths.push_back({"mPath5", "&5./a"});
             s.browse.SavedPaths.push_back({"mPath5", "&5.0"});
             s.browse.SavedPaths.push_back({"mPath0", "&0./b c=d"});
         },
         {}},
        {"section 0 stops", "3 [Slide Show Dealy] 3=7\n0 [Color] 1=5\n3 [Image Tool]       4=x\n",
         [](TFileContents& s) { s.values.SlideDelay = "7"; }, {}},
        {"section 5 stops", "5 [Other] 1=5\n3 [Image Tool]       4=x\n", [](TFileContents&) {}, {}},
        {"section 3 key 0 stops", "3 [Slide Show Dealy] 0=7\n3 [Image Tool]       4=x\n", [](TFileContents&) {}, {}},
        {"section 3 key 6 stops", "3 [Slide Show Dealy] 6=7\n3 [Image Tool]       4=x\n", [](TFileContents&) {}, {}},
        {"section 4 key 7 stops", "4 [HTML] 7=7\n3 [Image Tool]       4=x\n", [](TFileContents&) {}, {}},
        // malformed lines
        {"no = stops", "1 [Color] 1=5\n3 [Slide Show Dealy] 3 7\n3 [Image Tool]       4=x\n",
         [](TFileContents& s) { s.browse.BrowseColor = 5; }, {true, false}},
        {"a section that is no digit stops", "x [Color] 1=5\n3 [Image Tool]       4=x\n", [](TFileContents&) {}, {}},
        {"a key that is no digit stops", "2 [Menu] x=/a\n2 [Menu] 1=/b\n", [](TFileContents&) {}, {}},
        {"a colour that is no number stops", "1 [Color] 1=blue\n1 [Color] 2=7\n", [](TFileContents&) {}, {}},
        {"a mode that is no number stops", "4 [HTML Thumb Pixels or Percentage] 2=px\n3 [Image Tool]       4=x\n",
         [](TFileContents&) {}, {}},
    };
    TAllTools tools;
    TFileContents start = Defaults(WindowsDefaultSettings());
    start.browse.BrowseColor = 1;
    start.browse.BrowseFontColor = 2;
    start.values.ViewerBackdrop = 3;
    for (const Case& c : cases) {
        TFileContents read = start;
        TFileContents expected = start;
        c.change(expected);
        EXPECT_EQ(ParseSettings(c.text, read.values, read.browse, tools), c.colors) << c.what;
        EXPECT_EQ(read, expected) << c.what;
    }
}

TEST(SettingsFile, AFileThatCannotBeReadChangesNothing)
{
    TTempDir dir;
    TAllTools tools;
    TFileContents read = Defaults(WindowsDefaultSettings());
    EXPECT_FALSE(Load(dir.File("missing/InitShow.txt"), read, tools).has_value());
    EXPECT_EQ(read, Defaults(WindowsDefaultSettings()));
}

} // namespace
