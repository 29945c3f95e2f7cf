// The main window's thumbnail board: building it from the selection list, its frame,
// and the presses and double clicks on its thumbnails.

#include "app/window/UnitMain.h"
#include "app/window/BoardBuild.h"
#include "app/window/WorkArea.h"
#include "browse/PictureSet.h"
#include "imaging/JPEGImage.h"
#include "text/AllTools.h"
#include "thumbs/window/ThumbBoard.h"
#include "thumbs/ThumbGeometry.h"
#include "thumbs/ThumbHeader.h"
#include "thumbs/window/ThumbImage.h"
#include "toolkit/window/ControlColor.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Errors.h"
#include "toolkit/window/Form.h"
#include "toolkit/OrderedJobs.h"
#include "toolkit/RunTime.h"

#include <QPainter>


namespace {

const QColor kFrameFill(255, 255, 0);
constexpr int kFramePen = 4;

// Only thumbnails and their frame are "TImage"; the window and the board are not.
bool IsThumbImage(const QObject* sender)
{
    return sender && std::string(sender->metaObject()->className()) == "TImage";
}

}  // namespace

void TfrmMain::BuildThumbBoard()
{
    // A new build, or a list emptied, replaces the build that was running.
    if (boardJob_.Running()) {
        boardJob_.Cancel();
        boardBuild_.reset();
        SetBusy(false);
    }
    if (Pictures().Count() == 0) {
        if (ScrollBoxTb)
            ScrollBoxTb->setEnabled(false);
        return;
    }
    delete ScrollBoxTb;
    ScrollBoxTb = nullptr;
    ThumbFrame = nullptr;
    LastThumb = nullptr;
    FrameCanvas = nullptr;

    if (ViewMode == kDirectoryShow) {
        ScrollBoxTb = new TThumbBoard(GroupBox1, kDirectoryShowThumbsPerRow, thumbCache_);
        ScrollBoxTb->setGeometry(Splitter1->x() + Splitter1->width() + 10, 15, 820, 640);
    } else {
        ScrollBoxTb = new TThumbBoard(client_, kSelectShowThumbsPerRow, thumbCache_);
        ScrollBoxTb->setGeometry(50, 352, 932, 350);
    }
    for (QWidget* area : {ScrollBoxTb->viewport(), ScrollBoxTb->Surface()})
        SetControlColor(area, clInfoBk);
    ScrollBoxTb->OnMouseDown = [this](QObject* sender) { FormMouseDown(sender); };
    ScrollBoxTb->OnDblClick = [this](QObject* sender) { FormDblClick(sender); };
    ScrollBoxTb->show();

    // A copy: the build waits for its header reads while the list may change.
    const std::vector<TSelectionRow> rows = Pictures().Model().Rows();
    std::vector<std::string> paths;
    for (const TSelectionRow& row : rows)
        paths.push_back(RowFullPath(row));
    boardBuild_ = std::make_unique<TBoardBuild>(statusBar(), static_cast<int>(rows.size()));
    SetBusy(true);
    // Headers only, on every core; thumbnails are made in list order on this thread. A
    // file that cannot be read gets its marked thumbnail and the build goes on.
    boardJob_.Start(
        static_cast<int>(rows.size()), [paths](int i) { return ReadThumbHeader(paths[static_cast<std::size_t>(i)]); },
        [this, rows, paths](int i, TThumbHeader& header) {
            const auto at = static_cast<std::size_t>(i);
            ScrollBoxTb->AddThumb(i, paths[at], header, ThumbHint(rows[at].name, header, rows[at].byte));
            pictures_.NameFile(paths[at]);
            if (!header.error.empty())
                boardBuild_->unreadable.push_back({paths[at], header.error});
            return true;
        },
        [this](int done, int total) { boardBuild_->progress.Report(done, total); },
        [this](const TJobEnd& end) {
            FinishThumbBoard();
            if (end.failure)
                ShowHandlerException(end.failure);
        });
}

void TfrmMain::FinishThumbBoard()
{
    const std::unique_ptr<TBoardBuild> build = std::move(boardBuild_);
    SetBusy(false);
    FrameLastThumb();
    ScrollBoxTb->StartDecoding(JPEGDefaults());
    if (!build->unreadable.empty())
        Dialogs().ShowMessage(UnreadableFilesText(build->unreadable), TMessageKind::Error);
}

void TfrmMain::FrameLastThumb()
{
    const int count = ScrollBoxTb->ThumbCount();
    LastThumb = count > 0 ? ScrollBoxTb->Thumb(count - 1) : nullptr;
    if (LastThumb)
        FrameThumb(LastThumb->x(), LastThumb->y(), kFrameHeight, LastThumb->width());
}

bool TfrmMain::BoardInStep() const
{
    if (!ScrollBoxTb || !ScrollBoxTb->isEnabled() || Busy() || ScrollBoxTb->ThumbCount() != Pictures().Count())
        return false;
    for (int row = 0; row < Pictures().Count(); ++row)
        if (ScrollBoxTb->Path(row) != Pictures().FullPath(row))
            return false;
    return true;
}

void TfrmMain::DropFrame()
{
    if (!ThumbFrame)
        return;
    // The frame may be the control whose press is being handled: it goes once that is over.
    ThumbFrame->hide();
    ThumbFrame->deleteLater();
    ThumbFrame = nullptr;
    FrameCanvas = nullptr;
}

void TfrmMain::RemoveThumbs(const std::vector<int>& rows)
{
    DropFrame();
    ScrollBoxTb->RemoveThumbs(rows);
    FrameLastThumb();
    pictures_.NameFile(ScrollBoxTb->Path(ScrollBoxTb->ThumbCount() - 1));
}

void TfrmMain::CancelJobs()
{
    if (folderJob_.Running()) {
        folderJob_.Cancel();
        SetBusy(false);
    }
    if (boardJob_.Running()) {
        boardJob_.Cancel();
        FinishThumbBoard();
    }
}

bool TfrmMain::Busy() const
{
    return boardJob_.Running() || folderJob_.Running();
}

void TfrmMain::FrameThumb(int left, int top, int height, int width)
{
    ThumbFrame = new TImage(ScrollBoxTb->Surface());
    ThumbFrame->setGeometry(left - 5, top - 5, width + 10, height);
    ThumbFrame->SetPicture(QImage(width + 10, height, QImage::Format_RGB32));
    FrameCanvas = ThumbFrame->Canvas();
    FrameRect = QRect(QPoint(0, 0), QPoint(width + 10, height));
    {
        QPainter canvas(FrameCanvas);
        canvas.setPen(kFrameFill);
        canvas.drawRect(FrameRect);
        FramePoints = {QPoint(0, 0), QPoint(width + 10, 0), QPoint(width + 10, height), QPoint(0, height)};
        canvas.setBrush(kFrameFill);
        canvas.setPen(QPen(Qt::black, kFramePen));
        canvas.drawPolygon(FramePoints.data(), static_cast<int>(FramePoints.size()));
    }
    ThumbFrame->OnMouseDown = [this](QObject* sender) { FormMouseDown(sender); };
    ThumbFrame->show();
    ThumbFrame->lower();
}

namespace {

// The row number in a thumbnail's name "ImageTb" + row.
std::int32_t ThumbRow(const QObject* thumb)
{
    return StrToInt(MainTools.Mid(thumb->objectName().toStdString(), 8, 0));
}

}  // namespace

void TfrmMain::FormMouseDown(QObject* Sender)
{
    if (!IsThumbImage(Sender))
        return;
    auto* thumb = static_cast<TImage*>(Sender);
    // A press on the frame is a press on the thumbnail it surrounds.
    if (thumb == ThumbFrame && !(thumb = ScrollBoxTb->ThumbFramedBy(ThumbFrame->geometry())))
        return;
    DropFrame();
    FrameThumb(thumb->x(), thumb->y(), kFrameHeight, thumb->width());
    pictures_.Point(ThumbRow(thumb));
}

void TfrmMain::FormDblClick(QObject* Sender)
{
    if (Pictures().Count() == 0 || !IsThumbImage(Sender))
        return;
    pictures_.Point(ThumbRow(Sender));
    Forms.Show->Show();
}
