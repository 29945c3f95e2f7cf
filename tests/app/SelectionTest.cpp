#include "app/window/UnitMain.h"
#include "browse/PictureSet.h"
#include "browse/window/FileListBox.h"
#include "browse/window/SelectionList.h"
#include "browse/SelectionModel.h"
#include "viewer/window/UnitShow.h"

#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"

#include <QHeaderView>
#include <QTest>
#include <QToolButton>

#include <cstdio>

namespace {

class Selection : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // Remove rebuilds the board, so what stays on it must be a picture.
        WritePaddedPicture(pictures.File("a.jpg"), MakeTestJpeg(64, 48), 10240);
        pictures.WriteSized("b.jpg", 9216);
        WritePaddedPicture(pictures.File("c.bmp"), MakeTestBmp(16, 16), 1024);
        pictures.WriteSized("d.jpg", 512);
        GoToFolder(pictures.Path());
    }
    bool WorkButtonsShown() const
    {
        return !frmMain->sbRemove->isHidden() && !frmMain->sbGenHTML->isHidden();
    }
    TTempDir pictures;
};

TEST_F(Selection, AddAppendsTheSelectedFilesInListOrderEveryTime)
{
    SelectFiles({3, 0, 2});
    frmMain->sbAddClick();
    EXPECT_EQ(RowNames(), (std::vector<std::string>{"a.jpg", "c.bmp", "d.jpg"}));
    EXPECT_EQ(frmMain->Pictures().Row(0),
              (TSelectionRow{pictures.Path(), "a.jpg", "10KB", 10240}));
    EXPECT_EQ(frmMain->Pictures().Row(2).byte, "512B");
    EXPECT_EQ(frmMain->StatusText(1), "Selected 3 File(s).");
    EXPECT_TRUE(WorkButtonsShown());

    frmMain->sbAddClick();
    EXPECT_EQ(frmMain->Pictures().Count(), 6);
    EXPECT_EQ(frmMain->StatusText(1), "Selected 6 File(s).");
}

TEST_F(Selection, AddWithoutSelectionOrUnreadableFilesAddsNothingForThem)
{
    SelectFiles({});
    frmMain->sbAddClick();
    EXPECT_EQ(frmMain->Pictures().Count(), 0);
    EXPECT_EQ(frmMain->StatusText(1), "Selected 0 File(s).");
    EXPECT_FALSE(WorkButtonsShown());

    // A file deleted after the list was read gets no row; the others are added.
    SelectFiles({0, 1});
    std::remove(pictures.File("a.jpg").c_str());
    frmMain->sbAddClick();
    EXPECT_EQ(RowNames(), std::vector<std::string>{"b.jpg"});
}

TEST_F(Selection, DoubleClickInTheFileListAddsEverySelectedEntry)
{
    SelectFiles({1, 2});
    frmMain->FileListBox1->show();
    emit frmMain->FileListBox1->doubleClicked();
    EXPECT_EQ(RowNames(), (std::vector<std::string>{"b.jpg", "c.bmp"}));
}

TEST_F(Selection, AddAllTakesTheWholeFolderAndDoesNothingForAnEmptyOne)
{
    frmMain->sbAddAllClick();
    EXPECT_EQ(RowNames(), (std::vector<std::string>{"a.jpg", "b.jpg", "c.bmp", "d.jpg"}));
    EXPECT_EQ(frmMain->StatusText(1), "Selected 4 File(s).");
    EXPECT_TRUE(WorkButtonsShown());

    TTempDir empty;
    GoToFolder(empty.Path());
    frmMain->SetStatusText(1, "unchanged");
    frmMain->sbAddAllClick();
    EXPECT_EQ(frmMain->Pictures().Count(), 4);
    EXPECT_EQ(frmMain->StatusText(1), "unchanged");
}

TEST_F(Selection, RemoveDeletesSelectedRowsAndRemoveAllEmptiesTheList)
{
    frmMain->sbAddAllClick();
    SelectRows({1, 3});
    frmMain->sbRemoveClick();
    WaitForJobs();
    EXPECT_EQ(RowNames(), (std::vector<std::string>{"a.jpg", "c.bmp"}));
    EXPECT_EQ(frmMain->StatusText(1), "Selected 2 File(s).");
    EXPECT_TRUE(WorkButtonsShown());

    SelectRows({0, 1});
    frmMain->sbRemoveClick();
    WaitForJobs();
    EXPECT_EQ(frmMain->Pictures().Count(), 0);
    EXPECT_EQ(frmMain->StatusText(1), "Selected 0 File(s).");
    EXPECT_FALSE(WorkButtonsShown());

    frmMain->sbAddAllClick();
    frmMain->sbRemoveAllClick();
    EXPECT_EQ(frmMain->Pictures().Count(), 0);
    EXPECT_EQ(frmMain->StatusText(1), "Selected 0 File(s).");
    EXPECT_FALSE(WorkButtonsShown());
}

TEST_F(Selection, SortingByByteComparesTextsAndKeepsTheSelection)
{
    frmMain->sbAddAllClick();  // 10KB, 9KB, 1KB, 512B
    SelectRows({1});  // b.jpg, 9KB
    for (int click = 0; click < 2; ++click) {
        frmMain->ListView1ColumnClick(2);
        EXPECT_EQ(RowNames(), (std::vector<std::string>{"a.jpg", "c.bmp", "d.jpg", "b.jpg"}));
    }
    EXPECT_EQ(frmMain->SortColumn, 2);
    EXPECT_EQ(frmMain->ListView1->SelectedRows(), std::vector<int>{3});
}

TEST_F(Selection, HeaderClickSortsThroughTheHandler)
{
    frmMain->sbAddAllClick();
    frmMain->show();
    QHeaderView* header = frmMain->ListView1->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 10, header->height() / 2));
    EXPECT_EQ(frmMain->SortColumn, 2);
    EXPECT_EQ(RowNames().back(), "b.jpg");
}

TEST_F(Selection, ClickSetsTheCurrentFileAndDoubleClickAlsoTheIndex)
{
    for (int i = 0; i < 2; ++i)
        frmMain->sbAddAllClick();  // eight rows
    frmMain->show();
    TSelectionList* list = frmMain->ListView1;
    const auto rowCentre = [list](int row) { return list->visualRect(list->model()->index(row, 1)).center(); };

    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(4));
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 4);
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), pictures.File("a.jpg"));
    EXPECT_TRUE(frmShow->isVisible());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(6));
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), pictures.File("c.bmp"));
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 4);

    // With no row selected neither changes anything.
    list->clearSelection();
    frmMain->ListView1Click();
    frmMain->ListView1DblClick();
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), pictures.File("c.bmp"));
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 4);
}

} // namespace
