#include "thumbs/window/ThumbBoard.h"

#include "imaging/DisplayCopy.h"
#include "thumbs/ThumbCache.h"
#include "thumbs/ThumbGeometry.h"

#include <QFile>
#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace {
constexpr int kBoardMargin = 10;

// A file whose header could not be read stands as a square with the damaged mark.
QRect CellBounds(int row, int perRow, const TThumbHeader& header)
{
    return ThumbBounds(row, perRow, header.error.empty() ? header.size : QSize(1, 1));
}
}  // namespace

TThumbBoard::TThumbBoard(QWidget* parent, int perRow, TThumbCache& cache)
    : QScrollArea(parent), perRow_(perRow), cache_(cache),
      decoder_([this](int row, const TDisplayCopy& copy) { Decoded(row, copy); })
{
    setObjectName("ScrollBoxTb");
    setWidget(new QWidget);
    widget()->resize(0, 0);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { ViewMoved(); });
}

void TThumbBoard::AddThumb(int row, const std::string& path, const TThumbHeader& header, const std::string& hint)
{
    Q_ASSERT(row == ThumbCount());
    TCell cell{path, header, QFile::decodeName(hint.c_str()), CellBounds(row, perRow_, header), {}, false};
    cell.damaged = !header.error.empty();
    if (!cell.damaged)
        if (const TDisplayCopy* copy = cache_.Find(path, header.stamp, PixelSize(cell.bounds))) {
            cell.picture = copy->image;
            cell.damaged = !copy->error.empty();
        }
    widget()->resize(std::max(widget()->width(), cell.bounds.right() + 1 + kBoardMargin),
                     std::max(widget()->height(), cell.bounds.bottom() + 1 + kBoardMargin));
    cells_.push_back(std::move(cell));
    rowsOf_[path].push_back(row);
    // Not the last row as such: the build goes on past it.
    if (const auto [first, last] = NearRows(); row >= first && row <= last)
        Make(row);
}

QSize TThumbBoard::PixelSize(const QRect& bounds) const
{
    // Drawn at the screen's own pixels, so a scaled screen shows them sharp.
    return DevicePixels(bounds.size(), devicePixelRatioF());
}

TImage* TThumbBoard::Thumb(int row)
{
    const auto it = made_.find(row);
    return it != made_.end() ? it->second : Make(row);
}

std::pair<int, int> TThumbBoard::NearRows() const
{
    // The view and as much again above and below it, so a short scroll makes nothing.
    // The board's own height stands in while its viewport is not laid out yet.
    const int shown = std::max(viewport()->height(), height());
    const auto [first, last] = RowsInView(verticalScrollBar()->value(), shown, perRow_);
    const int span = last - first + 1;
    return {std::max(0, first - span), std::min(last + span, ThumbCount() - 1)};
}

bool TThumbBoard::Kept(int row) const
{
    const auto [first, last] = NearRows();
    return row == ThumbCount() - 1 || (row >= first && row <= last);
}

TImage* TThumbBoard::Make(int row)
{
    const TCell& cell = cells_.at(static_cast<std::size_t>(row));
    auto* thumb = new TImage(widget());
    thumb->setObjectName("ImageTb" + QString::number(row));
    thumb->setGeometry(cell.bounds);
    thumb->setToolTip(cell.hint);
    thumb->setAccessibleDescription(cell.hint);
    if (cell.damaged)
        thumb->SetDamaged();
    else
        thumb->SetPicture(cell.picture);
    thumb->OnMouseDown = [this](QObject* sender) {
        if (OnMouseDown)
            OnMouseDown(sender);
    };
    thumb->OnDblClick = [this](QObject* sender) {
        if (OnDblClick)
            OnDblClick(sender);
    };
    thumb->show();
    made_[row] = thumb;
    return thumb;
}

void TThumbBoard::Retire(TImage* thumb)
{
    // Later, not now: the control may be the one whose event is being handled.
    thumb->hide();
    thumb->setObjectName(QString());
    thumb->deleteLater();
}

TImage* TThumbBoard::ThumbFramedBy(const QRect& frameBounds)
{
    const auto it = std::find_if(cells_.begin(), cells_.end(),
                                 [&](const TCell& cell) { return FrameBounds(cell.bounds) == frameBounds; });
    return it != cells_.end() ? Thumb(static_cast<int>(it - cells_.begin())) : nullptr;
}

void TThumbBoard::RemoveThumbs(const std::vector<int>& rows)
{
    for (const auto& [row, thumb] : made_)
        Retire(thumb);
    made_.clear();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        cells_.erase(cells_.begin() + *it);
    rowsOf_.clear();
    QSize surface(0, 0);
    for (int row = 0; row < ThumbCount(); ++row) {
        TCell& cell = cells_[static_cast<std::size_t>(row)];
        cell.bounds = CellBounds(row, perRow_, cell.header);
        rowsOf_[cell.path].push_back(row);
        surface = surface.expandedTo({cell.bounds.right() + 1 + kBoardMargin, cell.bounds.bottom() + 1 + kBoardMargin});
    }
    widget()->resize(surface);
    // The decoder's rows are numbered anew before the view asks for any of them.
    if (jpeg_)
        StartDecoding(*jpeg_);
    ViewMoved();
}

void TThumbBoard::StartDecoding(const TJPEGSettings& jpeg)
{
    jpeg_ = jpeg;
    std::vector<TThumbJob> jobs;
    std::vector<int> wanted;
    for (int row = 0; row < ThumbCount(); ++row) {
        const TCell& cell = cells_[static_cast<std::size_t>(row)];
        jobs.push_back({cell.path, PixelSize(cell.bounds), cell.header});
        if (NeedsPixels(row))
            wanted.push_back(row);
    }
    view_ = RowsInView(verticalScrollBar()->value(), viewport()->height(), perRow_);
    decoder_.SetView(view_.first, view_.second);
    decoder_.Start(std::move(jobs), wanted, jpeg);
}

void TThumbBoard::ViewMoved()
{
    for (auto it = made_.begin(); it != made_.end();) {
        if (Kept(it->first)) {
            ++it;
            continue;
        }
        Retire(it->second);
        it = made_.erase(it);
    }
    const auto [first, last] = NearRows();
    for (int row = first; row <= last; ++row)
        if (!made_.count(row))
            Make(row);
    view_ = RowsInView(verticalScrollBar()->value(), viewport()->height(), perRow_);
    decoder_.SetView(view_.first, view_.second);
    // Copies dropped while far away are decoded again once they come back into view.
    for (int row = view_.first; row <= std::min(view_.second, ThumbCount() - 1); ++row)
        if (NeedsPixels(row))
            decoder_.Want(row);
}

bool TThumbBoard::NeedsPixels(int row) const
{
    const TCell& cell = cells_[static_cast<std::size_t>(row)];
    return !cell.bounds.isEmpty() && cell.picture.isNull() && !cell.damaged;
}

int TThumbBoard::Distance(const std::string& path) const
{
    const auto it = rowsOf_.find(path);
    if (it == rowsOf_.end())
        return std::numeric_limits<int>::max();  // not on this board: the first to go
    int nearest = std::numeric_limits<int>::max();
    for (const int row : it->second)
        nearest = std::min(nearest, RowsAway(row, view_));
    return nearest;
}

void TThumbBoard::Decoded(int row, const TDisplayCopy& copy)
{
    const std::string path = cells_[static_cast<std::size_t>(row)].path;
    const std::vector<std::string> dropped = cache_.Put(path, PixelSize(cells_[static_cast<std::size_t>(row)].bounds), copy,
                                                        [this](const std::string& p) { return Distance(p); });
    bool keptThis = true;
    for (const std::string& gone : dropped) {
        keptThis = keptThis && gone != path;
        if (const auto it = rowsOf_.find(gone); it != rowsOf_.end())
            for (const int r : it->second)
                SetPixels(r, {}, false);
    }
    if (!keptThis) {
        // The cache is full of nearer copies: what lies farther would be dropped at once.
        decoder_.ForgetFartherThan(row);
        return;
    }
    for (const int r : rowsOf_[path])
        SetPixels(r, copy.image, !copy.error.empty());
}

void TThumbBoard::SetPixels(int row, const QImage& picture, bool damaged)
{
    TCell& cell = cells_[static_cast<std::size_t>(row)];
    if (!cell.header.error.empty())
        return;  // never decoded: it keeps its mark
    cell.picture = damaged ? QImage() : picture;
    cell.damaged = damaged;
    const auto it = made_.find(row);
    if (it == made_.end())
        return;
    if (damaged)
        it->second->SetDamaged();
    else
        it->second->SetPicture(cell.picture);
}
