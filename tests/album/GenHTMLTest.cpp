#include "album/AlbumEntry.h"
#include "settings/SharedSettings.h"
#include "album/window/UnitGenHTML.h"
#include "app/window/UnitMain.h"
#include "browse/window/SelectionList.h"

#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/ScriptedModal.h"
#include "support/TempDir.h"

#include "imaging/JPEGImage.h"

#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

namespace {

using GenHTML = MainWindowTest;

std::vector<TAlbumEntry> Listed()
{
    return frmGenHTML->Entries();
}

TEST_F(GenHTML, TheWindowIsLaidOutAsAlwaysAndOpensModallyFromGenerateHTML)
{
    const std::pair<QWidget*, QRect> controls[] = {
        {frmGenHTML->cmbItem, {3, 5, 129, 28}},    {frmGenHTML->cmdGetFile, {137, 3, 100, 30}},
        {frmGenHTML->txtPath, {244, 3, 327, 30}},  {frmGenHTML->cmdMake, {580, 2, 100, 30}},
        {frmGenHTML->ListView1, {3, 37, 679, 492}}, {frmGenHTML->StatusBar1, {0, 557, 692, 25}},
    };
    for (const auto& [control, geometry] : controls)
        EXPECT_EQ(control->geometry(), geometry) << control->objectName().toStdString();
    EXPECT_EQ(frmGenHTML->size(), QSize(692, 582));
    EXPECT_EQ(frmGenHTML->cmdGetFile->text() + frmGenHTML->cmdMake->text(), "&GetFile&Make");
    EXPECT_EQ(frmGenHTML->StatusBar1->findChild<QLabel*>()->width(), 300);
    QStringList texts;
    for (int i = 0; i < frmGenHTML->cmbItem->count(); ++i)
        texts << frmGenHTML->cmbItem->itemText(i);
    for (int i = 0; i < 3; ++i)
        texts << frmGenHTML->ListView1->model()->headerData(i, Qt::Horizontal).toString() + " "
                     + QString::number(frmGenHTML->ListView1->columnWidth(i));
    EXPECT_EQ(texts, QStringList({"Hasselblad", "Leica", "Nikon", "Rollei", "Agfa", "File Path 300", "File Name 200",
                                  "Extention 100"}));
    EXPECT_TRUE(frmGenHTML->cmbItem->isEditable());
    EXPECT_EQ(frmGenHTML->cmbItem->currentText(), "");

    TScriptedModal modal;
    frmMain->sbGenHTML->click();
    EXPECT_EQ(modal.shown, std::vector<std::string>{"frmGenHTML"});
}

TEST_F(GenHTML, GetFileListsWhatItPicksAddsUpAndKeepsItsStartFolder)
{
    const std::string start = frmMain->Settings().HtmlGetFilePath;
    frmMain->Settings().HtmlGetFilePath = "/elsewhere/";
    dialogs.fileAnswers = {{"/P/a.b.jpg", "/P/sunset.jpg"}, {"/Q/SunseT.jpg", "/R/sunset.jpg"}};
    frmGenHTML->cmdGetFileClick();
    EXPECT_EQ(frmGenHTML->txtPath->text(), "/P/");
    frmGenHTML->cmdGetFileClick();
    const std::vector<TAlbumEntry> listed = {{"/P/", "a", "b.jpg"}, {"/Q/", "SunseT", "jpg"}};
    EXPECT_EQ(Listed(), listed);
    EXPECT_EQ(frmGenHTML->txtPath->text(), "/R/");
    EXPECT_EQ(frmGenHTML->StatusText(), "Get 2 File(s).");
    // Cancelled: nothing changes.
    frmGenHTML->txtPath->setText("/mine/");
    frmGenHTML->cmdGetFileClick();
    EXPECT_EQ(Listed(), listed);
    EXPECT_EQ(frmGenHTML->txtPath->text(), "/mine/");
    EXPECT_EQ(frmGenHTML->StatusText(), "Get 2 File(s).");

    ASSERT_EQ(dialogs.openRequests.size(), 3u);
    for (const TOpenFileRequest& r : dialogs.openRequests) {
        EXPECT_EQ(r.title, "Select File");
        EXPECT_EQ(r.filter, "JPG(*.jpg)|*.jpg|BMP(*.bmp)|*.bmp|All File(*.*)|*.*");
        EXPECT_EQ(r.initialFolder, start);
        EXPECT_TRUE(r.multiSelect);
    }
}

TEST_F(GenHTML, AHeaderClickSortsAscendingWithoutRegardToCaseEveryTime)
{
    dialogs.fileAnswers = {{"/b/x.JPG", "/a/y.bmp", "/c/z.jpg", "/A/w.Bmp"}};
    frmGenHTML->cmdGetFileClick();
    QHeaderView* header = frmGenHTML->ListView1->horizontalHeader();
    for (int click = 0; click < 2; ++click) {
        emit header->sectionClicked(2);
        EXPECT_EQ(AlbumSortColumn, 2);
        const std::vector<TAlbumEntry> sorted = {
            {"/a/", "y", "bmp"}, {"/A/", "w", "Bmp"}, {"/b/", "x", "JPG"}, {"/c/", "z", "jpg"}};
        EXPECT_EQ(Listed(), sorted) << click;
    }
    emit header->sectionClicked(1);
    EXPECT_EQ(Listed().front().BaseName, "w");
}

TEST_F(GenHTML, ActivationEmptiesTheListButClosingItsOwnDialogIsNoActivation)
{
    frmMain->show();
    dialogs.fileAnswers = {{"/P/a.jpg"}, {"/P/b.jpg"}};
    frmGenHTML->cmdGetFileClick();
    frmGenHTML->cmbItem->setEditText("Leica");
    TScriptedModal modal;
    modal.steps.push_back([&](TForm& form) {
        Activate(&form);
        EXPECT_TRUE(Listed().empty()) << "showing empties the list";
        frmGenHTML->cmdGetFileClick();
        QDialog own(&form);
        own.show();
        Activate(&own);
        own.hide();
        Activate(&form);
        EXPECT_EQ(Listed().size(), 1u);
        Activate(frmMain);
        Activate(&form);
        EXPECT_TRUE(Listed().empty()) << "coming back from the main window empties it";
        EXPECT_EQ(frmGenHTML->txtPath->text(), "");
    });
    frmMain->sbGenHTMLClick();
    EXPECT_EQ(frmGenHTML->cmbItem->currentText(), "Leica");
    EXPECT_EQ(frmGenHTML->StatusText(), "Get 1 File(s).");
}

TEST_F(GenHTML, MakeWritesTheAlbumOfTheListAndLeavesTheListAsItWas)
{
    WriteTestJpeg(config.File("a.jpg"), 64, 48);
    WriteTestBmp(config.File("b.bmp"), 8, 8);
    dialogs.fileAnswers = {{config.File("a.jpg"), config.File("b.bmp")}};
    frmGenHTML->cmdGetFileClick();
    frmGenHTML->cmbItem->setEditText("Nikon");
    frmMain->Settings().HtmlThumbMode = 2;
    frmMain->Settings().HtmlThumbPercentWidth = "25";
    frmMain->Settings().HtmlThumbPercentHeight = "50";
    frmGenHTML->cmdMakeClick();
    WaitForJobs();

    EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Could not load or alter JPEG Files", "Write down."}));
    EXPECT_NE(ReadBytes(config.File("Thumb1.htm")).find("<title>Nikon</title>"), std::string::npos);
    EXPECT_NE(ReadBytes(config.File("Show2.htm")).find("<title>b</title>"), std::string::npos);
    TJPEGImage thumb;
    thumb.LoadFromFile(config.File("at.jpg"));
    EXPECT_EQ(QSize(thumb.Width(), thumb.Height()), QSize(16, 24));
    EXPECT_EQ(Listed().size(), 2u);
    EXPECT_EQ(frmGenHTML->StatusBar1->findChild<QProgressBar*>(), nullptr);
}

} // namespace
