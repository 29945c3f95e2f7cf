#pragma once
// What Make does, without the window: the row files, picture pages and index pages at
// the output prefix, then a thumbnail beside every picture, reporting through the
// dialogs seam and ending with "Write down.".
//
// Row files are scratch: they live in a private temporary folder, never at the prefix,
// and go before the thumbnails are made. Thumbnails are decoded, reduced and encoded
// on the pool's threads and written in album order, so the files and the one failure
// message are those of a run on one thread.

#include "album/AlbumEntry.h"
#include "album/AlbumThumbs.h"
#include "imaging/JPEGSettings.h"

#include <functional>
#include <string>
#include <vector>

class QThreadPool;

// Everything a run reads, taken once when Make is pressed.
struct TAlbumInputs {
    std::vector<TAlbumEntry> entries;  // in album order
    std::string prefix;                // put before every page name, as it is
    std::string title;
    TThumbSettings thumbs;
    TJPEGSettings jpeg;                // JPEGDefaults() as they were
};

// Called when the thumbnail step starts with its number of pictures; returns what
// reports pictures done, and the display lasts as long as that reporter.
using TProgressStart = std::function<std::function<void(int done, int total)>(int total)>;

// The whole run on the calling thread (the user-interface thread), under the hourglass;
// it waits for the thumbnails with only user input held back. A null pool is the
// global one.
void MakeAlbum(const TAlbumInputs& inputs, const TProgressStart& startProgress = {}, QThreadPool* pool = nullptr);
