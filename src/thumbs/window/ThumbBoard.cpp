#include "thumbs/window/ThumbBoard.h"

#include "browse/SelectionRows.h"
#include "imaging/DisplayCopy.h"
#include "thumbs/ThumbCache.h"
#include "thumbs/ThumbGeometry.h"
#include "thumbs/window/ThumbFrame.h"
#include "thumbs/window/ThumbImage.h"
#include "toolkit/window/ControlColor.h"

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

TThumbBoard::TThumbBoard(QWidget* parent, int perRow, std::shared_ptr<TThumbCache> cache)
    : QScrollArea(parent), perRow_(perRow), cache_(std::move(cache)),
      decoder_([this](int row, const TDisplayCopy& copy) { Decoded(row, copy); })
{
    setObjectName("ScrollBoxTb");
    setWidget(new QWidget);
    widget()->resize(0, 0);
    // The start-up colour of the browsing controls.
    for (QWidget* area : {viewport(), widget()})
        SetControlColor(area, clInfoBk);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { ViewMoved(); });
}

void TThumbBoard::Build(std::vector<TSelectionRow> rows, const TJPEGSettings& jpeg)
{
    Q_ASSERT(cells_.empty() && !job_.Running());
    jpeg_ = jpeg;
    const auto shared = std::make_shared<const std::vector<TSelectionRow>>(std::move(rows));
    const int count = static_cast<int>(shared->size());
    // Grown once: moving 65,536 cells to make room would hold the event loop up.
    cells_.reserve(shared->size());
    rowsOf_.reserve(shared->size());
    // The thumbnails in view are decoded as soon as they are placed, on one thread: the
    // others go on reading the headers.
    StartDecoding(count);
    decoder_.SetWorkers(1);
    // Headers only, on every core, each worker making its rows' paths; thumbnails are
    // placed in row order on this thread. A file that cannot be read gets its marked
    // thumbnail and the build goes on.
    job_.Start(
        count,
        [shared, profiles = std::make_shared<TProfileShelf>()](int i) {
            std::string path = RowFullPath((*shared)[static_cast<std::size_t>(i)]);
            TThumbHeader header = ReadThumbHeader(path, *profiles);
            return std::pair{std::move(path), std::move(header)};
        },
        [this, shared](int i, std::pair<std::string, TThumbHeader>& read) {
            auto& [path, header] = read;
            const TSelectionRow& row = (*shared)[static_cast<std::size_t>(i)];
            if (!header.error.empty())
                unreadable_.push_back({path, header.error});
            const std::string hint = ThumbHint(row.name, header, row.byte);
            AddThumb(i, std::move(path), std::move(header), hint);
            return true;
        },
        [this](int placed, int total) {
            if (OnProgress)
                OnProgress(placed, total);
        },
        [this](const TJobEnd& end) { Finish(end.failure); });
}

void TThumbBoard::EndBuild()
{
    if (!job_.Running())
        return;
    job_.Cancel();
    Finish(nullptr);
}

void TThumbBoard::CancelBuild()
{
    job_.Cancel();
    decoder_.SetWorkers(0);
    unreadable_.clear();
}

void TThumbBoard::Stop()
{
    CancelBuild();
    decoder_.Stop();
}

void TThumbBoard::Finish(std::exception_ptr failure)
{
    if (ThumbCount() > 0)
        FrameRow(ThumbCount() - 1);
    // The decodes begun while placing go on, on every thread.
    decoder_.SetWorkers(0);
    SetDecodingView();
    decoder_.Want(RowsWithoutPixels());
    const TBoardEnd end{ThumbCount(), std::move(unreadable_), std::move(failure)};
    unreadable_.clear();
    if (OnBuilt)
        OnBuilt(end);
}

bool TThumbBoard::Shows(const std::vector<TSelectionRow>& rows) const
{
    if (!isEnabled() || Building() || rows.size() != cells_.size())
        return false;
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (cells_[row].path != RowFullPath(rows[row]))
            return false;
    return true;
}

void TThumbBoard::AddThumb(int row, std::string path, TThumbHeader header, const std::string& hint)
{
    Q_ASSERT(row == ThumbCount());
    const QRect bounds = CellBounds(row, perRow_, header);
    TCell cell{std::move(path), std::move(header), QFile::decodeName(hint.c_str()), bounds, {}, false};
    cell.damaged = !cell.header.error.empty();
    if (!cell.damaged)
        if (const TDisplayCopy* copy = cache_->Find(cell.path, cell.header.stamp, PixelSize(cell.bounds))) {
            cell.picture = copy->image;
            cell.damaged = !copy->error.empty();
        }
    widget()->resize(std::max(widget()->width(), cell.bounds.right() + 1 + kBoardMargin),
                     std::max(widget()->height(), cell.bounds.bottom() + 1 + kBoardMargin));
    rowsOf_[cell.path].push_back(row);
    cells_.push_back(std::move(cell));
    if (const auto [first, last] = NearRows(); row >= first && row <= last)
        Make(row);
    // The board's own height stands in while its viewport is not laid out yet.
    const auto [first, last] =
        RowsInView(verticalScrollBar()->value(), std::max(viewport()->height(), height()), perRow_);
    if (row >= first && row <= last && NeedsPixels(row))
        decoder_.Want(row);
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
    thumb->OnMouseDown = [this, row] { Press(row); };
    thumb->OnDblClick = [this, row] {
        if (OnDblClick)
            OnDblClick(row);
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

void TThumbBoard::Press(int row)
{
    DropFrame();
    FrameRow(row);
    if (OnPress)
        OnPress(row);
}

void TThumbBoard::FrameRow(int row)
{
    frame_ = MakeThumbFrame(widget(), cells_.at(static_cast<std::size_t>(row)).bounds);
    framedRow_ = row;
    // A press on the frame is a press on the thumbnail it surrounds.
    frame_->OnMouseDown = [this] { Press(framedRow_); };
}

void TThumbBoard::DropFrame()
{
    if (!frame_)
        return;
    // The frame may be the control whose press is being handled: it goes once that is over.
    frame_->hide();
    frame_->deleteLater();
    frame_ = nullptr;
    framedRow_ = -1;
}

void TThumbBoard::RemoveThumbs(const std::vector<int>& rows)
{
    DropFrame();
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
    StartDecoding(ThumbCount());
    ViewMoved();
    if (ThumbCount() > 0)
        FrameRow(ThumbCount() - 1);
}

void TThumbBoard::StartDecoding(int rows)
{
    SetDecodingView();
    decoder_.Start(
        rows,
        [this](int row) {
            const TCell& cell = cells_[static_cast<std::size_t>(row)];
            return TThumbJob{cell.path, PixelSize(cell.bounds), cell.header};
        },
        RowsWithoutPixels(), jpeg_);
}

std::vector<int> TThumbBoard::RowsWithoutPixels() const
{
    std::vector<int> rows;
    for (int row = 0; row < ThumbCount(); ++row)
        if (NeedsPixels(row))
            rows.push_back(row);
    return rows;
}

void TThumbBoard::SetDecodingView()
{
    view_ = RowsInView(verticalScrollBar()->value(), viewport()->height(), perRow_);
    decoder_.SetView(view_.first, view_.second);
}

void TThumbBoard::ViewMoved()
{
    const auto [first, last] = NearRows();
    for (auto it = made_.begin(); it != made_.end();) {
        if (it->first >= first && it->first <= last) {
            ++it;
            continue;
        }
        Retire(it->second);
        it = made_.erase(it);
    }
    for (int row = first; row <= last; ++row)
        if (!made_.count(row))
            Make(row);
    SetDecodingView();
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
    const std::vector<std::string> dropped = cache_->Put(path, PixelSize(cells_[static_cast<std::size_t>(row)].bounds), copy,
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
