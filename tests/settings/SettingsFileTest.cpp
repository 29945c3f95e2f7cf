#include "settings/SettingsFile.h"

#include "support/TempDir.h"
#include "text/AllTools.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

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
    ASSERT_TRUE(SaveSettingsFile(windows, DefaultSettings(WindowsDefaultSettings()), tools));
    const TDefaultSettings windowsPlaces{"photoed.exe",
                                         "C:\\Program Files\\Common Files\\Microsoft Shared\\PhotoEd\\", "C:\\"};
    EXPECT_EQ(ReadBytes(windows), DefaultFile(windowsPlaces));

    const std::string here = dir.File("InitShow.txt");
    ASSERT_TRUE(SaveSettingsFile(here, DefaultSettings(PlatformDefaultSettings()), tools));
    EXPECT_EQ(ReadBytes(here), DefaultFile(PlatformDefaultSettings()));
}

TEST(SettingsFile, DefaultFileReadsBackAsAFirstStart)
{
    TTempDir dir;
    TAllTools tools;
    const std::string path = dir.File("InitShow.txt");
    ASSERT_TRUE(SaveSettingsFile(path, DefaultSettings(WindowsDefaultSettings()), tools));
    TSettings read;
    EXPECT_EQ(LoadSettingsFile(path, read, tools), (TColorsRead{true, true, true}));
    TSettings expected = DefaultSettings(WindowsDefaultSettings());
    for (int k = 0; k < 10; ++k)
        expected.SavedPaths.push_back({"mPath" + std::to_string(k), "&" + std::to_string(k) + ".0"});
    EXPECT_EQ(read, expected);
}

TEST(SettingsFile, SavedSettingsComeBackWithEmptyTextsAsZero)
{
    TSettings saved;
    saved.BrowseColor = 0x00123456;
    saved.BrowseFontColor = -2147483627;
    saved.BackdropColor = 0x00FFFFFF;
    for (int k = 0; k < 10; ++k)
        saved.SavedPaths.push_back({"mPath" + std::to_string(k), "&" + std::to_string(k) + "./photos/" + std::to_string(k)});
    saved.SavedPaths[2].caption = "&2.";                          // cleaned
    saved.SavedPaths[3].caption = "&3.0";                         // empty as read
    saved.SavedPaths[4].caption = "&4./a b=c";                    // blanks and "=" stay
    saved.SavedPaths[5].caption = "&5./" + std::string(150, 'x');  // a line longer than 99 bytes
    saved.ShowTray = "False";
    saved.SlideShowPath = "True";
    saved.SlideDelay = "12";
    saved.ImageTool = "";
    saved.ImageToolPath = "/opt/tool=s/";
    saved.HtmlGetFilePath = "/home/u/Pictures/";
    saved.HtmlThumbMode = 2;
    saved.HtmlThumbPixelsWidth = "160";
    saved.HtmlThumbPixelsHeight = "120";
    saved.HtmlThumbPercentWidth = "";
    saved.HtmlThumbPercentHeight = "25";

    TTempDir dir;
    TAllTools tools;
    const std::string path = dir.File("InitShow.txt");
    ASSERT_TRUE(SaveSettingsFile(path, saved, tools));
    TSettings read;
    EXPECT_EQ(LoadSettingsFile(path, read, tools), (TColorsRead{true, true, true}));

    TSettings expected = saved;
    expected.SavedPaths[2].caption = "&2.0";
    expected.ImageTool = "0";
    expected.HtmlThumbPercentWidth = "0";
    EXPECT_EQ(read, expected);
}

TEST(SettingsFile, AValueWithALineFeedIsWrittenEmptySoTheLinesAfterItStillRead)
{
    TSettings saved = DefaultSettings(WindowsDefaultSettings());
    saved.SavedPaths.push_back({"mPath0", "&0./tmp/a\nb"});
    saved.ImageTool = "two\nlines";
    saved.HtmlThumbPercentHeight = "33";
    TAllTools tools;
    const std::string text = SettingsText(saved, tools);
    EXPECT_NE(text.find("2 [Menu] 0=\n"), std::string::npos);
    EXPECT_NE(text.find("3 [Image Tool]       4=\n"), std::string::npos);

    TSettings read;
    ParseSettings(text, read, tools);
    EXPECT_EQ(read.SavedPaths.at(0).caption, "&0.0");
    EXPECT_EQ(read.ImageTool, "0");
    EXPECT_EQ(read.HtmlThumbPercentHeight, "33");
}

TEST(SettingsFile, ReadingAppliesLinesUntilOneStopsIt)
{
    // Each text is read over the same start settings; lines before a stop stay applied.
    struct Case {
        const char* what;
        const char* text;
        std::function<void(TSettings&)> change;
        TColorsRead colors;
    };
    const Case cases[] = {
        {"a value keeps everything after the first =", "3 [Image Tool]       4=a=b\n",
         [](TSettings& s) { s.ImageTool = "a=b"; }, {}},
        {"an empty value reads as 0", "3 [Image Tool]       4=\n4 [HTML Thumb Pixels or Percentage] 2=\n",
         [](TSettings& s) { s.ImageTool = "0"; s.HtmlThumbMode = 0; }, {}},
        {"a blank line stops", "3 [Slide Show Dealy] 3=7\n\n3 [Image Tool]       4=x\n",
         [](TSettings& s) { s.SlideDelay = "7"; }, {}},
        {"colour key 4 stops", "1 [Color] 1=5\n1 [Color] 4=6\n1 [Color] 2=7\n",
         [](TSettings& s) { s.BrowseColor = 5; }, {true, false, false}},
        {"colour key 3 carries only the backdrop", "1 [Color] 3=255\n3 [Slide Show Dealy] 3=9\n",
         [](TSettings& s) { s.BackdropColor = 255; s.SlideDelay = "9"; }, {false, false, true}},
        {"colour key 3 is accepted whatever it holds", "1 [Color] 3=teal\n1 [Color] 2=7\n",
         [](TSettings& s) { s.BrowseFontColor = 7; }, {false, true, false}},
        {"a last line without a line end is ignored", "3 [Slide Show Dealy] 3=9\n3 [Image Tool]       4=x",
         [](TSettings& s) { s.SlideDelay = "9"; }, {}},
        {"saved paths append in file order, any key digit",
         "2 [Menu] 5=/a\n2 [Menu] 5=\n2 [Menu] 0=/b c=d\n",
         [](TSettings& s) {
             s.SavedPaths.push_back({"mPath5", "&5./a"});
             s.SavedPaths.push_back({"mPath5", "&5.0"});
             s.SavedPaths.push_back({"mPath0", "&0./b c=d"});
         },
         {}},
        {"section 0 stops", "3 [Slide Show Dealy] 3=7\n0 [Color] 1=5\n3 [Image Tool]       4=x\n",
         [](TSettings& s) { s.SlideDelay = "7"; }, {}},
        {"section 5 stops", "5 [Other] 1=5\n3 [Image Tool]       4=x\n", [](TSettings&) {}, {}},
        {"section 3 key 0 stops", "3 [Slide Show Dealy] 0=7\n3 [Image Tool]       4=x\n", [](TSettings&) {}, {}},
        {"section 3 key 6 stops", "3 [Slide Show Dealy] 6=7\n3 [Image Tool]       4=x\n", [](TSettings&) {}, {}},
        {"section 4 key 7 stops", "4 [HTML] 7=7\n3 [Image Tool]       4=x\n", [](TSettings&) {}, {}},
        // malformed lines
        {"no = stops", "1 [Color] 1=5\n3 [Slide Show Dealy] 3 7\n3 [Image Tool]       4=x\n",
         [](TSettings& s) { s.BrowseColor = 5; }, {true, false, false}},
        {"a section that is no digit stops", "x [Color] 1=5\n3 [Image Tool]       4=x\n", [](TSettings&) {}, {}},
        {"a key that is no digit stops", "2 [Menu] x=/a\n2 [Menu] 1=/b\n", [](TSettings&) {}, {}},
        {"a colour that is no number stops", "1 [Color] 1=blue\n1 [Color] 2=7\n", [](TSettings&) {}, {}},
        {"a mode that is no number stops", "4 [HTML Thumb Pixels or Percentage] 2=px\n3 [Image Tool]       4=x\n",
         [](TSettings&) {}, {}},
    };
    TAllTools tools;
    TSettings start = DefaultSettings(WindowsDefaultSettings());
    start.BrowseColor = 1;
    start.BrowseFontColor = 2;
    start.BackdropColor = 3;
    for (const Case& c : cases) {
        TSettings read = start;
        TSettings expected = start;
        c.change(expected);
        EXPECT_EQ(ParseSettings(c.text, read, tools), c.colors) << c.what;
        EXPECT_EQ(read, expected) << c.what;
    }
}

TEST(SettingsFile, AFileThatCannotBeReadChangesNothing)
{
    TTempDir dir;
    TAllTools tools;
    TSettings read = DefaultSettings(WindowsDefaultSettings());
    EXPECT_FALSE(LoadSettingsFile(dir.File("missing/InitShow.txt"), read, tools).has_value());
    EXPECT_EQ(read, DefaultSettings(WindowsDefaultSettings()));
}

} // namespace
