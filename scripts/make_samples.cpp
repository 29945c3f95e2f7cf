// Makes the folder of sample pictures that `./dev.sh run` opens Lumora in: a dozen
// JPEGs of several sizes in both orientations, written by Lumora's own encoder, and a BMP.
//   lumora_samples FOLDER

#include "imaging/JPEGImage.h"
#include "toolkit/Bitmap.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>

namespace {

struct Scene {
    const char* name;
    int width;
    int height;
    QColor skyTop;
    QColor skyBottom;
    QColor sun;
    QColor nearHill;
    QColor farHill;
};

// A landscape: sky, sun, two rows of hills and a lake, scaled to any size.
QImage Paint(const Scene& s)
{
    QImage image(s.width, s.height, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = s.width;
    const double h = s.height;

    QLinearGradient sky(0, 0, 0, h * 0.7);
    sky.setColorAt(0, s.skyTop);
    sky.setColorAt(1, s.skyBottom);
    p.fillRect(image.rect(), sky);

    const QPointF sunAt(w * 0.7, h * 0.3);
    const double r = std::min(w, h) * 0.09;
    QRadialGradient glow(sunAt, r * 4);
    QColor halo = s.sun;
    halo.setAlpha(110);
    glow.setColorAt(0, halo);
    glow.setColorAt(1, Qt::transparent);
    p.fillRect(image.rect(), glow);
    p.setPen(Qt::NoPen);
    p.setBrush(s.sun);
    p.drawEllipse(sunAt, r, r);

    const auto hills = [&](double base, double amplitude, double waves, const QColor& colour) {
        QPainterPath path(QPointF(0, h));
        for (int x = 0; x <= s.width; x += 4)
            path.lineTo(x, h * base - amplitude * h * (0.5 + 0.5 * std::sin(x / w * waves * 6.283 + base * 9)));
        path.lineTo(w, h);
        path.closeSubpath();
        p.setBrush(colour);
        p.drawPath(path);
    };
    hills(0.62, 0.12, 1.5, s.farHill);
    hills(0.78, 0.10, 2.5, s.nearHill);

    QLinearGradient lake(0, h * 0.86, 0, h);
    lake.setColorAt(0, s.skyBottom.darker(120));
    lake.setColorAt(1, s.skyTop.darker(140));
    p.setBrush(lake);
    p.drawRect(QRectF(0, h * 0.86, w, h * 0.14));
    return image;
}

bool SaveJpeg(const QImage& picture, const QString& path)
{
    const TBitmap bitmap(picture);
    TJPEGImage jpeg;
    jpeg.Assign(bitmap);
    try {
        jpeg.SaveToFile(QFile::encodeName(path).toStdString());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), e.what());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    RegisterJPEGImage();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path()))
        return 1;

    const Scene scenes[] = {
        {"dawn", 640, 480, QColor(40, 60, 140), QColor(250, 170, 120), QColor(255, 230, 150), QColor(40, 80, 50), QColor(90, 100, 140)},
        {"noon", 1024, 768, QColor(60, 130, 220), QColor(180, 220, 250), QColor(255, 250, 220), QColor(50, 140, 60), QColor(110, 160, 120)},
        {"dusk", 800, 600, QColor(60, 30, 90), QColor(240, 110, 70), QColor(255, 160, 80), QColor(30, 40, 40), QColor(80, 60, 90)},
        {"tower", 480, 640, QColor(30, 90, 180), QColor(200, 230, 250), QColor(255, 255, 230), QColor(70, 120, 40), QColor(120, 150, 170)},
        {"pine", 600, 800, QColor(20, 50, 80), QColor(120, 170, 190), QColor(240, 240, 200), QColor(20, 70, 40), QColor(60, 100, 90)},
        {"cliff", 768, 1024, QColor(90, 140, 200), QColor(230, 210, 180), QColor(255, 240, 200), QColor(120, 90, 60), QColor(160, 140, 120)},
        {"meadow", 1280, 720, QColor(70, 150, 230), QColor(210, 235, 250), QColor(255, 250, 210), QColor(90, 160, 50), QColor(140, 180, 110)},
        {"night", 320, 240, QColor(5, 10, 30), QColor(30, 40, 80), QColor(230, 230, 210), QColor(10, 20, 20), QColor(30, 40, 60)},
        {"valley", 1920, 1080, QColor(80, 120, 200), QColor(240, 200, 160), QColor(255, 220, 140), QColor(60, 100, 50), QColor(130, 130, 150)},
        {"snow", 400, 400, QColor(150, 180, 220), QColor(240, 245, 250), QColor(255, 255, 240), QColor(230, 235, 240), QColor(190, 200, 215)},
        {"harbour", 1080, 1440, QColor(40, 100, 170), QColor(190, 215, 235), QColor(255, 245, 200), QColor(60, 80, 100), QColor(110, 130, 150)},
        {"desert", 2000, 1500, QColor(100, 160, 230), QColor(250, 220, 170), QColor(255, 245, 190), QColor(210, 160, 90), QColor(200, 170, 130)},
    };
    int failures = 0;
    for (const Scene& s : scenes) {
        const QString name = QString("%1-%2x%3.jpg").arg(s.name).arg(s.width).arg(s.height);
        if (!SaveJpeg(Paint(s), folder.filePath(name)))
            ++failures;
    }
    const Scene icon = {"icon", 256, 192, QColor(200, 60, 60), QColor(250, 200, 200), QColor(255, 255, 255), QColor(120, 30, 30), QColor(170, 90, 90)};
    if (!Paint(icon).save(folder.filePath("icon-256x192.bmp"), "BMP"))
        ++failures;
    return failures == 0 ? 0 : 1;
}
