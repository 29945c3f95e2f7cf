// The main window's part of the thumbnail board: placing a board for the layout and
// starting its build, showing the build busy and taking its end, and the row a press or a
// double click on the board makes current.

#include "app/window/UnitMain.h"
#include "app/window/BoardBuild.h"
#include "app/window/WorkArea.h"
#include "browse/PictureSet.h"
#include "imaging/JPEGImage.h"
#include "thumbs/ThumbGeometry.h"
#include "thumbs/ThumbHeader.h"
#include "thumbs/window/ThumbBoard.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Errors.h"
#include "toolkit/window/Form.h"

#include <QTimer>

void TfrmMain::BuildThumbBoard()
{
    // A new build, or a list emptied, replaces the build that was running.
    if (board_ && board_->Building()) {
        board_->CancelBuild();
        boardBuild_.reset();
        SetBusy(false);
    }
    if (Pictures().Count() == 0) {
        if (board_)
            board_->setEnabled(false);
        return;
    }
    delete board_;
    if (State.ViewMode == kDirectoryShow) {
        board_ = new TThumbBoard(GroupBox1, kDirectoryShowThumbsPerRow, thumbCache_);
        board_->setGeometry(Splitter1->x() + Splitter1->width() + 10, 15, 820, 640);
    } else {
        board_ = new TThumbBoard(client_, kSelectShowThumbsPerRow, thumbCache_);
        board_->setGeometry(50, 352, 932, 350);
    }
    board_->OnPress = [this](int row) { FormMouseDown(row); };
    board_->OnDblClick = [this](int row) { FormDblClick(row); };
    board_->OnProgress = [this](int placed, int total) { boardBuild_->progress.Report(placed, total); };
    board_->OnBuilt = [this](const TBoardEnd& end) {
        FinishThumbBoard(end);
        if (end.failure)
            ShowHandlerException(end.failure);
    };
    board_->show();
    boardBuild_ = std::make_unique<TBoardBuild>(statusBar(), Pictures().Count());
    SetBusy(true);
    board_->Build(Pictures().Model().Rows(), JPEGDefaults());
}

void TfrmMain::FinishThumbBoard(const TBoardEnd& end)
{
    const std::unique_ptr<TBoardBuild> build = std::move(boardBuild_);
    SetBusy(false);
    // The list took no rows away while the build ran: its rows are still the board's.
    if (end.placed > 0)
        pictures_.Name(end.placed - 1);
    // A picture named from outside stays current among its folder's thumbnails.
    PointAtNamed();
    if (!end.unreadable.empty())
        Dialogs().ShowMessage(UnreadableFilesText(end.unreadable), TMessageKind::Error);
}

bool TfrmMain::BoardInStep() const
{
    return board_ && !Busy() && board_->Shows(Pictures().Model().Rows());
}

void TfrmMain::RemoveThumbs(const std::vector<int>& rows)
{
    board_->RemoveThumbs(rows);
    pictures_.Name(board_->ThumbCount() - 1);
}

void TfrmMain::CancelJobs()
{
    if (folderJob_.Running()) {
        folderJob_.Cancel();
        named_.reset();
        SetBusy(false);
    }
    // The listing is done and its rows are in: their build, which had not begun, begins.
    if (boardAfterFolder_->isActive())
        BuildAfterFolder();
    else if (board_)
        board_->EndBuild();
}

bool TfrmMain::Busy() const
{
    return (board_ && board_->Building()) || folderJob_.Running() || boardAfterFolder_->isActive();
}

void TfrmMain::FormMouseDown(int row)
{
    pictures_.Point(row);
}

void TfrmMain::FormDblClick(int row)
{
    if (Pictures().Count() == 0)
        return;
    pictures_.Point(row);
    Forms.Show->Show();
}
