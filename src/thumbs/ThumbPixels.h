#pragma once
// A board thumbnail's pixels, made on a worker thread. The cheapest source that shows the
// file as it is goes first: the desktop's shared thumbnail cache, then the camera's preview
// in the file's EXIF block when it covers the thumbnail and has the picture's proportions,
// then a reduced decode. What a decode made goes into the shared cache for the next visit,
// written behind (SharedWrites).
// The shared cache holds colour thumbnails only: under grey or 8-bit settings it is left
// alone and the board decodes as those settings say.
//
// What the build's header read learned (the file's stamp, where the preview lies, ...) is
// taken as it is: the file is neither looked at nor read at its start again.

#include "imaging/DisplayCopy.h"
#include "imaging/JPEGSettings.h"
#include "thumbs/ThumbHeader.h"

#include <QSize>

#include <string>

struct TThumbRequest {
    std::string path;
    QSize size;              // the device pixels the thumbnail is drawn at
    TJPEGSettings jpeg;      // JPEGDefaults() as they were when the request was made
    std::string sharedRoot;  // the shared cache's folder; empty: not used
    TThumbHeader header;     // ReadThumbHeader's of the file
};

// Never throws. The copy's image has the request's size and its stamp is the header's;
// natural is set only when the file was decoded; error is set when it could not be, or
// when the shared cache notes that.
TDisplayCopy MakeThumbCopy(const TThumbRequest& request);
