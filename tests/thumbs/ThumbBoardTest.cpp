#include "app/window/UnitMain.h"
#include "browse/PictureSet.h"
#include "browse/window/SelectionList.h"
#include "browse/SelectionModel.h"
#include "thumbs/window/ThumbBoard.h"
#include "thumbs/ThumbGeometry.h"
#include "thumbs/window/ThumbImage.h"
#include "viewer/window/UnitShow.h"

#include "support/DecoderWait.h"
#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"

#include <QDir>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <functional>
#include <tuple>
#include <jerror.h>
#include <jpeglib.h>

namespace {

class ThumbBoard : public MainWindowTest {
protected:
    // Adds every file of the pictures folder to the selection list, in the file list's order.
    void AddAll()
    {
        GoToFolder(pictures.Path());
        frmMain->sbAddAllClick();
    }
    TImage* Thumb(int row) const { return frmMain->Board()->Thumb(row); }
    // Lets the events run until every thumbnail had its turn; false when that takes a minute.
    static bool WaitForPixels() { return WaitForDecoder(frmMain->Board()->Decoder()); }
    TTempDir pictures;
};

TEST_F(ThumbBoard, BuildNamesPlacesAndHintsEveryThumbnailAndFramesTheLast)
{
    WriteTestJpeg(pictures.File("a.jpg"), 640, 480);
    WriteTestBmp(pictures.File("b.bmp"), 480, 640);
    WriteTestJpeg(pictures.File("c.jpg"), 1920, 1080);
    WritePaddedPicture(pictures.File("d.jpg"), MakeTestJpeg(80, 80), 2000);
    AddAll();
    frmMain->sbThumb->click();
    WaitForJobs();

    TThumbBoard* board = frmMain->Board();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->objectName(), "ScrollBoxTb");
    EXPECT_EQ(board->geometry(), QRect(50, 352, 932, 350));
    struct Expected {
        const char* name;
        QRect bounds;
        QString hintStart;
    };
    const Expected expected[] = {
        {"ImageTb0", {27, 10, 106, 80}, "a.jpg\nW:640xH:480\nSize:"},
        {"ImageTb1", {200, 10, 60, 80}, "b.bmp\nW:480xH:640\nSize:"},
        {"ImageTb2", {310, 10, 140, 80}, "c.jpg\nW:1920xH:1080\nSize:"},
        {"ImageTb3", {490, 10, 80, 80}, "d.jpg\nW:80xH:80\nSize:1KB"},
    };
    ASSERT_EQ(board->ThumbCount(), 4);
    EXPECT_EQ(Thumb(3)->toolTip(), expected[3].hintStart);
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(Thumb(row)->objectName(), expected[row].name);
        EXPECT_EQ(Thumb(row)->geometry(), expected[row].bounds);
        EXPECT_TRUE(Thumb(row)->toolTip().startsWith(expected[row].hintStart));
        EXPECT_EQ(Thumb(row)->accessibleDescription(), Thumb(row)->toolTip());
    }
    EXPECT_EQ(board->FramedRow(), 3);
    ASSERT_NE(frmMain->Board()->Frame(), nullptr);
    EXPECT_EQ(frmMain->Board()->Frame()->geometry(), QRect(485, 5, 90, 90));
    EXPECT_EQ(frmMain->Board()->Frame()->Picture().pixel(20, 20), qRgb(255, 255, 0));
    EXPECT_EQ(frmMain->Board()->Frame()->Picture().pixel(0, 20), qRgb(0, 0, 0));
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), pictures.File("d.jpg"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // A second Show Thumb replaces the board and frames its last thumbnail again.
    frmMain->sbThumb->click();
    WaitForJobs();
    EXPECT_EQ(frmMain->centralWidget()->findChildren<TThumbBoard*>().size(), 1);
    EXPECT_EQ(frmMain->Board()->Frame()->geometry(), FrameBounds(frmMain->Board()->Thumb(3)->geometry()));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(ThumbBoard, PressOnAThumbnailOrItsFrameMakesItCurrentAndNothingElseDoes)
{
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"})
        WriteTestJpeg(pictures.File(name), 64, 48);
    AddAll();
    SelectRows({1});
    frmMain->sbThumbClick();
    WaitForJobs();
    const QRect framedLast = frmMain->Board()->Frame()->geometry();

    struct Case {
        const char* what;
        std::function<QWidget*()> target;
        int index;      // CurrentIndex afterwards
        int framed;     // the row framed afterwards
    };
    const Case cases[] = {
        {"thumbnail 3", [&] { return Thumb(3); }, 3, 3},
        {"the frame, now around 3", [&] { return frmMain->Board()->Frame(); }, 3, 3},
        {"thumbnail 0", [&] { return Thumb(0); }, 0, 0},
        {"the frame, now around 0", [&] { return frmMain->Board()->Frame(); }, 0, 0},
        {"the board's background", [&] { return frmMain->Board()->Surface(); }, 0, 0},
        {"the main window", [&] { return frmMain; }, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTest::mousePress(c.target(), Qt::RightButton, {}, QPoint(3, 3));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(frmMain->Pictures().CurrentIndex(), c.index);
        EXPECT_EQ(frmMain->Pictures().CurrentFile(), frmMain->Pictures().FullPath(c.index));
        EXPECT_EQ(frmMain->Board()->Frame()->geometry(), FrameBounds(Thumb(c.framed)->geometry()));
        EXPECT_EQ(frmMain->Board()->Surface()->findChildren<TImage*>().size(), 6u);
        EXPECT_EQ(frmMain->ListView1->SelectedRows(), std::vector<int>{1});
    }
    EXPECT_NE(framedLast, frmMain->Board()->Frame()->geometry());

    QTest::mouseDClick(Thumb(3), Qt::LeftButton);
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 3);
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), pictures.File("d.jpg"));
    EXPECT_TRUE(frmShow->isVisible());
}

TEST_F(ThumbBoard, AnEmptyListLeavesTheOldBoardShownButDisabled)
{
    const TTempDir noPictures;
    const struct {
        const char* what;
        std::function<void()> build;
        std::function<void()> empty;
    } cases[] = {
        {"an empty Directory Show folder",
         [this] {
             frmMain->DirectoryShowClick();
             WaitForJobs();
             GoToFolder(pictures.Path());
         },
         [&] { GoToFolder(noPictures.Path()); }},
        {"Remove All",
         [this] {
             frmMain->SelectShowClick();
             WaitForJobs();
             AddAll();
             frmMain->sbThumbClick();
             WaitForJobs();
         },
         [] { frmMain->sbRemoveAllClick(); }},
    };
    WriteTestJpeg(pictures.File("a.jpg"), 64, 48);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.build();
        TThumbBoard* board = frmMain->Board();
        ASSERT_NE(board, nullptr);
        ASSERT_TRUE(board->isEnabled());
        c.empty();
        EXPECT_EQ(frmMain->Board(), board);
        EXPECT_FALSE(board->isEnabled());
        EXPECT_FALSE(board->isHidden());
        frmMain->Pictures().NameFile("elsewhere");
        const int index = frmMain->Pictures().CurrentIndex();
        QTest::mousePress(board->Thumb(0), Qt::LeftButton);
        EXPECT_EQ(frmMain->Pictures().CurrentIndex(), index);
        EXPECT_EQ(frmMain->Pictures().CurrentFile(), "elsewhere");
    }
}

TEST_F(ThumbBoard, UnreadableFilesAreMarkedAndNamedOnceAndTheBuildGoesOn)
{
    WriteTestJpeg(pictures.File("a.jpg"), 64, 48);
    pictures.WriteSized("b.jpg", 500);
    WriteTestJpeg(pictures.File("c.jpg"), 64, 48);
    WriteTestJpeg(pictures.File("d.jpg"), 64, 48);
    for (int i = 0; i < 11; ++i)
        pictures.Write("e" + std::to_string(i) + ".jpg", "");
    WriteTestJpeg(pictures.File("f.jpg"), 64, 48);
    AddAll();
    QFile::remove(QString::fromStdString(pictures.File("d.jpg")));  // gone after Add
    frmMain->ListView1->selectRow(0);
    frmMain->sbRemoveClick();  // a handler that rebuilds the board finishes its own steps
    EXPECT_EQ(frmMain->StatusText(kSelectedCountPanel), "Selected 15 File(s).");
    EXPECT_TRUE(dialogs.Messages().empty()) << "told once the build is done";
    EXPECT_FALSE(frmMain->sbAdd->isEnabled()) << "no input that changes the selection while it runs";
    WaitForJobs();
    EXPECT_TRUE(frmMain->sbAdd->isEnabled());

    const std::string empty = "JPEG error #" + std::to_string(JERR_INPUT_EMPTY);
    const std::string named = "These pictures could not be read:\n" + pictures.File("b.jpg") + ": JPEG error #"
                        + std::to_string(JERR_NO_SOI) + "\n" + pictures.File("d.jpg") + ": ";
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    const std::string box = dialogs.Messages()[0];
    EXPECT_EQ(box.substr(0, named.size()), named);
    // In the file list's order e10 comes before e2: e6 is the tenth named.
    EXPECT_NE(box.find(pictures.File("e6.jpg") + ": " + empty + "\nand 3 more"), std::string::npos) << box;
    ASSERT_EQ(frmMain->Board()->ThumbCount(), 15);
    for (int row = 0; row < 15; ++row)
        EXPECT_EQ(Thumb(row)->Damaged(), row != 1 && row != 14) << row;
    EXPECT_EQ(Thumb(0)->accessibleDescription().toStdString(),
              "b.jpg\nJPEG error #" + std::to_string(JERR_NO_SOI) + "\nSize:500B");
    EXPECT_EQ(Thumb(0)->width(), kThumbHeight) << "unread, it stands as a square";
    ASSERT_NE(frmMain->Board()->Frame(), nullptr);
    EXPECT_EQ(frmMain->Board()->Frame()->geometry(), FrameBounds(Thumb(14)->geometry()));
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), pictures.File("f.jpg"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(WaitForPixels());
    EXPECT_FALSE(Thumb(14)->Picture().isNull());
}

TEST_F(ThumbBoard, PixelsArriveFromTheCacheAndChangedOrDamagedFilesAreDecodedAgain)
{
    WriteTestJpeg(pictures.File("a.jpg"), 640, 480);
    WriteTestJpeg(pictures.File("b.jpg"), 640, 480);
    // Its header reads; its quantization tables are stored under numbers the frame does not use.
    QByteArray damaged = MakeTestJpeg(64, 48);
    for (qsizetype at = damaged.indexOf("\xFF\xDB"); at >= 0; at = damaged.indexOf("\xFF\xDB", at + 2))
        damaged[at + 4] = static_cast<char>(damaged[at + 4] + 2);
    WriteFileBytes(pictures.File("c.jpg"), damaged);
    AddAll();
    frmMain->sbThumbClick();
    WaitForJobs();
    // Nothing is decoded while the build runs.
    EXPECT_TRUE(Thumb(0)->Picture().isNull());
    ASSERT_TRUE(WaitForPixels());
    EXPECT_EQ(Thumb(0)->Picture().size(), QSize(106, 80));
    EXPECT_FALSE(Thumb(1)->Picture().isNull());
    EXPECT_TRUE(Thumb(2)->Damaged());
    EXPECT_TRUE(dialogs.log.empty());

    WriteTestJpeg(pictures.File("b.jpg"), 480, 640);
    frmMain->sbThumbClick();
    WaitForJobs();
    EXPECT_EQ(Thumb(0)->Picture().size(), QSize(106, 80));
    EXPECT_TRUE(Thumb(1)->Picture().isNull());
    EXPECT_TRUE(Thumb(2)->Damaged());
    ASSERT_TRUE(WaitForPixels());
    EXPECT_EQ(Thumb(1)->Picture().size(), QSize(60, 80));
}

TEST_F(ThumbBoard, AFolderDeletedWhileTheBoardDecodesMarksTheThumbnailsOfItsMissingFiles)
{
    constexpr int kRows = 2000;
    const QByteArray kinds[] = {MakeTestJpeg(64, 48), MakeTestJpeg(48, 64), MakeTestJpeg(40, 40)};
    for (int row = 0; row < kRows; ++row)
        WriteFileBytes(pictures.File(QString("p%1.jpg").arg(row, 4, 10, QChar('0')).toStdString()), kinds[row % 3]);
    AddAll();
    ASSERT_EQ(frmMain->Pictures().Count(), kRows);
    frmMain->sbThumbClick();
    WaitForJobs();
    // Gone before any decoded result is taken in, so most decodes meet missing files.
    ASSERT_TRUE(QDir(QFile::decodeName(pictures.Path().c_str())).removeRecursively());
    ASSERT_TRUE(WaitForPixels());

    int damaged = 0;
    for (int row = 0; row < kRows; ++row) {
        // Each thumbnail shows its pixels or the cross; none is left a placeholder.
        EXPECT_NE(Thumb(row)->Damaged(), !Thumb(row)->Picture().isNull()) << row;
        damaged += Thumb(row)->Damaged();
    }
    EXPECT_GT(damaged, 0);
    std::printf("%d of %d thumbnails met a missing file\n", damaged, kRows);
    EXPECT_TRUE(dialogs.log.empty());
}

} // namespace

namespace {

// Closing the window, or Esc, ends a running build where it is; nothing is placed after.
TEST_F(ThumbBoard, ClosingOrEscEndsARunningBuild)
{
    WriteTestJpeg(pictures.File("a.jpg"), 64, 48);
    for (const bool closing : {false, true}) {
        SCOPED_TRACE(closing ? "closing" : "Esc");
        frmMain->Pictures().Clear();
        frmMain->Pictures().Append(std::vector<TSelectionRow>(2000, {pictures.Path(), "a.jpg", "1KB"}));
        frmMain->sbThumbClick();
        ASSERT_TRUE(frmMain->Busy());
        if (closing)
            frmMain->close();
        else
            QTest::keyClick(frmMain, Qt::Key_Escape);
        EXPECT_FALSE(frmMain->Busy());
        const int placed = frmMain->Board()->ThumbCount();
        QTest::qWait(100);
        EXPECT_EQ(frmMain->Board()->ThumbCount(), placed);
        EXPECT_LT(placed, 2000);
        EXPECT_TRUE(frmMain->sbAdd->isEnabled());
    }
}

}  // namespace

namespace {

struct TBoardSnapshot {
    std::vector<std::tuple<QString, QRect, QString>> thumbs;  // name, place, hint
    QRect frame;
    int framedRow = -1;
    std::string currentFile;
    bool operator==(const TBoardSnapshot&) const = default;
};

TBoardSnapshot Snapshot()
{
    TBoardSnapshot shot;
    TThumbBoard* board = frmMain->Board();
    for (int row = 0; row < board->ThumbCount(); ++row)
        shot.thumbs.emplace_back(board->Thumb(row)->objectName(), board->Thumb(row)->geometry(),
                                 board->Thumb(row)->toolTip());
    shot.frame = board->Frame() ? board->Frame()->geometry() : QRect();
    shot.framedRow = board->FramedRow();
    shot.currentFile = frmMain->Pictures().CurrentFile();
    return shot;
}

// Remove takes thumbnails off a board built from the same rows at once, and ends as a
// rebuild of the rows left would; a board the list has moved away from is rebuilt.
TEST_F(ThumbBoard, RemoveLeavesTheBoardAsARebuildOfTheRowsLeftWould)
{
    const std::pair<const char*, QSize> files[] = {{"a.jpg", {64, 48}}, {"b.jpg", {48, 64}}, {"c.jpg", {100, 20}},
                                                   {"d.jpg", {30, 30}}, {"e.jpg", {64, 48}}, {"f.jpg", {20, 60}},
                                                   {"g.jpg", {90, 40}}};
    for (const auto& [name, size] : files)
        WriteTestJpeg(pictures.File(name), size.width(), size.height());
    struct Case {
        const char* what;
        std::initializer_list<int> removed;
        bool addedSinceBuild;
    };
    const Case cases[] = {
        {"one in the middle", {3}, false},
        {"the first and the last", {0, 6}, false},
        {"rows apart", {1, 2, 5}, false},
        {"none selected", {}, false},
        {"a row added since the build", {2}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frmMain->sbRemoveAllClick();
        AddAll();
        frmMain->sbThumbClick();
        WaitForJobs();
        if (c.addedSinceBuild) {
            SelectFiles({0});
            frmMain->sbAddClick();
        }
        SelectRows(c.removed);
        frmMain->sbRemoveClick();
        EXPECT_EQ(frmMain->Busy(), c.addedSinceBuild) << "only a board out of step reads its files again";
        WaitForJobs();
        ASSERT_TRUE(WaitForPixels());
        for (int row = 0; row < frmMain->Board()->ThumbCount(); ++row)
            EXPECT_FALSE(Thumb(row)->Picture().isNull()) << row;
        const TBoardSnapshot removed = Snapshot();
        frmMain->BuildThumbBoard();
        WaitForJobs();
        EXPECT_EQ(removed, Snapshot());
    }
}

// A long board makes controls only around its view; scrolled, the rows there get their
// names, places and hints, and take presses as always.
TEST_F(ThumbBoard, ALongBoardMakesTheControlsOfWhatIsInView)
{
    frmMain->show();  // a board out of sight has no view to scroll
    WriteTestJpeg(pictures.File("a.jpg"), 64, 48);
    frmMain->Pictures().Append(std::vector<TSelectionRow>(600, {pictures.Path(), "a.jpg", "1KB"}));
    frmMain->sbThumbClick();
    WaitForJobs();
    TThumbBoard* board = frmMain->Board();
    QWidget* surface = board->Surface();
    EXPECT_LT(surface->findChildren<TImage*>().size(), 100u);
    EXPECT_EQ(board->FramedRow(), 599) << "framed, though its thumbnail has no control";
    EXPECT_EQ(board->Frame()->geometry(), FrameBounds(ThumbBounds(599, board->PerRow(), {64, 48})));

    board->verticalScrollBar()->setValue(board->verticalScrollBar()->maximum() / 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(surface->findChild<TImage*>("ImageTb0"), nullptr);
    auto* thumb = surface->findChild<TImage*>("ImageTb300");
    ASSERT_NE(thumb, nullptr);
    EXPECT_EQ(thumb->geometry(), ThumbBounds(300, board->PerRow(), {64, 48}));
    EXPECT_EQ(thumb->accessibleDescription(), "a.jpg\nW:64xH:48\nSize:1KB");
    QTest::mousePress(thumb, Qt::LeftButton);
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 300);
    EXPECT_EQ(frmMain->Board()->Frame()->geometry(), FrameBounds(thumb->geometry()));
}

}  // namespace
