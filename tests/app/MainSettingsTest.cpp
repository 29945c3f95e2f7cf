#include "Forms.h"
#include "settings/SharedSettings.h"
#include "app/window/UnitMain.h"
#include "browse/window/FileListBox.h"
#include "settings/SettingsFile.h"
#include "text/AllTools.h"
#include "toolkit/window/ControlColor.h"
#include "toolkit/Platform.h"
#include "toolkit/TextFile.h"

#include "support/MainWindowFixture.h"

#include <QAction>
#include <QFile>

namespace {

using Settings = MainWindowTest;

std::vector<std::string> Captions()
{
    std::vector<std::string> captions;
    for (const QAction* entry : frmMain->SavedPathEntries())
        captions.push_back(frmMain->EntryCaption(entry));
    return captions;
}

void ExpectBrowsingColors(TColor background, TColor font)
{
    for (const QWidget* control : frmMain->BrowsingControls()) {
        EXPECT_EQ(ControlColor(control, 0), background) << control->objectName().toStdString();
        EXPECT_EQ(ControlFontColor(control, 0), font) << control->objectName().toStdString();
    }
}

TEST_F(Settings, FirstStartWritesTheDefaultFileAndReadsItBack)
{
    TAllTools tools;
    EXPECT_EQ(ReadBytes(SettingsPath()), ToCrLf(SettingsText(DefaultSettings(PlatformDefaultSettings()), TBrowseSettings{}, tools)));
    ExpectBrowsingColors(-2147483624, 16711680);
    const std::vector<std::string> empty = {"&0.0", "&1.0", "&2.0", "&3.0", "&4.0",
                                            "&5.0", "&6.0", "&7.0", "&8.0", "&9.0"};
    EXPECT_EQ(Captions(), empty);
    EXPECT_EQ(frmMain->SavedPathEntries()[9]->objectName(), "mPath9");
    EXPECT_EQ(frmMain->NewPathEntry, frmMain->SavedPathEntries()[9]);
    EXPECT_EQ(frmMain->Settings().ShowTray, "True");
    EXPECT_EQ(frmMain->Settings().SlideDelay, "3");
    EXPECT_EQ(frmMain->Settings().ImageTool, "gimp");
    EXPECT_EQ(frmMain->Settings().HtmlThumbMode, 1);
    EXPECT_EQ(frmMain->SavedPathCount, 0);
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(Settings, SavedSettingsComeBackAfterARestart)
{
    frmMain->Settings().ShowTray = "False";
    frmMain->Settings().SlideDelay = "7";
    frmMain->Settings().ImageTool = "a=b";
    frmMain->Settings().ImageToolPath = "";  // an empty text comes back as "0"
    frmMain->Settings().HtmlThumbMode = 2;
    frmMain->Settings().HtmlThumbPercentHeight = "35";
    frmMain->Settings().ViewerBackdrop = clBlack;
    for (QWidget* control : frmMain->BrowsingControls()) {
        SetControlColor(control, 0x00C0FFEE);
        SetControlFontColor(control, clWindowText);
    }
    frmMain->RecordSavedPath("/pictures/summer");
    frmMain->SavePathClick();
    Restart();

    EXPECT_EQ(frmMain->Settings().ShowTray, "False");
    EXPECT_EQ(frmMain->Settings().SlideDelay, "7");
    EXPECT_EQ(frmMain->Settings().ImageTool, "a=b");
    EXPECT_EQ(frmMain->Settings().ImageToolPath, "0");
    EXPECT_EQ(frmMain->Settings().HtmlThumbMode, 2);
    EXPECT_EQ(frmMain->Settings().HtmlThumbPercentHeight, "35");
    EXPECT_EQ(frmMain->Settings().ViewerBackdrop, clBlack);
    ExpectBrowsingColors(0x00C0FFEE, clWindowText);
    EXPECT_EQ(Captions()[0], "&0./pictures/summer");
    EXPECT_EQ(frmMain->SavedPathCount, 1);
}

TEST_F(Settings, AHandEditedFileKeepsTheValuesAboveAStrayBlankLine)
{
    frmMain->Settings().SlideDelay = "9";
    frmMain->SavePathClick();
    std::string text = ReadBytes(SettingsPath());
    const std::size_t delay = text.find("3 [Slide Show Dealy]");
    text.insert(text.find("\r\n", delay) + 2, "\r\n");  // a blank line after the delay
    QFile::remove(QString::fromStdString(SettingsPath()));
    config.Write("lumora/InitShow.txt", text);
    Restart();

    EXPECT_EQ(frmMain->Settings().SlideDelay, "9");
    EXPECT_EQ(frmMain->Settings().ImageTool, "");  // below the blank line: never read
    EXPECT_EQ(frmMain->Settings().HtmlThumbMode, 0);
    EXPECT_EQ(ReadBytes(SettingsPath()), text);  // reading changes nothing
}

TEST_F(Settings, AFolderThatCannotHoldTheFileGivesTheMessageTwiceAndAnEmptyStart)
{
    DestroyForms();
    TTempDir blocked;
    blocked.Write("lumora", "a file where the settings folder should be");
    setenv("XDG_CONFIG_HOME", blocked.Path().c_str(), 1);
    dialogs.log.clear();
    CreateForms();

    EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Cannot open output file.", "Cannot open output file."}));
    EXPECT_EQ(frmMain->Settings().ShowTray, "");
    EXPECT_EQ(frmMain->Settings().HtmlThumbMode, 0);
    EXPECT_TRUE(frmMain->SavedPathEntries().empty());
    ExpectBrowsingColors(clInfoBk, clBlue);
    // Adding pictures with no entries to hold their folder is harmless.
    frmMain->RecordSavedPath("/somewhere");
    EXPECT_EQ(frmMain->SavedPathCount, 1);
}

TEST_F(Settings, AReadOnlyFileIsReadAndNeverReplaced)
{
    frmMain->Settings().SlideDelay = "5";
    frmMain->SavePathClick();
    const std::string before = ReadBytes(SettingsPath());
    QFile::setPermissions(QString::fromStdString(SettingsPath()), QFile::ReadOwner | QFile::ReadGroup);
    Restart();
    EXPECT_EQ(frmMain->Settings().SlideDelay, "5");
    EXPECT_TRUE(dialogs.Messages().empty());

    frmMain->Settings().SlideDelay = "6";
    frmMain->SavePathClick();
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Cannot open output file."});
    EXPECT_EQ(ReadBytes(SettingsPath()), before);
}

TEST_F(Settings, DefaultDeletesTheFileAndClosesOnlyWhenThereIsOne)
{
    frmMain->show();
    frmMain->Default->trigger();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsPath())));
    EXPECT_EQ(dialogs.log, (std::vector<TDialogRecord>{{"information", "Please re-execute programs."}}));
    EXPECT_FALSE(frmMain->isVisible());

    frmMain->show();
    frmMain->Default->trigger();
    EXPECT_EQ(dialogs.log.size(), 1u);
    EXPECT_TRUE(frmMain->isVisible());

    // The next start writes the defaults again.
    Restart();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(SettingsPath())));
}

TEST_F(Settings, DefaultSaysSoAndKeepsRunningWhenTheFileCannotBeDeleted)
{
    frmMain->show();
    // A folder in the file's place cannot be deleted as a file, not even by the super-user.
    QFile::remove(QString::fromStdString(SettingsPath()));
    config.Write("lumora/InitShow.txt/kept", "x");
    frmMain->Default->trigger();
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Cannot delete the settings file " + SettingsPath() + "."});
    EXPECT_TRUE(frmMain->isVisible());
}

} // namespace
