#include "app/window/UnitMain.h"
#include "settings/SharedSettings.h"
#include "browse/PictureSet.h"
#include "browse/SelectionModel.h"
#include "toolkit/window/ControlColor.h"
#include "viewer/window/UnitShow.h"
#include "viewer/window/ViewerImage.h"

#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <functional>
#include <tuple>

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
    // What a double click on entry index does, and the window system's activation; the
    // picture has landed.
    void Open(int index)
    {
        frmMain->Pictures().Point(index);
        frmShow->Show();
        Activate(frmShow);
        WaitForPictures();
    }
    static void Choose(int entry)
    {
        frmShow->cmbZoom->setCurrentIndex(entry);
        frmShow->cmbZoomClick();
    }
    // A key goes to the focused control, else to the window; the picture it steps to lands.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focused = frmShow->focusWidget();
        QTest::keyClick(focused ? focused : frmShow, key, modifiers);
        WaitForPictures();
    }
    std::string Place(const char* name, int position, int total) const
    {
        return Path(name) + "   ( " + std::to_string(position) + "/" + std::to_string(total) + " )";
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
    frmMain->Settings().ViewerBackdrop = 0x00123456;
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
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 0);
    EXPECT_EQ(frmShow->PanelText(0), "W:64 x H:48");
    Key(Qt::Key_Space);
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 1);
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
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 0);
    EXPECT_EQ(Bounds().size(), QSize(80, 60)) << "nothing else changes";

    // A list emptied, then shortened, behind the viewer's back.
    frmMain->Pictures().Remove({0});
    dialogs.yesNoAnswers = {true};
    Key(Qt::Key_Space);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 0);
    AddRows({"a.jpg", "a.jpg", "a.jpg", "a.jpg", "a.jpg", "a.jpg"});
    frmMain->Pictures().Point(5);
    frmMain->Pictures().Remove({2, 3, 4, 5});
    Key(Qt::Key_Backspace);
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 1);
    EXPECT_TRUE(frmShow->PanelText(1).endsWith("( 2/2 )"));
}

TEST_F(PictureViewer, LockModeReappliesFixAtEachLoadEvenAfterAZoomListChoice)
{
    AddPictures({{"a.jpg", 1000, 900}, {"b.jpg", 600, 800}, {"c.jpg", 1000, 900}});
    Open(0);
    frmShow->chkLock->setChecked(true);
    Key(Qt::Key_F6);
    // Fix goes by the area without scroll bars.
    const QSize area = frmShow->ScrollBox1->size();
    const auto fixed = [&](double w, double h) {
        const float r = w > h ? float(area.width()) / float(w) : float(area.height()) / float(h);
        return QSize(int(w * r - 10), int(h * r - 8));
    };
    EXPECT_EQ(Bounds(), Centred(fixed(1000, 900)));

    Key(Qt::Key_Space);
    EXPECT_EQ(frmShow->FitMode, 2);
    EXPECT_EQ(Bounds(), Centred(fixed(600, 800)));

    Choose(8);
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

TEST_F(PictureViewer, AMarkLiesUnderTheDragAtEverySize)
{
    AddPictures({{"a.jpg", 1600, 400}});
    Open(0);
    // Shown 400 x 100, 678 x 164 and 678 x 373.
    const struct {
        const char* size;
        std::function<void()> apply;
        QPoint from, to;
        QPoint first, last;  // the outline's corners on the picture's pixels
    } cases[] = {
        {"25%", [] { Choose(7); }, {10, 5}, {50, 25}, {40, 20}, {199, 99}},
        {"Fix", [] { frmShow->ZoomFix(); }, {339, 41}, {452, 123}, {800, 100}, {1065, 299}},
        {"Stretch", [] { frmShow->ZoomStretch(); }, {339, 186}, {452, 280}, {800, 199}, {1065, 299}},
    };
    for (const auto& c : cases) {
        c.apply();
        QTest::mousePress(frmShow->PaintBox1, Qt::LeftButton, {}, c.from);
        QTest::mouseRelease(frmShow->PaintBox1, Qt::LeftButton, {}, c.to);
        const TBitmap& marked = frmShow->Image1->Picture();
        for (const QPoint p : {c.first, c.last, QPoint(c.last.x(), c.first.y()), QPoint(c.first.x(), c.last.y())})
            EXPECT_EQ(marked.Pixel(p.x(), p.y()), 0) << c.size << " " << p.x() << "," << p.y();
        const QPoint outside = c.last + QPoint(1, 1);
        EXPECT_EQ(marked.Pixel(outside.x(), outside.y()), frmShow->CleanPicture.Pixel(outside.x(), outside.y())) << c.size;
    }
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
        EXPECT_EQ(frmMain->Pictures().CurrentIndex(), i) << "the failed entry is the current one";
        EXPECT_EQ(Bounds(), before);
        EXPECT_EQ(frmShow->PaintBox1->geometry(), before);
        EXPECT_EQ(frmShow->PanelText(0), size);
        EXPECT_EQ(frmShow->PanelText(1), place);
        EXPECT_EQ(frmShow->PictureWidth, 64);
        EXPECT_EQ(frmShow->CleanPicture.Width(), 64);
    }
    EXPECT_EQ(dialogs.Messages().size(), 3u);
}

// A box takes the focus while it is open and gives it back, as the window system's do.
class TFocusTakingDialogs : public TScriptedDialogs {
public:
    void ShowMessage(const std::string& text, TMessageKind kind) override
    {
        QDialog box(frmShow);
        box.show();
        Activate(&box);
        TScriptedDialogs::ShowMessage(text, kind);
        box.hide();
        Activate(frmShow);
    }
};

TEST_F(PictureViewer, ComingBackFromAnotherLumoraWindowReloadsButNotFromAnotherProgramOrAnOwnBox)
{
    frmMain->show();
    AddPictures({{"a.jpg", 64, 48}, {"b.jpg", 32, 24}});
    TFocusTakingDialogs boxes;
    const struct {
        const char* away;
        std::function<void()> go;
        bool reloads;
    } cases[] = {
        {"another program", [] { SwitchToAnotherProgram(); }, false},
        {"the viewer's own box", [] { frmShow->sbtInfo->click(); }, false},
        {"the main window", [] { Activate(frmMain); }, true},
        {"another program, then the main window", [] { SwitchToAnotherProgram(); Activate(frmMain); }, true},
    };
    for (const auto& c : cases) {
        Open(0);
        frmShow->ZoomIn();
        c.go();
        frmMain->Pictures().NameFile(Path("b.jpg"));
        Activate(frmShow);
        EXPECT_EQ(frmShow->ZoomIndex, c.reloads ? 4 : 3) << c.away;
        EXPECT_EQ(Bounds(), c.reloads ? Centred({32, 24}) : Centred({80, 60})) << c.away;
        frmShow->close();
    }
    EXPECT_EQ(boxes.Messages(), (std::vector<std::string>{Path("a.jpg") + "\nW:64 x H:48"}));
}

TEST_F(PictureViewer, APictureAfterALargerOneIsPlacedInTheAreaItReallyHas)
{
    AddPictures({{"large.jpg", 2000, 1500}, {"wide.jpg", 1600, 400}, {"mid.jpg", 1024, 768}, {"small.jpg", 640, 360}});
    const struct {
        const char* what;
        const char* name;
        std::function<void()> apply;
        QRect bounds;
        bool bars;
    } cases[] = {
        {"100% of 640 x 360", "small.jpg", [] {}, {24, 10, 640, 360}, false},
        {"Fix of 1600 x 400", "wide.jpg", [] { frmShow->ZoomFix(); }, {5, 108, 678, 164}, false},
        {"10% of 1024 x 768", "mid.jpg", [] { Choose(8); }, {293, 152, 102, 76}, false},
        {"150% of 1024 x 768", "mid.jpg", [] { Choose(2); }, {0, 0, 1536, 1152}, true},
    };
    Open(0);
    ASSERT_EQ(frmShow->ScrollBox1->size(), QSize(688, 381));
    for (const auto& c : cases) {
        frmShow->ShowPicture(Path("large.jpg"), 1, 4);
        WaitForPictures();
        QCoreApplication::processEvents();
        frmShow->ShowPicture(Path(c.name), 2, 4);
        WaitForPictures();
        c.apply();
        QCoreApplication::processEvents();
        EXPECT_EQ(Bounds(), c.bounds) << c.what;
        EXPECT_EQ(frmShow->ScrollBox1->horizontalScrollBar()->isVisible(), c.bars) << c.what;
        EXPECT_EQ(frmShow->ScrollBox1->verticalScrollBar()->isVisible(), c.bars) << c.what;
    }
}

TEST_F(PictureViewer, StepsUseTheNeighbourDecodedAheadUnlessItsFileChanged)
{
    AddPictures({{"a.jpg", 64, 48}, {"b.jpg", 64, 48}, {"c.jpg", 64, 48}});
    Open(0);

    // New pixels under the old size and time: only a copy made ahead still shows 64 x 48.
    const auto replace = [&](const char* name, bool keepStamp) {
        const auto stamp = std::filesystem::last_write_time(Path(name));
        QByteArray bytes = MakeTestJpeg(16, 12);
        bytes.resize(std::filesystem::file_size(Path(name)) + (keepStamp ? 0 : 1), '\0');
        WriteFileBytes(Path(name), bytes);
        std::filesystem::last_write_time(Path(name), stamp + std::chrono::seconds(keepStamp ? 0 : 1));
    };
    for (const auto& [name, keepStamp, landed] : {std::tuple{"b.jpg", true, "W:64 x H:48"},
                                                  std::tuple{"c.jpg", false, "W:16 x H:12"}}) {
        SCOPED_TRACE(name);
        replace(name, keepStamp);
        QTest::keyClick(frmShow, Qt::Key_Space);
        EXPECT_EQ(frmShow->PanelText(0), "W:64 x H:48") << "the copy made ahead, at once";
        WaitForPictures();
        EXPECT_EQ(frmShow->PanelText(0), landed) << "changed on disk: decoded again";
    }
}

// A picture not made ahead shows its place at once and itself once it lands; the one
// shown is let go meanwhile, and read again when the new one cannot be loaded.
TEST_F(PictureViewer, AStepShowsThePlaceAtOnceAndThePictureWhenItLands)
{
    WriteTestJpeg(Path("a.jpg"), 64, 48);
    WriteTestJpeg(Path("b.jpg"), 32, 24);
    WriteTestJpeg(Path("large.jpg"), 2000, 1500);
    WriteTestJpeg(Path("c.jpg"), 64, 48, {.truncateTo = 300});
    const struct {
        const char* name;
        std::vector<const char*> steps;  // entries listed after the first picture landed
        QSize shown;                     // the picture shown at the end
        bool fails;
    } cases[] = {
        {"a picture still decoding", {"b.jpg"}, {32, 24}, false},
        {"a second step before the first landed takes its place", {"large.jpg", "b.jpg"}, {32, 24}, false},
        {"one that cannot be decoded: the panels come back", {"c.jpg"}, {64, 48}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.log.clear();
        frmMain->Pictures().Clear();
        AddRows({"a.jpg"});
        Open(0);
        const QRect before = Bounds();
        for (const char* step : c.steps)
            frmMain->Pictures().Append({pictures.Path(), step, ""});
        const int total = 1 + static_cast<int>(c.steps.size());
        for (int i = 0; i < total - 1; ++i) {
            QTest::keyClick(frmShow, Qt::Key_Space);
            EXPECT_EQ(frmShow->PanelText(1).toStdString(), Place(c.steps[i], i + 2, total));
            EXPECT_EQ(frmShow->PanelText(0), "W:64 x H:48");
            EXPECT_TRUE(frmShow->CleanPicture.Empty()) << "two pictures are never held at once";
        }
        WaitForPictures();
        const QSize shown(frmShow->PictureWidth, frmShow->PictureHeight);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(frmShow->CleanPicture.Width(), c.shown.width());
        EXPECT_EQ(frmShow->PanelText(0).toStdString(),
                  "W:" + std::to_string(c.shown.width()) + " x H:" + std::to_string(c.shown.height()));
        EXPECT_EQ(frmShow->PanelText(1).toStdString(),
                  c.fails ? Place("a.jpg", 1, 1) : Place(c.steps.back(), total, total));
        EXPECT_EQ(Bounds(), c.fails ? before : Centred(c.shown));
        EXPECT_EQ(dialogs.Messages(), c.fails ? std::vector<std::string>{kLoadFailed} : std::vector<std::string>{});
        frmShow->close();
    }
}

}  // namespace
