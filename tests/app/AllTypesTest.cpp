// Mode > "All Picture Types": what the file list lists with the switch off and on, where
// the switch is kept, and the question a picture of a type it leaves out asks when it is
// named from outside.

#include "app/window/UnitMain.h"
#include "browse/PictureSet.h"
#include "browse/window/FileListBox.h"
#include "imaging/JPEGImage.h"
#include "viewer/window/UnitShow.h"

#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/TypeMakers.h"

#include <QAction>
#include <QFile>

namespace {

class AllTypes : public MainWindowTest {
protected:
    void SetUp() override
    {
        RegisterJPEGImage();
        WriteTestJpeg(pictures.File("a.jpg"), 32, 24);
        WriteTestJpeg(pictures.File("b.JPEG"), 32, 24);
        WriteTestJpeg(pictures.File("c.jfif"), 32, 24);
        WriteTestBmp(pictures.File("d.bmp"), 8, 8);
        WriteFileBytes(pictures.File("e.png"), MakeTypePicture("png", TestPatternImage(16, 12)));
        WriteFileBytes(pictures.File("f.webp"), MakeTypePicture("webp", TestPatternImage(16, 12)));
        pictures.Write("g.txt", "not a picture");
        MainWindowTest::SetUp();
    }
    std::vector<std::string> Listed() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < frmMain->FileListBox1->Count(); ++i)
            names.push_back(frmMain->FileListBox1->Entry(i));
        return names;
    }
    static QByteArray Bytes(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

    TTempDir pictures;
};

TEST_F(AllTypes, TheSwitchListsEveryTypeAndIsKeptBesideTheSettingsFile)
{
    const std::string own = config.File("lumora/lumora.conf");
    const QByteArray settings = Bytes(SettingsPath());
    struct {
        bool on;
        std::vector<std::string> listed;
        QByteArray kept;
    } const cases[] = {
        {false, {"a.jpg", "d.bmp"}, "(none)"},
        {true, {"a.jpg", "b.JPEG", "c.jfif", "d.bmp", "e.png", "f.webp"}, "AllPictureTypes=1\n"},
        {false, {"a.jpg", "d.bmp"}, "AllPictureTypes=0\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.on);
        if (c.on != frmMain->AllPictureTypes->isChecked())
            frmMain->AllPictureTypes->trigger();
        GoToFolder(pictures.Path());
        EXPECT_EQ(Listed(), c.listed);
        EXPECT_EQ(Bytes(own), c.kept);
        EXPECT_EQ(Bytes(SettingsPath()), settings);
        // A new run starts as the last one left the switch.
        Restart();
        EXPECT_EQ(frmMain->AllPictureTypes->isChecked(), c.on);
    }
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(AllTypes, APictureOfAnAddedTypeNamedFromOutsideAsksOnce)
{
    const std::string png = pictures.File("e.png"), webp = pictures.File("f.webp");
    struct {
        bool yes;
        std::vector<std::string> named;
        std::vector<TDialogRecord> asked;
        int rows;
    } const cases[] = {
        {false, {png}, {{"question", png + " is a picture type Lumora shows only with Mode > All Picture Types.\n\n"
                                      "Show all picture types?"},
                        {"message", "Could not open:\n" + png}},
         0},
        // One picture alone brings its folder's pictures, now of every type.
        {true, {png}, {{"question", png + " is a picture type Lumora shows only with Mode > All Picture Types.\n\n"
                                     "Show all picture types?"}},
         6},
        {true, {png, webp}, {{"question", "These pictures are of types Lumora shows only with Mode > All Picture "
                                          "Types.\n" + png + "\n" + webp + "\n\nShow all picture types?"}},
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named.size());
        if (frmMain->AllPictureTypes->isChecked())
            frmMain->AllPictureTypes->trigger();
        Restart();
        dialogs.log.clear();
        dialogs.yesNoAnswers = {c.yes};
        frmMain->OpenCommandLine(c.named);
        WaitForJobs();
        EXPECT_EQ(dialogs.log, c.asked);
        EXPECT_EQ(frmMain->AllPictureTypes->isChecked(), c.yes);
        EXPECT_EQ(frmMain->Pictures().Count(), c.rows);
        EXPECT_EQ(frmShow->isVisible(), c.yes);
    }
}

}  // namespace
