#pragma once
// TThumbBoard: the scroll box "ScrollBoxTb" of the thumbnail board, a component. The rows
// of the selection list and the JPEG settings go in; a press or a double click on a
// thumbnail comes out as its row number, and a build's progress and end as figures.
//
// A build reads the rows' headers on the worker pool and places every row in its cell, in
// row order, with its size and hint at once; its control "ImageTb" + row is made only
// while the row is in or near the view, so a board of ten thousand rows holds about a
// hundred controls, and a screen reader is offered only what can be seen. Once the build
// ends, the highlight frame surrounds the last thumbnail and pixels follow from worker
// threads, those in view first, through the cache of display copies, which outlives the
// board so that the next one decodes only what changed.

#include "imaging/JPEGSettings.h"
#include "thumbs/ThumbDecoder.h"
#include "thumbs/ThumbHeader.h"
#include "thumbs/window/ThumbImage.h"
#include "toolkit/OrderedJobs.h"

#include <QScrollArea>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class TThumbCache;
struct TSelectionRow;

// How a build ended: the thumbnails it placed, the files among them it could not read,
// and what stopped it (null when nothing did).
struct TBoardEnd {
    int placed = 0;
    std::vector<TUnreadable> unreadable;
    std::exception_ptr failure;
};

class TThumbBoard : public QScrollArea {
public:
    // perRow thumbnails a grid row; cache holds the display copies from board to board.
    TThumbBoard(QWidget* parent, int perRow, std::shared_ptr<TThumbCache> cache);

    // Builds the board, once, from a copy of rows; pixels are decoded under jpeg. The
    // build ends from the event loop.
    void Build(std::vector<TSelectionRow> rows, const TJPEGSettings& jpeg);
    bool Building() const { return job_.Running(); }
    // Ends a running build where it is, as if its last placed thumbnail were its last.
    void EndBuild();
    // Drops a running build; its end is not reported.
    void CancelBuild();
    // Drops a running build and the decoding, and waits for the decodes still running.
    void Stop();

    // Whether the board is built, enabled and holds the thumbnails of exactly rows.
    bool Shows(const std::vector<TSelectionRow>& rows) const;
    // Takes the thumbnails of rows (ascending) off a built board, the later ones moving up
    // and taking the names and places a build of the rows left would give them; the frame
    // surrounds the last thumbnail again.
    void RemoveThumbs(const std::vector<int>& rows);

    int PerRow() const { return perRow_; }
    int ThumbCount() const { return static_cast<int>(cells_.size()); }
    // The row the highlight frame surrounds; -1 while there is no frame.
    int FramedRow() const { return framedRow_; }

    // What tests and benches look at. The control thumbnails and the frame are placed on.
    QWidget* Surface() const { return widget(); }
    // The control of thumbnail row, made now if the row lies out of view; it may be
    // deleted once the view moves away from it.
    TImage* Thumb(int row);
    // The highlight frame; null when there is none.
    TImage* Frame() const { return frame_; }
    const TThumbDecoder& Decoder() const { return decoder_; }

    // A press on thumbnail row, or on the frame around it; the frame has moved there.
    std::function<void(int row)> OnPress;
    std::function<void(int row)> OnDblClick;
    // A build's thumbnails placed so far, after each one.
    std::function<void(int placed, int total)> OnProgress;
    // The end of a build, unless it was dropped; the frame and the decoding have started.
    std::function<void(const TBoardEnd& end)> OnBuilt;

private:
    struct TCell {
        std::string path;
        TThumbHeader header;
        QString hint;
        QRect bounds;
        QImage picture;  // null until decoded, or once the cache dropped it
        bool damaged = false;
    };

    // Places thumbnail row in its cell with hint; it shows the cached copy of path when
    // there is one, and the damaged mark when the header could not be read.
    void AddThumb(int row, std::string path, TThumbHeader header, const std::string& hint);
    // The frame around the last thumbnail, the decoding, and the end reported.
    void Finish(std::exception_ptr failure);
    void Press(int row);
    void FrameRow(int row);
    // Takes the frame away, if there is one.
    void DropFrame();
    // A new generation of the decoding, for rows rows: the pixels of every thumbnail
    // placed that has none yet, and of those placed later that are wanted.
    void StartDecoding(int rows);
    // The placed thumbnails that need pixels.
    std::vector<int> RowsWithoutPixels() const;
    // The rows in view, and the decoder told of them.
    void SetDecodingView();
    // A thumbnail with a size whose pixels have not arrived, or were dropped.
    bool NeedsPixels(int row) const;
    // The device pixels a thumbnail at bounds is drawn at.
    QSize PixelSize(const QRect& bounds) const;
    // The rows whose controls are kept: those in view and a view's worth around.
    std::pair<int, int> NearRows() const;
    TImage* Make(int row);
    void Retire(TImage* thumb);
    void ViewMoved();
    void Decoded(int row, const TDisplayCopy& copy);
    void SetPixels(int row, const QImage& picture, bool damaged);
    int Distance(const std::string& path) const;

    int perRow_;
    std::shared_ptr<TThumbCache> cache_;
    std::vector<TCell> cells_;
    std::map<int, TImage*> made_;  // the rows that have a control now
    std::unordered_map<std::string, std::vector<int>> rowsOf_;
    std::pair<int, int> view_{0, 0};
    TImage* frame_ = nullptr;
    int framedRow_ = -1;
    TJPEGSettings jpeg_;
    std::vector<TUnreadable> unreadable_;  // the build's so far
    TThumbDecoder decoder_;
    // The build's header reads. Members go last to first: the reads and then the decodes
    // still running are waited for before what they deliver to goes.
    TOrderedJobs job_;
};
