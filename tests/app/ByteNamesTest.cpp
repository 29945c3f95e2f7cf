// A file whose name is not UTF-8 is a picture like any other: its bytes go from the
// folder listing to every window that reads it and to the album written beside it.

#include "browse/PictureSet.h"
#include "album/window/UnitGenHTML.h"
#include "app/window/UnitMain.h"
#include "browse/window/FileListBox.h"
#include "browse/window/SelectionList.h"
#include "browse/SelectionModel.h"
#include "thumbs/window/ThumbBoard.h"
#include "thumbs/window/ThumbImage.h"
#include "viewer/window/UnitShow.h"

#include "support/DecoderWait.h"
#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCoreApplication>
#include <QToolButton>

namespace {

class ByteNames : public MainWindowTest {};

TEST_F(ByteNames, ANameThatIsNotUtf8GoesFromTheListingToTheAlbumByItsBytes)
{
    struct Case {
        std::string name;
        QString shown;
        std::string thumbnail;  // what the album writes beside it
    };
    const Case cases[] = {
        {"caf\xe9.jpg", QString::fromUtf8("caf\xef\xbf\xbd.jpg"), "caf\xe9t.jpg"},  // Latin-1
        {"\xff\xfe x.JPG", QString::fromUtf8("\xef\xbf\xbd\xef\xbf\xbd x.JPG"), "\xff\xfe xt.jpg"},
        {"cut\xe2\x82.jpg", QString::fromUtf8("cut\xef\xbf\xbd\xef\xbf\xbd.jpg"), "cut\xe2\x82t.jpg"},  // a sequence cut short
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.name));
        TTempDir pictures;
        const std::string path = pictures.File(c.name);
        WritePaddedPicture(path, MakeTestJpeg(64, 48), 2048);
        const std::size_t messages = dialogs.Messages().size();

        GoToFolder(pictures.Path());
        ASSERT_EQ(frmMain->FileListBox1->Count(), 1);
        EXPECT_EQ(frmMain->FileListBox1->model()->index(0, 0).data().toString(), c.shown);
        SelectFiles({0});
        frmMain->Pictures().Clear();
        frmMain->sbAddClick();
        ASSERT_EQ(frmMain->Pictures().Count(), 1);
        const TSelectionRow& row = frmMain->Pictures().Row(0);
        EXPECT_EQ((std::vector<std::string>{row.path, row.name, row.byte}),
                  (std::vector<std::string>{pictures.Path(), c.name, "2KB"}));

        frmMain->sbThumb->click();
        WaitForJobs();
        WaitForDecoder(frmMain->Board()->Decoder());
        EXPECT_FALSE(frmMain->Board()->Thumb(0)->Damaged());
        EXPECT_FALSE(frmMain->Board()->Thumb(0)->Picture().isNull());

        SelectRows({0});
        frmMain->ListView1DblClick();
        QApplication::setActiveWindow(frmShow);
        QCoreApplication::processEvents();
        WaitForPictures();
        EXPECT_EQ(frmShow->PictureWidth, 64);
        frmShow->close();

        frmGenHTML->FormActivate();
        dialogs.fileAnswers = {{path}};
        frmGenHTML->cmdGetFileClick();
        frmGenHTML->cmdMakeClick();
        WaitForJobs();
        EXPECT_NE(ReadBytes(pictures.File("Show1.htm")).find("src=\"" + c.name + " \""), std::string::npos);
        EXPECT_EQ(ReadBytes(pictures.File(c.thumbnail)).substr(0, 2), "\xff\xd8");
        const std::vector<std::string> shown = dialogs.Messages();
        EXPECT_EQ(std::vector<std::string>(shown.begin() + static_cast<std::ptrdiff_t>(messages), shown.end()),
                  std::vector<std::string>{"Write down."});
    }
}

}  // namespace
