#include "app/window/UnitMain.h"
#include "settings/SharedSettings.h"
#include "browse/PictureSet.h"
#include "browse/SelectionModel.h"
#include "toolkit/window/ControlColor.h"
#include "viewer/window/SlideImage.h"
#include "viewer/window/UnitSlide.h"

#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"

#include <QTest>
#include <QTimer>

namespace {

class SlideShow : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        frmMain->Settings().SlideDelay = "3";
        frmMain->Settings().SlideShowPath = "False";
        frmMain->Pictures().NameFile("before");
    }
    void AddRows(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            frmMain->Pictures().Append({pictures.Path(), name, ""});
    }
    // The Slide Show button, and the user coming back to the window from the main window.
    void Start()
    {
        frmMain->sbSlideShowClick();
        Activate();
    }
    // A tick of the timer; the slide it asks for lands.
    static void Tick()
    {
        frmSlide->Timer1Timer();
        WaitForPictures();
    }
    static void Activate()
    {
        frmMain->show();
        ::Activate(frmMain);
        ::Activate(frmSlide);
    }
    std::string Path(const char* name) const { return pictures.File(name); }
    TTempDir pictures;
};

TEST_F(SlideShow, OneEntryShowsTheBackgroundThenThePictureThenCloses)
{
    frmMain->sbSlideShowClick();
    EXPECT_FALSE(frmSlide->isVisible()) << "an empty list shows nothing";

    WriteTestJpeg(Path("a.jpg"), 64, 48);
    AddRows({"a.jpg"});
    Start();
    ASSERT_TRUE(frmSlide->isVisible());
    EXPECT_TRUE(frmSlide->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(ControlColor(frmSlide, 0), SystemColor(21));
    ASSERT_NE(frmSlide->ImageSlide, nullptr);
    EXPECT_EQ(frmSlide->ImageSlide->objectName(), "ImageSlide");
    EXPECT_TRUE(frmSlide->ImageSlide->Picture().isNull()) << "nothing before the first tick";
    EXPECT_TRUE(frmSlide->Timer1->isActive());
    EXPECT_EQ(frmSlide->Timer1->interval(), 3000);
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), "before");

    // The first slide, decoded ahead during the interval, comes up at the tick itself.
    WaitForPictures();
    frmSlide->Timer1Timer();
    EXPECT_FALSE(frmSlide->ImageSlide->Picture().isNull());
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), Path("a.jpg"));
    // Coming back to the running show goes on with it.
    Activate();
    EXPECT_EQ(frmSlide->SlideIndex, 1);

    Tick();
    EXPECT_FALSE(frmSlide->isVisible());
    EXPECT_EQ(frmSlide->ImageSlide, nullptr);
    EXPECT_FALSE(frmSlide->Timer1->isActive());
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), Path("a.jpg"));
    EXPECT_EQ(frmMain->Pictures().CurrentIndex(), 0) << "the show never moves CurrentIndex";
}

TEST_F(SlideShow, CaptionOnlyForExactlyTrue)
{
    WriteTestJpeg(Path("p.jpg"), 640, 480);
    for (const auto& [setting, caption] : {std::pair{"True", "W:640 x H:480   File:" + Path("p.jpg") + "   ( 2/5 )"},
                                          std::pair{"true", std::string()}}) {
        SCOPED_TRACE(setting);
        frmMain->Pictures().Clear();
        AddRows({"p.jpg", "p.jpg", "p.jpg", "p.jpg", "p.jpg"});
        frmMain->Settings().SlideShowPath = setting;
        Start();
        Tick();
        Tick();
        EXPECT_EQ(frmSlide->windowTitle().toStdString(), caption);
        frmSlide->FormKeyDown(Qt::Key_Escape);
    }
}

TEST_F(SlideShow, EscInTheFirstIntervalStopsAndTheNextShowStartsFromTheFirstEntry)
{
    WriteTestJpeg(Path("a.jpg"), 64, 48);
    WriteTestJpeg(Path("b.jpg"), 48, 64);
    AddRows({"a.jpg", "b.jpg"});
    Start();
    QTest::keyClick(frmSlide, Qt::Key_Space);
    EXPECT_TRUE(frmSlide->isVisible()) << "other keys do nothing";
    QTest::keyClick(frmSlide, Qt::Key_Escape);
    EXPECT_FALSE(frmSlide->isVisible());
    EXPECT_EQ(frmSlide->ImageSlide, nullptr);

    // A slide still on its way when Esc comes is dropped with the show.
    Start();
    frmSlide->Timer1Timer();
    EXPECT_EQ(frmMain->Pictures().CurrentFile(), Path("a.jpg"));
    QTest::keyClick(frmSlide, Qt::Key_Escape);
    WaitForPictures();
    EXPECT_EQ(frmSlide->ImageSlide, nullptr);
}

TEST_F(SlideShow, SkipsWhatCannotBeLoadedPlaysBitmapsAndEndsAtAShortenedList)
{
    WriteTestJpeg(Path("a.jpg"), 64, 48);
    WriteTestJpeg(Path("b.jpg"), 64, 48);
    WriteTestBmp(Path("c.bmp"), 32, 16);
    WriteFileBytes(Path("d.jpg"), MakeTestBmp(8, 8));
    struct Case {
        const char* name;
        std::initializer_list<const char*> rows;
        int shortenTo;  // rows left after the first tick; -1: none removed
        std::vector<std::string> shown;  // CurrentFile after each tick until the window closes
    };
    const Case cases[] = {
        {"missing and damaged entries are skipped: the next one is asked for at once",
         {"a.jpg", "gone.jpg", "d.jpg", "c.bmp"}, -1, {"a.jpg", "c.bmp"}},
        {"a list shortened during the show ends it at its new end", {"c.bmp", "a.jpg", "b.jpg", "a.jpg"}, 2,
         {"c.bmp", "a.jpg"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmMain->Pictures().Clear();
        AddRows(c.rows);
        Start();
        for (std::size_t tick = 0; tick < c.shown.size(); ++tick) {
            Tick();
            EXPECT_EQ(frmMain->Pictures().CurrentFile(), Path(c.shown[tick].c_str())) << tick;
            EXPECT_FALSE(frmSlide->ImageSlide->Picture().isNull()) << tick;
            while (tick == 0 && frmMain->Pictures().Count() > c.shortenTo && c.shortenTo >= 0)
                frmMain->Pictures().Remove({frmMain->Pictures().Count() - 1});
        }
        EXPECT_TRUE(frmSlide->isVisible());
        Tick();
        EXPECT_FALSE(frmSlide->isVisible());
    }
}

TEST_F(SlideShow, ADelayThatGivesNoTicksLeavesTheBackgroundUntilEsc)
{
    AddRows({"a.jpg"});
    const struct {
        const char* delay;
        std::size_t messages;
    } cases[] = {{"abc", 1}, {"0", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.delay);
        dialogs.log.clear();
        frmMain->Settings().SlideDelay = c.delay;
        Start();
        EXPECT_EQ(dialogs.log.size(), c.messages);
        if (c.messages)
            EXPECT_EQ(dialogs.log[0].kind, "error");
        // The window comes back from the error box without a second one.
        Activate();
        EXPECT_EQ(dialogs.log.size(), c.messages);
        EXPECT_TRUE(frmSlide->isVisible());
        EXPECT_FALSE(frmSlide->Timer1->isActive());
        ASSERT_NE(frmSlide->ImageSlide, nullptr);
        EXPECT_TRUE(frmSlide->ImageSlide->Picture().isNull());
        QTest::keyClick(frmSlide, Qt::Key_Escape);
        EXPECT_FALSE(frmSlide->isVisible());
    }
}

}  // namespace
