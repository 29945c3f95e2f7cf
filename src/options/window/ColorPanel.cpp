#include "options/window/ColorPanel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 40;

// The caption stays readable on whatever colour the user picks.
QColor CaptionColorOn(const QColor& background)
{
    return qGray(background.rgb()) < 128 ? Qt::white : Qt::black;
}

} // namespace

TColorPanel::TColorPanel(const char* name, const QString& caption, QWidget* parent) : QAbstractButton(parent)
{
    setObjectName(name);
    setText(caption);
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
}

TColor TColorPanel::Color() const
{
    return color_;
}

void TColorPanel::SetColor(TColor color)
{
    color_ = color;
    update();
}

QSize TColorPanel::sizeHint() const
{
    return {kWidth, kHeight};
}

void TColorPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor background = ColorToQColor(color_);
    const QBrush fill(background);
    qDrawShadePanel(&p, rect(), palette(), isDown(), 1, &fill);
    p.setPen(CaptionColorOn(background));
    p.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}
