#pragma once
// TThumbBoard: the scroll box "ScrollBoxTb" that holds the thumbnails and their frame.
// Every row placed has its size, hint and place at once; its control "ImageTb" + row is
// made only while the row is in or near the view (and for the last row), so a board of
// ten thousand rows holds about a hundred controls, and a screen reader is offered
// only what can be seen. Pixels follow from worker threads, those in view first,
// through the cache of display copies.

#include "thumbs/ThumbDecoder.h"
#include "thumbs/ThumbHeader.h"
#include "thumbs/window/ThumbImage.h"

#include <QScrollArea>

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class TThumbCache;

class TThumbBoard : public QScrollArea {
public:
    TThumbBoard(QWidget* parent, int perRow, TThumbCache& cache);

    int PerRow() const { return perRow_; }
    // The control thumbnails and the frame are placed on.
    QWidget* Surface() const { return widget(); }
    // Places thumbnail row in its cell with hint; it shows the cached copy of path when
    // there is one, and the damaged mark when the header could not be read.
    void AddThumb(int row, const std::string& path, const TThumbHeader& header, const std::string& hint);
    // The control of thumbnail row, made now if the row lies out of view; it may be
    // deleted once the view moves away from it, except the last row's.
    TImage* Thumb(int row);
    int ThumbCount() const { return static_cast<int>(cells_.size()); }
    const std::string& Path(int row) const { return cells_.at(static_cast<std::size_t>(row)).path; }
    // The thumbnail a frame at frameBounds surrounds; null when none.
    TImage* ThumbFramedBy(const QRect& frameBounds);
    // Takes out the thumbnails of rows (ascending), the later ones moving up and taking
    // the names and places a build of the rows left would give them.
    void RemoveThumbs(const std::vector<int>& rows);
    // Decodes the pixels of every thumbnail that has none yet.
    void StartDecoding(const TJPEGSettings& jpeg);
    TThumbDecoder& Decoder() { return decoder_; }

    // What a press and a double click on any thumbnail call.
    TImage::THandler OnMouseDown;
    TImage::THandler OnDblClick;

private:
    struct TCell {
        std::string path;
        TThumbHeader header;
        QString hint;
        QRect bounds;
        QImage picture;  // null until decoded, or once the cache dropped it
        bool damaged = false;
    };

    // A thumbnail with a size whose pixels have not arrived, or were dropped.
    bool NeedsPixels(int row) const;
    // The device pixels a thumbnail at bounds is drawn at.
    QSize PixelSize(const QRect& bounds) const;
    // The rows whose controls are kept: those in view and a view's worth around.
    std::pair<int, int> NearRows() const;
    // Near, or the last row, whose control the frame is drawn around.
    bool Kept(int row) const;
    TImage* Make(int row);
    void Retire(TImage* thumb);
    void ViewMoved();
    void Decoded(int row, const TDisplayCopy& copy);
    void SetPixels(int row, const QImage& picture, bool damaged);
    int Distance(const std::string& path) const;

    int perRow_;
    TThumbCache& cache_;
    std::vector<TCell> cells_;
    std::map<int, TImage*> made_;  // the rows that have a control now
    std::unordered_map<std::string, std::vector<int>> rowsOf_;
    std::pair<int, int> view_{0, 0};
    std::optional<TJPEGSettings> jpeg_;  // the settings decoding runs under, once started
    TThumbDecoder decoder_;
};
