#include "app/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 32;

// A small framed photo: sky, sun and a hill.
void DrawPhoto(QPainter& p, QRectF r, const QColor& sun)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(170, 210, 250));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.72, r.top() + r.height() * 0.3), r.width() * 0.12,
                  r.width() * 0.12);
    QPainterPath hill;
    hill.moveTo(r.bottomLeft());
    hill.quadTo(QPointF(r.left() + r.width() * 0.35, r.top() + r.height() * 0.25), r.bottomRight());
    hill.closeSubpath();
    p.setBrush(QColor(70, 150, 70));
    p.drawPath(hill);
}

void DrawBadge(QPainter& p, const QString& sign, const QColor& colour)
{
    const QRectF badge(kSize - 17, kSize - 17, 16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(badge);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = badge.center();
    if (sign == "+" || sign == "x") {
        const double a = 4.5;
        if (sign == "+") {
            p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
            p.drawLine(QPointF(c.x(), c.y() - a), QPointF(c.x(), c.y() + a));
        } else {
            p.drawLine(QPointF(c.x() - a * 0.8, c.y() - a * 0.8), QPointF(c.x() + a * 0.8, c.y() + a * 0.8));
            p.drawLine(QPointF(c.x() - a * 0.8, c.y() + a * 0.8), QPointF(c.x() + a * 0.8, c.y() - a * 0.8));
        }
    } else {
        p.drawLine(QPointF(c.x() - 4.5, c.y()), QPointF(c.x() + 4.5, c.y()));
    }
}

QPixmap Canvas()
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

const QColor kSun(250, 200, 40);

void DrawLens(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 16), QPointF(27, 27));
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(12, 12), 9, 9);
}

void DrawArrow(QPainter& p, bool right)
{
    const double tip = right ? 28 : 4, back = right ? 12 : 20;
    p.setPen(QPen(QColor(30, 90, 160), 1.5));
    p.setBrush(QColor(60, 140, 220));
    p.drawPolygon(QPolygonF({QPointF(tip, 16), QPointF(back, 5), QPointF(back, 11), QPointF(right ? 4 : 28, 11),
                             QPointF(right ? 4 : 28, 21), QPointF(back, 21), QPointF(back, 27)}));
}

// The picture viewer's buttons; false for a name that is not one of them.
bool DrawViewerGlyph(QPainter& p, const QString& buttonName)
{
    if (buttonName == "sbtInfo") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 170));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
        p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1.5, 1.5);
    } else if (buttonName == "sbtZoomIn" || buttonName == "sbtZoomOut") {
        DrawLens(p);
        DrawBadge(p, buttonName == "sbtZoomIn" ? "+" : "-", QColor(40, 150, 60));
    } else if (buttonName == "sbtZoomOriginal") {
        DrawPhoto(p, QRectF(2, 3, 28, 21), kSun);
        p.setPen(QColor(20, 20, 20));
        QFont font = p.font();
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(0, 20, kSize, 12), Qt::AlignCenter, "1:1");
    } else if (buttonName == "sbtZoomFix") {
        DrawPhoto(p, QRectF(7, 8, 18, 14), kSun);
        p.setPen(QPen(QColor(200, 50, 50), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 4, 26, 22));
    } else if (buttonName == "sbtZoomStretch") {
        DrawPhoto(p, QRectF(2, 8, 28, 16), kSun);
        p.setPen(QPen(QColor(200, 50, 50), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(28, 4));
        p.drawLine(QPointF(4, 4), QPointF(8, 1));
        p.drawLine(QPointF(28, 4), QPointF(24, 1));
    } else if (buttonName == "sbtLast" || buttonName == "sbtNext") {
        DrawArrow(p, buttonName == "sbtNext");
    } else {
        return false;
    }
    return true;
}

} // namespace

QIcon ToolIcon(const QString& buttonName)
{
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor green(40, 150, 60);
    const QColor red(200, 50, 50);
    if (DrawViewerGlyph(p, buttonName))
        return QIcon(pixmap);
    if (buttonName == "sbAdd" || buttonName == "sbRemove") {
        DrawPhoto(p, QRectF(2, 5, 22, 18), kSun);
        DrawBadge(p, buttonName == "sbAdd" ? "+" : "-", buttonName == "sbAdd" ? green : red);
    } else if (buttonName == "sbAddAll" || buttonName == "sbRemoveAll") {
        DrawPhoto(p, QRectF(8, 2, 20, 15), kSun);
        DrawPhoto(p, QRectF(2, 8, 20, 15), kSun);
        DrawBadge(p, buttonName == "sbAddAll" ? "+" : "x", buttonName == "sbAddAll" ? green : red);
    } else if (buttonName == "sbThumb") {
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 2; ++col)
                DrawPhoto(p, QRectF(2 + col * 15, 4 + row * 13, 13, 11), kSun);
    } else if (buttonName == "sbSlideShow") {
        DrawPhoto(p, QRectF(2, 3, 28, 21), kSun);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30, 200));
        p.drawPolygon(QPolygonF({QPointF(12, 8), QPointF(22, 13.5), QPointF(12, 19)}));
    } else if (buttonName == "sbImageTool") {
        DrawPhoto(p, QRectF(2, 6, 22, 18), kSun);
        p.setPen(QPen(QColor(120, 70, 20), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(29, 3), QPointF(17, 19));
        p.setPen(QPen(QColor(40, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 19), QPointF(15, 22));
    } else if (buttonName == "sbGenHTML") {
        p.setPen(QPen(QColor(40, 90, 170), 2));
        p.setBrush(QColor(220, 235, 250));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.drawLine(QPointF(3, 16), QPointF(29, 16));
        p.drawEllipse(QRectF(10, 3, 12, 26));
    }
    return QIcon(pixmap);
}

void PaintAppIcon(QPainter& painter, int size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / double(kSize), size / double(kSize));
    DrawPhoto(painter, QRectF(2, 5, 28, 22), kSun);
    painter.restore();
}

QIcon AppIcon()
{
    QIcon icon;
    for (int size : kAppIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        PaintAppIcon(p, size);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

std::vector<QIcon> TrayFrames()
{
    // The sun rises and sets over the hill.
    const QColor suns[] = {QColor(250, 200, 40), QColor(250, 150, 40), QColor(240, 90, 40), QColor(250, 150, 40)};
    std::vector<QIcon> frames;
    for (const QColor& sun : suns) {
        QPixmap pixmap = Canvas();
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        DrawPhoto(p, QRectF(2, 5, 28, 22), sun);
        frames.emplace_back(pixmap);
    }
    return frames;
}

namespace {

constexpr int kAboutSize = 96;

QPixmap AboutCanvas()
{
    QPixmap pixmap(kAboutSize, kAboutSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap AboutPhoto()
{
    QPixmap pixmap = AboutCanvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    DrawPhoto(p, QRectF(6, 16, 84, 64), kSun);
    return pixmap;
}

QPixmap AboutFan()
{
    // Three pictures fanned out from their lower corner, the front one upright.
    const QColor suns[] = {QColor(240, 90, 40), QColor(250, 150, 40), kSun};
    const double angles[] = {-24, -12, 0};
    QPixmap pixmap = AboutCanvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(26, 88);
        p.rotate(angles[i]);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-4, -50, 64, 54));
        DrawPhoto(p, QRectF(0, -46, 56, 46), suns[i]);
        p.restore();
    }
    return pixmap;
}
