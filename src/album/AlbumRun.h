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
#include "toolkit/Hourglass.h"
#include "toolkit/OrderedJobs.h"

#include <functional>
#include <memory>
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

// One album run at a time. The pages are written when it starts; the thumbnails follow
// from the pool while the event loop goes on, under the hourglass; "Write down." comes
// when they are done, and then ended. Cancelling ends the run there, with "Write down.".
// The destructor waits for the workers still running.
class TAlbumRun {
public:
    explicit TAlbumRun(QThreadPool* pool = nullptr);
    ~TAlbumRun();
    TAlbumRun(const TAlbumRun&) = delete;
    TAlbumRun& operator=(const TAlbumRun&) = delete;

    void Start(const TAlbumInputs& inputs, const TProgressStart& startProgress = {}, std::function<void()> ended = {});
    void Cancel();
    // Drops the run without its end or message, once its workers are done.
    void Stop();
    bool Running() const { return thumbs_.Running(); }

private:
    void End();

    TOrderedJobs thumbs_;
    std::unique_ptr<THourglass> hourglass_;
    std::function<void(int, int)> report_;
    std::function<void()> ended_;
};
