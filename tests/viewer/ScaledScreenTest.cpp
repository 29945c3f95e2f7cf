// The viewer and the slide show on a screen scaled by 2: a program of its own, since the
// scale is fixed before the application starts.

#include "app/window/UnitMain.h"
#include "settings/SharedSettings.h"
#include "browse/PictureSet.h"
#include "browse/SelectionModel.h"
#include "viewer/window/SlideImage.h"
#include "viewer/window/UnitShow.h"
#include "viewer/window/UnitSlide.h"
#include "viewer/window/ViewerImage.h"

#include "support/MainWindowFixture.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>

#include <functional>

namespace {

constexpr qreal kRatio = 2;

int DifferingPixels(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

class ScaledScreen : public MainWindowTest {};

TEST_F(ScaledScreen, TheViewerAndTheSlideShowDrawFromTheScreensOwnPixels)
{
    ASSERT_EQ(qApp->devicePixelRatio(), kRatio);
    TTempDir pictures;
    // Larger than the slide window, so the slide is a reduced copy; checkered, so any
    // resampling between logical and device pixels shows.
    WriteTestJpeg(pictures.File("a.jpg"), 1200, 900, {.checkered = true});
    frmMain->Pictures().Append({pictures.Path(), "a.jpg", ""});
    frmMain->Settings().SlideDelay = "3";

    const struct {
        const char* name;
        std::function<QWidget*()> show;  // shows the picture, gives the control that draws it
        std::function<QImage()> held;    // the pixels it must put on the screen one for one
    } cases[] = {
        {"viewer at 50%: the picture's own pixels",
         [&] {
             frmMain->Pictures().Point(0);
             frmShow->Show();
             Activate(frmShow);
             WaitForPictures();
             frmShow->cmbZoom->setCurrentIndex(6);
             frmShow->cmbZoomClick();
             return frmShow->Image1;
         },
         [] { return frmShow->Image1->Picture().Image(); }},
        {"slide: its display copy",
         [] {
             frmMain->sbSlideShowClick();
             QEvent activate(QEvent::WindowActivate);
             QCoreApplication::sendEvent(frmSlide, &activate);
             frmSlide->Timer1Timer();
             WaitForPictures();
             return frmSlide->ImageSlide;
         },
         [] { return frmSlide->ImageSlide->Picture(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* control = c.show();
        const QImage drawn = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage held = c.held().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(drawn.size(), control->size() * kRatio);
        ASSERT_EQ(held.size(), drawn.size()) << "held " << held.width() << " x " << held.height();
        EXPECT_EQ(DifferingPixels(drawn, held), 0);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const TTestEnvironment environment;
    setenv("QT_SCALE_FACTOR", "2", 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
