#include "app/window/UnitMain.h"
#include "browse/PictureSet.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/DriveComboBox.h"
#include "browse/window/FileListBox.h"
#include "browse/window/SelectionList.h"
#include "browse/SelectionModel.h"
#include "thumbs/window/ThumbBoard.h"

#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"

#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <functional>

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
    frmMain->Pictures().Append({"/elsewhere", "kept.jpg", "1KB"});
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
    frmMain->Pictures().Append({"/elsewhere", "dropped.jpg", "1KB"});
    // Through the menu: the board this layout builds reports the missing file in the error box.
    frmMain->DirectoryShow->trigger();
    WaitForJobs();
    frmMain->SetStatusText(1, "Selected 1 File(s).");
    GoToFolder(pictures.Path());

    EXPECT_EQ(RowNames(), (std::vector<std::string>{"a.jpg", "b.bmp", "IMG.JPG"}));
    for (const TSelectionRow& row : frmMain->Pictures().Model().Rows()) {
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

namespace {

// The user's own moves in the tree end on the folder under the pointer or cursor, however
// far the tree had scrolled to show a folder the program set.
TEST_F(Browse, TheTreeOpensTheFolderTheUserPointsAt)
{
    for (int i = 0; i < 60; ++i)
        pictures.Write("d" + std::to_string(10 + i) + "/x.jpg", "picture");
    frmMain->show();
    TCDirectoryOutline* tree = frmMain->CDirectoryOutline1;
    QWidget* rows = tree->viewport();
    const auto folder = [&](int i) { return pictures.File("d" + std::to_string(i)); };
    const auto rowOf = [&](int i) {
        return tree->visualRect(static_cast<QFileSystemModel*>(tree->model())->index(QString::fromStdString(folder(i))));
    };
    const struct {
        const char* name;
        std::function<int()> act;  // what the user does; the folder it should end on
    } cases[] = {
        {"press, move a pixel, release",
         [&] {
             const QRect row = rowOf(44);
             QTest::mousePress(rows, Qt::LeftButton, {}, row.center());
             QTest::mouseMove(rows, row.center() + QPoint(1, 1));
             QTest::mouseRelease(rows, Qt::LeftButton, {}, row.center() + QPoint(1, 1));
             return 44;
         }},
        {"double click",
         [&] {
             QTest::mouseDClick(rows, Qt::LeftButton, {}, rowOf(45).center());
             return 45;
         }},
        {"arrow key",
         [&] {
             tree->setFocus();
             QTest::keyClick(tree, Qt::Key_Down);
             return 41;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GoToFolder(folder(40));
        // The model lists folders in the background and the tree follows the folder set.
        ASSERT_TRUE(QTest::qWaitFor([&] { return rows->rect().contains(rowOf(45)) && !rowOf(45).isEmpty(); }));
        QTest::qWait(50);
        const int wanted = c.act();
        QTest::qWait(50);
        EXPECT_EQ(tree->Directory(), folder(wanted));
        EXPECT_EQ(frmMain->windowTitle().toStdString(), "Lumora   [ " + folder(wanted) + " ]");
    }
}

}  // namespace

namespace {

// Browsing on through the tree replaces a Directory Show change still reading its folder.
TEST_F(Browse, ANewFolderChangeReplacesTheOneStillReading)
{
    TTempDir other;
    WriteTestJpeg(other.File("z.jpg"), 32, 24);
    frmMain->DirectoryShow->trigger();
    WaitForJobs();
    frmMain->CDirectoryOutline1->SetDirectory(pictures.Path());
    EXPECT_TRUE(frmMain->Busy());
    EXPECT_FALSE(frmMain->ListView1->isEnabled()) << "no input that changes the selection meanwhile";
    frmMain->CDirectoryOutline1->SetDirectory(other.Path());
    WaitForJobs();
    EXPECT_EQ(RowNames(), std::vector<std::string>{"z.jpg"});
    ASSERT_EQ(frmMain->Board()->ThumbCount(), 1);
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), other.File("z.jpg"));
    EXPECT_TRUE(frmMain->ListView1->isEnabled());
}

}  // namespace
