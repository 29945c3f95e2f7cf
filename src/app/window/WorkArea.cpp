#include "app/window/WorkArea.h"

#include <QMouseEvent>

#include <algorithm>

namespace {
constexpr int kMinControlWidth = 5;
constexpr int kSplitterWidth = 5;
} // namespace

TWorkArea::TWorkArea(QWidget* parent) : QGroupBox(parent)
{
}

void TWorkArea::SetChain(std::vector<QWidget*> chain)
{
    chain_ = std::move(chain);
    Realign();
}

void TWorkArea::SetControlWidth(QWidget* control, int width)
{
    widths_[control] = width;
    Realign();
}

int TWorkArea::ControlWidth(QWidget* control) const
{
    const auto it = widths_.find(control);
    return it != widths_.end() ? it->second : control->width();
}

void TWorkArea::Realign()
{
    const QRect inside = contentsRect();
    int x = inside.left();
    for (QWidget* control : chain_) {
        if (control->isHidden())
            continue;
        const int width = ControlWidth(control);
        control->setGeometry(x, inside.top(), width, inside.height());
        x += width;
    }
}

void TWorkArea::SplitterMoved(QWidget* splitter, int dx)
{
    const auto at = std::find(chain_.begin(), chain_.end(), splitter);
    // The splitter sizes the nearest visible control on its left.
    for (auto it = std::make_reverse_iterator(at); it != chain_.rend(); ++it) {
        if ((*it)->isHidden())
            continue;
        SetControlWidth(*it, std::max(kMinControlWidth, ControlWidth(*it) + dx));
        return;
    }
}

void TWorkArea::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    Realign();
}

TSplitter::TSplitter(const char* name, TWorkArea* area) : QWidget(area), area_(area)
{
    setObjectName(name);
    setCursor(Qt::SplitHCursor);
    area->SetControlWidth(this, kSplitterWidth);
}

void TSplitter::mousePressEvent(QMouseEvent* event)
{
    lastX_ = event->globalPosition().toPoint().x();
}

void TSplitter::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int x = event->globalPosition().toPoint().x();
    area_->SplitterMoved(this, x - lastX_);
    lastX_ = x;
}
