#pragma once
// TThumbBoard: the scroll box "ScrollBoxTb" that holds the thumbnails and their frame.
// Thumbnails get their size and hint when they are added; their pixels follow from
// worker threads, those in view first, through the cache of display copies.

#include "thumbs/ThumbDecoder.h"
#include "thumbs/ThumbHeader.h"

#include <QScrollArea>

#include <string>
#include <unordered_map>
#include <vector>

class TImage;
class TThumbCache;

class TThumbBoard : public QScrollArea {
public:
    TThumbBoard(QWidget* parent, int perRow, TThumbCache& cache);

    int PerRow() const { return perRow_; }
    // The control thumbnails and the frame are placed on.
    QWidget* Surface() const { return widget(); }
    // Thumbnail "ImageTb" + row, placed in its cell with hint; it shows the cached copy
    // of path when there is one, and the damaged mark when the header could not be read.
    TImage* AddThumb(int row, const std::string& path, const TThumbHeader& header, const std::string& hint);
    TImage* Thumb(int row) const { return thumbs_.at(static_cast<std::size_t>(row)); }
    int ThumbCount() const { return static_cast<int>(thumbs_.size()); }
    // The thumbnail a frame at frameBounds surrounds; null when none.
    TImage* ThumbFramedBy(const QRect& frameBounds) const;
    // Decodes the pixels of every thumbnail that has none yet.
    void StartDecoding(const TJPEGSettings& jpeg);
    TThumbDecoder& Decoder() { return decoder_; }

private:
    struct TThumbFile {
        std::string path;
        TThumbHeader header;
    };

    // A thumbnail with a size whose pixels have not arrived, or were dropped.
    bool NeedsPixels(int row) const;
    void ViewMoved();
    void Decoded(int row, const TDisplayCopy& copy);
    void Show(TImage* thumb, const TDisplayCopy& copy);
    int Distance(const std::string& path) const;

    int perRow_;
    TThumbCache& cache_;
    std::vector<TImage*> thumbs_;
    std::vector<TThumbFile> files_;
    std::unordered_map<std::string, std::vector<int>> rowsOf_;
    std::pair<int, int> view_{0, 0};
    TThumbDecoder decoder_;
};
