// Damaged, disguised and hostile files through every window that reads pictures: each
// gives that window's own message or mark, nothing crashes, and nothing is written
// beside the file but what an album writes.

#include "album/window/UnitGenHTML.h"
#include "settings/SharedSettings.h"
#include "browse/PictureSet.h"
#include "app/window/UnitMain.h"
#include "browse/SelectionModel.h"
#include "thumbs/window/ThumbBoard.h"
#include "thumbs/window/ThumbImage.h"
#include "toolkit/PictureLimits.h"
#include "viewer/window/SlideImage.h"
#include "viewer/window/UnitShow.h"
#include "viewer/window/UnitSlide.h"

#include "support/DecoderWait.h"
#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <jerror.h>
#include <jpeglib.h>

namespace {

const std::string kLoadFailed = "Could not load or alter JPEG Files";

std::string JPEGError(int code)
{
    return "JPEG error #" + std::to_string(code);
}

enum class TBoard { Pixels, Damaged, Unreadable };

struct THostile {
    const char* name;
    std::function<void(const std::string& path)> make;
    bool viewerShows;       // else "Could not load or alter JPEG Files"
    TBoard board;
    std::string buildError;  // the header's error, up to the file's name when it has one
    bool slideShows;        // else the show skips it
    bool albumThumb;        // else the album's thumbnail step fails
};

class HostileSet : public MainWindowTest {
protected:
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const QString& name : QDir(QString::fromStdString(pictures.Path())).entryList(QDir::Files, QDir::Name))
            names.push_back(name.toStdString());
        return names;
    }
    void List(const std::vector<std::string>& names)
    {
        frmMain->Pictures().Clear();
        for (const std::string& name : names)
            frmMain->Pictures().Append({pictures.Path(), name, ""});
    }
    // The messages shown since the last call.
    std::vector<std::string> NewMessages()
    {
        std::vector<std::string> all = dialogs.Messages();
        std::vector<std::string> fresh(all.begin() + static_cast<std::ptrdiff_t>(seen_), all.end());
        seen_ = all.size();
        return fresh;
    }
    TTempDir pictures;

private:
    std::size_t seen_ = 0;
};

TEST_F(HostileSet, EveryWindowGivesItsOwnMessageAndWritesNothingItShouldNot)
{
    WriteTestJpeg(pictures.File("good.jpg"), 64, 48);
    const auto jpeg = [](TJpegOptions options) {
        return [options](const std::string& path) { WriteTestJpeg(path, 64, 48, options); };
    };
    const auto bytes = [](const QByteArray& content) {
        return [content](const std::string& path) { WriteFileBytes(path, content); };
    };
    const THostile set[] = {
        // Cut short in its pixels: shown as far as it goes, the rest filled in.
        {"truncated.jpg", jpeg({.truncateTo = 1500}), true, TBoard::Pixels, "", true, true},
        {"empty.jpg", bytes({}), false, TBoard::Unreadable, JPEGError(JERR_INPUT_EMPTY), false, false},
        {"bitmap.jpg", bytes(MakeTestBmp(16, 16)), false, TBoard::Unreadable, JPEGError(JERR_NO_SOI), false, false},
        // The viewer reads every file as JPEG; the album looks for "jpeg.jpg".
        {"jpeg.bmp", jpeg({}), true, TBoard::Unreadable, "Bitmap image is not valid (", false, false},
        {"huge.jpg", jpeg({.announcedWidth = 65500, .announcedHeight = 65500}), false, TBoard::Unreadable,
         JPEGError(JERR_IMAGE_TOO_BIG), false, false},
        {"scans.jpg", [](const std::string& path) { WriteTestJpeg(path, 8, 8, {.color = TJpegColor::Grey, .scans = 501}); },
         false, TBoard::Damaged, "", false, false},
        {"deep.jpg", jpeg({.precision = 12}), false, TBoard::Unreadable, JPEGError(JERR_BAD_PRECISION), false, false},
        {"wide.bmp", bytes(MakeTestBmp(4, 4, {100000, 100000})), false, TBoard::Unreadable,
         "Bitmap image of 100000 x 100000 pixels is larger than 1 GiB (", false, false},
        {"sparse.jpg", [](const std::string& path) { WriteSparseFile(path, kMaxPictureFileBytes + 1); }, false, TBoard::Unreadable, "The picture file \"", false, false},
    };
    for (const THostile& h : set) {
        SCOPED_TRACE(h.name);
        const std::string path = pictures.File(h.name);
        h.make(path);
        const std::vector<std::string> files = Files();

        // The viewer, opened on the file as a double click opens it.
        List({h.name});
        frmMain->Pictures().Point(0);
        frmShow->Show();
        QApplication::setActiveWindow(frmShow);
        QCoreApplication::processEvents();
        WaitForPictures();
        const std::vector<std::string> viewerMessages =
            h.viewerShows ? std::vector<std::string>{} : std::vector<std::string>{kLoadFailed};
        EXPECT_EQ(NewMessages(), viewerMessages);
        if (h.viewerShows)
            EXPECT_EQ(frmShow->PictureWidth, 64);
        frmShow->close();

        // The board, with the file between two good pictures: the build goes on past it.
        List({"good.jpg", h.name, "good.jpg"});
        frmMain->sbThumb->click();
        WaitForJobs();
        WaitForDecoder(frmMain->Board()->Decoder());
        const std::vector<std::string> boardMessages = NewMessages();
        EXPECT_EQ(frmMain->Board()->Thumb(1)->Damaged(), h.board != TBoard::Pixels);
        if (h.board == TBoard::Unreadable) {
            ASSERT_EQ(boardMessages.size(), 1u) << testing::PrintToString(boardMessages);
            const std::string named = "These pictures could not be read:\n" + path + ": " + h.buildError;
            EXPECT_EQ(boardMessages[0].substr(0, named.size()), named);
            if (h.buildError.back() == '(' || h.buildError.back() == '"')
                EXPECT_NE(boardMessages[0].find(path, named.size()), std::string::npos) << boardMessages[0];
            const std::string hint = frmMain->Board()->Thumb(1)->accessibleDescription().toStdString();
            EXPECT_EQ(hint.substr(0, std::string(h.name).size() + 1 + h.buildError.size()),
                      std::string(h.name) + "\n" + h.buildError);
        } else {
            EXPECT_EQ(boardMessages, std::vector<std::string>{});
        }
        EXPECT_NE(frmMain->Board()->Frame(), nullptr) << "the frame surrounds the last thumbnail";
        EXPECT_EQ(frmMain->Pictures().CurrentFile(), pictures.File("good.jpg"));
        EXPECT_FALSE(frmMain->Board()->Thumb(0)->Picture().isNull());
        EXPECT_FALSE(frmMain->Board()->Thumb(2)->Picture().isNull());

        // The slide show, with a good picture after it.
        List({h.name, "good.jpg"});
        frmMain->Settings().SlideDelay = "1";
        frmMain->sbSlideShowClick();
        QApplication::setActiveWindow(frmSlide);
        QCoreApplication::processEvents();
        frmSlide->Timer1Timer();
        WaitForPictures();
        EXPECT_EQ(frmMain->Pictures().CurrentFile(), pictures.File(h.slideShows ? h.name : "good.jpg"));
        EXPECT_FALSE(frmSlide->ImageSlide->Picture().isNull());
        frmSlide->FormKeyDown(Qt::Key_Escape);
        EXPECT_EQ(NewMessages(), std::vector<std::string>{});

        EXPECT_EQ(Files(), files) << "reading wrote nothing";

        // An album of the file alone, made in its folder.
        frmGenHTML->FormActivate();
        dialogs.fileAnswers = {{path}};
        frmGenHTML->cmdGetFileClick();
        frmGenHTML->cmdMakeClick();
        WaitForJobs();
        const std::vector<std::string> albumMessages =
            h.albumThumb ? std::vector<std::string>{"Write down."} : std::vector<std::string>{kLoadFailed, "Write down."};
        EXPECT_EQ(NewMessages(), albumMessages);
        std::vector<std::string> written = files;
        const std::string base = std::string(h.name).substr(0, std::string(h.name).find('.'));
        for (const std::string& made : {"Show1.htm", "Thumb1.htm"})
            written.push_back(made);
        if (h.albumThumb)
            written.push_back(base + "t.jpg");
        std::sort(written.begin(), written.end());
        EXPECT_EQ(Files(), written);
        for (const std::string& made : written)
            if (std::find(files.begin(), files.end(), made) == files.end())
                QFile::remove(QString::fromStdString(pictures.File(made)));
    }
}

}  // namespace
