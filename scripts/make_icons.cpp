// Writes the program's icon for the desktop's icon theme, drawn by the same code as the
// window icon: SIZE.png for every size Lumora ships and scalable.svg.
//   lumora_icons FOLDER

#include "app/Artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path()))
        return 1;
    int failures = 0;
    for (int size : kAppIconSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        PaintAppIcon(painter, size);
        painter.end();
        if (!image.save(folder.filePath(QString("%1.png").arg(size)), "PNG"))
            ++failures;
    }
    constexpr int kViewBox = 32;
    QSvgGenerator svg;
    svg.setFileName(folder.filePath("scalable.svg"));
    svg.setSize(QSize(kViewBox, kViewBox));
    svg.setViewBox(QRect(0, 0, kViewBox, kViewBox));
    svg.setTitle("Lumora");
    QPainter painter;
    if (!painter.begin(&svg))
        return 1;
    PaintAppIcon(painter, kViewBox);
    painter.end();
    return failures == 0 ? 0 : 1;
}
