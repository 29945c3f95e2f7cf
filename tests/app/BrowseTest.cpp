#include "app/UnitMain.h"
#include "browse/DirectoryOutline.h"
#include "browse/DriveComboBox.h"
#include "browse/FileListBox.h"
#include "browse/SelectionList.h"

#include "support/MainWindowFixture.h"
#include "support/TempDir.h"

#include <QSignalSpy>
#include <QToolButton>

namespace {

class Browse : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        for (const char* name : {"a.jpg", "b.bmp", "c.gif", "IMG.JPG"})
            pictures.Write(name, "picture");
    }
    TTempDir pictures;
};

TEST_F(Browse, FolderChangeInSelectShowListsTheFolderAndLeavesTheSelection)
{
    frmMain->ListView1->AddRow({"/elsewhere", "kept.jpg", "1KB"});
    GoToFolder(pictures.Path());

    EXPECT_EQ(frmMain->FileListBox1->Directory(), pictures.Path());
    ASSERT_EQ(frmMain->FileListBox1->Count(), 3);
    EXPECT_EQ(frmMain->FileListBox1->Entry(0), "a.jpg");
    EXPECT_EQ(frmMain->FileListBox1->Entry(1), "b.bmp");
    EXPECT_EQ(frmMain->FileListBox1->Entry(2), "IMG.JPG");
    EXPECT_EQ(frmMain->StatusText(0), "Total 3 File(s).");
    EXPECT_EQ(frmMain->windowTitle().toStdString(), "Lumora   [ " + pictures.Path() + " ]");
    EXPECT_EQ(RowNames(), std::vector<std::string>{"kept.jpg"});
}

TEST_F(Browse, FolderChangeInDirectoryShowFillsTheSelectionWithTheFolder)
{
    frmMain->ListView1->AddRow({"/elsewhere", "dropped.jpg", "1KB"});
    // Through the menu: the board this layout builds reports the missing file in the error box.
    frmMain->DirectoryShow->trigger();
    frmMain->SetStatusText(1, "Selected 1 File(s).");
    GoToFolder(pictures.Path());

    EXPECT_EQ(RowNames(), (std::vector<std::string>{"a.jpg", "b.bmp", "IMG.JPG"}));
    for (const TSelectionRow& row : frmMain->ListView1->Rows()) {
        EXPECT_EQ(row.path, pictures.Path());
        EXPECT_EQ(row.byte, "7B");
    }
    // Caption, status bar and buttons are left as they were.
    EXPECT_EQ(frmMain->windowTitle(), "Lumora");
    EXPECT_EQ(frmMain->StatusText(0), "");
    EXPECT_EQ(frmMain->StatusText(1), "Selected 1 File(s).");
    EXPECT_TRUE(frmMain->sbSlideShow->isHidden());
}

TEST_F(Browse, TheTreeReportsEveryChangeOfFolderOnce)
{
    QSignalSpy changes(frmMain->CDirectoryOutline1, &TCDirectoryOutline::changed);
    GoToFolder(pictures.Path());
    GoToFolder(pictures.Path() + "/");   // the same folder
    GoToFolder(pictures.File("missing"));  // stays where it is
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(frmMain->CDirectoryOutline1->Directory(), pictures.Path());
}

TEST_F(Browse, DriveChangeMovesFileListAndTree)
{
    GoToFolder(pictures.Path());
    frmMain->DriveComboBox1->setCurrentIndex(0);  // "/" is the first drive
    frmMain->DriveComboBox1->setCurrentIndex(1);  // then the home folder
    EXPECT_EQ(frmMain->DriveComboBox1->Drive(), frmMain->DriveComboBox1->itemText(1).toStdString());
    EXPECT_EQ(frmMain->CDirectoryOutline1->Directory(), frmMain->DriveComboBox1->Drive());
    EXPECT_EQ(frmMain->FileListBox1->Directory(), frmMain->DriveComboBox1->Drive());
    EXPECT_EQ(frmMain->windowTitle().toStdString(), "Lumora   [ " + frmMain->DriveComboBox1->Drive() + " ]");
}

} // namespace
