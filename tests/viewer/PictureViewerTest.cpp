#include "app/UnitMain.h"
#include "browse/SelectionModel.h"
#include "toolkit/ControlColor.h"
#include "viewer/UnitShow.h"
#include "viewer/ViewerImage.h"

#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollArea>
#include <QTest>
#include <QThreadPool>
#include <QToolButton>

#include <filesystem>

namespace {

const std::string kLoadFailed = "Could not load or alter JPEG Files";

struct TListed {
    const char* name;
    int width;
    int height;
};

class PictureViewer : public MainWindowTest {
protected:
    // Writes JPEG pictures of these sizes and lists them, in order.
    void AddPictures(std::initializer_list<TListed> listed)
    {
        for (const TListed& p : listed) {
            WriteTestJpeg(Path(p.name), p.width, p.height);
            AddRows({p.name});
        }
    }
    void AddRows(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            frmMain->Pictures().Append({pictures.Path(), name, ""});
    }
    // What a double click on entry index does, and the activation that follows.
    void Open(int index)
    {
        frmMain->CurrentIndex = index;
        frmMain->CurrentFile = RowFullPath(frmMain->Pictures().Row(index));
        frmShow->Show();
        // As the window system activates it: the activation, then the initial focus.
        QApplication::setActiveWindow(frmShow);
    }
    static void Send(QEvent::Type type)
    {
        QEvent event(type);
        QCoreApplication::sendEvent(frmShow, &event);
    }
    // A key goes to the focused control, else to the window.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focused = frmShow->focusWidget();
        QTest::keyClick(focused ? focused : frmShow, key, modifiers);
    }
    static QRect Bounds() { return frmShow->Image1->geometry(); }
    static QSize Area() { return frmShow->ScrollBox1->viewport()->size(); }
    static QRect Centred(QSize size)
    {
        const QSize area = Area();
        return {QPoint(size.width() < area.width() ? (area.width() - size.width()) / 2 : 0,
                       size.height() < area.height() ? (area.height() - size.height()) / 2 : 0),
                size};
    }
    std::string Path(const char* name) const { return pictures.File(name); }
    TTempDir pictures;
};

TEST_F(PictureViewer, ActivationShowsTheCurrentEntryAtItsOwnSizeWithNothingFocused)
{
    frmMain->ViewerBackdrop = 0x00123456;
    AddPictures({{"a.jpg", 64, 48}, {"b.jpg", 80, 60}});
    frmShow->ZoomIndex = 0;
    frmShow->FitMode = 3;
    Open(1);

    EXPECT_EQ(frmShow->windowTitle(), "Show Picture");
    EXPECT_EQ(frmShow->ZoomIndex, 4);
    EXPECT_EQ(frmShow->FitMode, 1);
    ASSERT_EQ(frmShow->cmbZoom->count(), 9);
    EXPECT_EQ(frmShow->cmbZoom->currentText(), "100%");
    EXPECT_FALSE(frmShow->cmbZoom->isEditable());
    EXPECT_EQ(frmShow->focusWidget(), nullptr);
    EXPECT_EQ(Bounds(), Centred({80, 60}));
    EXPECT_EQ(frmShow->PaintBox1->geometry(), Bounds());
    EXPECT_EQ(frmShow->PanelText(0), "W:80 x H:60");
    EXPECT_EQ(frmShow->PanelText(1).toStdString(), Path("b.jpg") + "   ( 2/2 )");
    EXPECT_TRUE(frmShow->ToolBar1->geometry().bottom() < frmShow->ScrollBox1->geometry().top());
    for (QToolButton* b : {frmShow->sbtInfo, frmShow->sbtZoomIn, frmShow->sbtZoomOut, frmShow->sbtZoomOriginal,
                           frmShow->sbtZoomFix, frmShow->sbtZoomStretch, frmShow->sbtLast, frmShow->sbtNext}) {
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << b->objectName().toStdString();
        EXPECT_EQ(b->accessibleName(), b->toolTip()) << b->objectName().toStdString();
    }
    EXPECT_EQ(frmShow->sbtLast->toolTip(), "Last {Back Spcae}");

    // Space and Backspace step, even with the zoom list focused; Enter maximises and
    // shows the natural size centred; "=" with Ctrl takes one step, the keypad's none.
    frmShow->cmbZoom->setFocus();
    Key(Qt::Key_Backspace);
    EXPECT_EQ(frmMain->CurrentIndex, 0);
    EXPECT_EQ(frmShow->PanelText(0), "W:64 x H:48");
    Key(Qt::Key_Space);
    EXPECT_EQ(frmMain->CurrentIndex, 1);
    EXPECT_EQ(frmShow->cmbZoom->currentText(), "100%");
    Key(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(Bounds().size(), QSize(100, 75));
    Key(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(Bounds().size(), QSize(100, 75));
    Key(Qt::Key_Return);
    EXPECT_TRUE(frmShow->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(Bounds(), Centred({80, 60}));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(frmShow->isVisible());
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(PictureViewer, StepsAtTheEndsOfTheListAskOrRefuse)
{
    AddPictures({{"a.jpg", 64, 48}});
    Open(0);

    dialogs.yesNoAnswers = {true};
    Key(Qt::Key_Space);
    EXPECT_EQ(dialogs.log, (std::vector<TDialogRecord>{{"question", "No More Last Picture !!\nGo First ?"}}));
    EXPECT_TRUE(frmShow->PanelText(1).endsWith("( 1/1 )"));

    frmShow->ZoomIn();
    Key(Qt::Key_Backspace);
    EXPECT_EQ(dialogs.Messages().back(), "No More Last Picture !!");
    EXPECT_EQ(frmMain->CurrentIndex, 0);
    EXPECT_EQ(Bounds().size(), QSize(80, 60)) << "nothing else changes";

    // A list emptied, then shortened, behind the viewer's back.
    frmMain->Pictures().Remove({0});
    dialogs.yesNoAnswers = {true};
    Key(Qt::Key_Space);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(frmMain->CurrentIndex, 0);
    AddRows({"a.jpg", "a.jpg"});
    frmMain->CurrentIndex = 5;
    Key(Qt::Key_Backspace);
    EXPECT_EQ(frmMain->CurrentIndex, 1);
    EXPECT_TRUE(frmShow->PanelText(1).endsWith("( 2/2 )"));
}

TEST_F(PictureViewer, LockModeReappliesFixAtEachLoadEvenAfterAZoomListChoice)
{
    AddPictures({{"a.jpg", 1000, 900}, {"b.jpg", 600, 800}, {"c.jpg", 1000, 900}});
    Open(0);
    frmShow->chkLock->setChecked(true);
    Key(Qt::Key_F6);
    const QSize area = Area();
    const auto fixed = [&](double w, double h) {
        const float r = w > h ? float(area.width()) / float(w) : float(area.height()) / float(h);
        return QSize(int(w * r - 10), int(h * r - 8));
    };
    EXPECT_EQ(Bounds(), Centred(fixed(1000, 900)));

    Key(Qt::Key_Space);
    EXPECT_EQ(frmShow->FitMode, 2);
    EXPECT_EQ(Bounds(), Centred(fixed(600, 800)));

    frmShow->cmbZoom->setCurrentIndex(8);
    frmShow->cmbZoomClick();
    EXPECT_EQ(Bounds(), Centred({60, 80}));
    Key(Qt::Key_Space);
    EXPECT_EQ(Bounds(), Centred(fixed(1000, 900)));
    EXPECT_EQ(frmShow->PaintBox1->geometry(), Bounds());

    frmShow->chkLock->setChecked(false);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Bounds(), Centred({600, 800}));
}

TEST_F(PictureViewer, AMarkLiesUnderTheDragAtFullSizeAndTheNextPressRemovesIt)
{
    AddPictures({{"a.jpg", 64, 48}});
    Open(0);
    const TBitmap& shown = frmShow->Image1->Picture();
    const auto pixel = [&](int x, int y) { return shown.Pixel(x, y); };

    QTest::mousePress(frmShow->PaintBox1, Qt::LeftButton, {}, QPoint(10, 8));
    QTest::mouseRelease(frmShow->PaintBox1, Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_FALSE(frmShow->Unmarked);
    for (const QPoint corner : {QPoint(10, 8), QPoint(29, 8), QPoint(10, 19), QPoint(29, 19), QPoint(20, 8)})
        EXPECT_EQ(pixel(corner.x(), corner.y()), 0) << corner.x() << "," << corner.y();
    for (const QPoint off : {QPoint(30, 20), QPoint(20, 14), QPoint(9, 8)})
        EXPECT_EQ(pixel(off.x(), off.y()), frmShow->CleanPicture.Pixel(off.x(), off.y())) << off.x() << "," << off.y();
    EXPECT_NE(frmShow->CleanPicture.Pixel(10, 8), 0) << "the clean copy is never drawn on";

    QTest::mousePress(frmShow->PaintBox1, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_TRUE(frmShow->Unmarked);
    EXPECT_EQ(frmShow->Image1->Picture().Pixel(10, 8), frmShow->CleanPicture.Pixel(10, 8));
}

TEST_F(PictureViewer, WhatCannotBeDecodedKeepsThePreviousPicture)
{
    WriteTestJpeg(Path("a.jpg"), 64, 48);
    WriteTestBmp(Path("b.bmp"), 32, 16);
    WriteTestJpeg(Path("c.jpg"), 64, 48, {.truncateTo = 300});
    AddRows({"a.jpg", "b.bmp", "c.jpg", "gone.jpg"});
    Open(0);
    frmShow->ZoomOut();
    const QRect before = Bounds();
    const QString size = frmShow->PanelText(0), place = frmShow->PanelText(1);
    for (int i = 1; i <= 3; ++i) {
        Key(Qt::Key_Space);
        EXPECT_EQ(dialogs.Messages().back(), kLoadFailed);
        EXPECT_EQ(frmMain->CurrentIndex, i) << "the failed entry is the current one";
        EXPECT_EQ(Bounds(), before);
        EXPECT_EQ(frmShow->PaintBox1->geometry(), before);
        EXPECT_EQ(frmShow->PanelText(0), size);
        EXPECT_EQ(frmShow->PanelText(1), place);
        EXPECT_EQ(frmShow->PictureWidth, 64);
        EXPECT_EQ(frmShow->CleanPicture.Width(), 64);
    }
    EXPECT_EQ(dialogs.Messages().size(), 3u);
}

// Closing a box lets the viewer's activation run, as the window system does.
class TReactivatingDialogs : public TScriptedDialogs {
public:
    void ShowMessage(const std::string& text, TMessageKind kind) override
    {
        QEvent away(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(frmShow, &away);
        TScriptedDialogs::ShowMessage(text, kind);
        QEvent back(QEvent::WindowActivate);
        QCoreApplication::sendEvent(frmShow, &back);
    }
};

TEST_F(PictureViewer, ComingBackFromTheMainWindowReloadsButTheViewersOwnBoxesDoNot)
{
    AddPictures({{"a.jpg", 64, 48}});
    Open(0);
    TReactivatingDialogs boxes;
    frmShow->ZoomIn();
    frmShow->sbtInfo->click();
    EXPECT_EQ(boxes.Messages(), (std::vector<std::string>{Path("a.jpg") + "\nW:64 x H:48"}));
    EXPECT_EQ(frmShow->ZoomIndex, 3);
    EXPECT_EQ(Bounds().size(), QSize(80, 60));

    WriteTestJpeg(Path("a.jpg"), 32, 24);
    Send(QEvent::WindowDeactivate);
    Send(QEvent::WindowActivate);
    EXPECT_EQ(frmShow->ZoomIndex, 4);
    EXPECT_EQ(frmShow->cmbZoom->currentText(), "100%");
    EXPECT_EQ(Bounds(), Centred({32, 24}));
}

TEST_F(PictureViewer, StepsUseTheNeighbourDecodedAheadUnlessItsFileChanged)
{
    AddPictures({{"a.jpg", 64, 48}, {"b.jpg", 64, 48}, {"c.jpg", 64, 48}});
    Open(0);
    QThreadPool::globalInstance()->waitForDone();

    // New pixels under the old size and time: only a copy made ahead still shows 64 x 48.
    const auto replace = [&](const char* name, bool keepStamp) {
        const auto stamp = std::filesystem::last_write_time(Path(name));
        QByteArray bytes = MakeTestJpeg(16, 12);
        bytes.resize(std::filesystem::file_size(Path(name)) + (keepStamp ? 0 : 1), '\0');
        WriteFileBytes(Path(name), bytes);
        std::filesystem::last_write_time(Path(name), stamp + std::chrono::seconds(keepStamp ? 0 : 1));
    };
    replace("b.jpg", true);
    Key(Qt::Key_Space);
    EXPECT_EQ(frmShow->PanelText(0), "W:64 x H:48") << "the copy made ahead";
    QThreadPool::globalInstance()->waitForDone();
    replace("c.jpg", false);
    Key(Qt::Key_Space);
    EXPECT_EQ(frmShow->PanelText(0), "W:16 x H:12") << "changed on disk: decoded again";
}

}  // namespace
