#include "thumbs/ThumbBoard.h"

#include "thumbs/ThumbCache.h"
#include "thumbs/ThumbGeometry.h"
#include "thumbs/ThumbImage.h"

#include <QFile>
#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace {
constexpr int kBoardMargin = 10;
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

TImage* TThumbBoard::AddThumb(int row, const std::string& path, const TThumbHeader& header, const std::string& hint)
{
    auto* thumb = new TImage(widget());
    thumb->setObjectName("ImageTb" + QString::number(row));
    // A file that could not be read stands as a square with the damaged mark.
    const bool unreadable = !header.error.empty();
    const QRect bounds = ThumbBounds(row, perRow_, unreadable ? QSize(1, 1) : header.size);
    thumb->setGeometry(bounds);
    const QString text = QFile::decodeName(hint.c_str());
    thumb->setToolTip(text);
    thumb->setAccessibleDescription(text);
    widget()->resize(std::max(widget()->width(), bounds.right() + 1 + kBoardMargin),
                     std::max(widget()->height(), bounds.bottom() + 1 + kBoardMargin));
    if (unreadable)
        thumb->SetDamaged();
    else if (const TDisplayCopy* copy = cache_.Find(path, header.stamp, bounds.size()))
        Show(thumb, *copy);
    thumb->show();
    thumbs_.push_back(thumb);
    files_.push_back({path, header});
    rowsOf_[path].push_back(row);
    return thumb;
}

TImage* TThumbBoard::ThumbFramedBy(const QRect& frameBounds) const
{
    const auto it = std::find_if(thumbs_.begin(), thumbs_.end(),
                                 [&](const TImage* t) { return FrameBounds(t->geometry()) == frameBounds; });
    return it != thumbs_.end() ? *it : nullptr;
}

void TThumbBoard::StartDecoding(const TJPEGSettings& jpeg)
{
    std::vector<TThumbJob> jobs;
    std::vector<int> wanted;
    for (std::size_t row = 0; row < thumbs_.size(); ++row) {
        jobs.push_back({files_[row].path, thumbs_[row]->size()});
        if (NeedsPixels(static_cast<int>(row)))
            wanted.push_back(static_cast<int>(row));
    }
    view_ = RowsInView(verticalScrollBar()->value(), viewport()->height(), perRow_);
    decoder_.SetView(view_.first, view_.second);
    decoder_.Start(std::move(jobs), wanted, jpeg);
}

void TThumbBoard::ViewMoved()
{
    view_ = RowsInView(verticalScrollBar()->value(), viewport()->height(), perRow_);
    decoder_.SetView(view_.first, view_.second);
    // Copies dropped while far away are decoded again once they come back into view.
    for (int row = view_.first; row <= std::min(view_.second, ThumbCount() - 1); ++row)
        if (NeedsPixels(row))
            decoder_.Want(row);
}

bool TThumbBoard::NeedsPixels(int row) const
{
    const TImage* thumb = Thumb(row);
    return !thumb->size().isEmpty() && thumb->Picture().isNull() && !thumb->Damaged();
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
    const std::string& path = files_[static_cast<std::size_t>(row)].path;
    const std::vector<std::string> dropped =
        cache_.Put(path, Thumb(row)->size(), copy, [this](const std::string& p) { return Distance(p); });
    bool keptThis = true;
    for (const std::string& gone : dropped) {
        keptThis = keptThis && gone != path;
        if (const auto it = rowsOf_.find(gone); it != rowsOf_.end())
            for (const int r : it->second)
                Thumb(r)->SetPicture({});
    }
    if (!keptThis) {
        // The cache is full of nearer copies: what lies farther would be dropped at once.
        decoder_.ForgetFartherThan(row);
        return;
    }
    for (const int r : rowsOf_[path])
        Show(Thumb(r), copy);
}

void TThumbBoard::Show(TImage* thumb, const TDisplayCopy& copy)
{
    if (copy.error.empty())
        thumb->SetPicture(copy.image);
    else
        thumb->SetDamaged();
}
