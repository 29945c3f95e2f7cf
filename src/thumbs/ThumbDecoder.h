#pragma once
// Makes the board's thumbnails on a thread pool, those in view first: each job gets a
// path, the size drawn and copied JPEG settings and returns a display copy, from the
// desktop's shared thumbnail cache, the camera's preview or a decode. Results
// come back on the user-interface thread; a new Start drops what the old one left.
//
// User-interface thread only; the workers see only their own copy of a job.

#include "imaging/DisplayCopy.h"
#include "imaging/JPEGSettings.h"
#include "thumbs/ThumbHeader.h"
#include "toolkit/HandOver.h"

#include <QSize>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

class QThreadPool;

struct TThumbJob {
    std::string path;
    QSize size;           // the device pixels the thumbnail is drawn at
    TThumbHeader header;  // what the build read of the file, which the decode does not read again
};

class TThumbDecoder {
public:
    using TDone = std::function<void(int row, const TDisplayCopy& copy)>;
    // Row's job, asked for on this thread when the row is next to be decoded.
    using TJobOf = std::function<TThumbJob(int row)>;

    // done gets each result of the current generation; pool null: the global pool.
    explicit TThumbDecoder(TDone done, QThreadPool* pool = nullptr);
    // Stops first: the decodes still running hand their results to this decoder.
    ~TThumbDecoder();
    TThumbDecoder(const TThumbDecoder&) = delete;
    TThumbDecoder& operator=(const TThumbDecoder&) = delete;

    // A new generation of rows rows: jobOf(row) for every row in wanted, under these
    // settings. A job is made when its row's turn comes, so a start costs nothing per row.
    void Start(int rows, TJobOf jobOf, const std::vector<int>& wanted, const TJPEGSettings& jpeg);
    // Rows first..last are in view: they go first, then the rows nearest to them.
    void SetView(int first, int last);
    // Decode row (again, when its copy was dropped); nothing when it is waiting or being
    // decoded already.
    void Want(int row);
    // Want for each of rows, in one go.
    void Want(const std::vector<int>& rows);
    // At most workers decodes at once (0: one a thread of the pool), as THandOver::SetWorkers.
    void SetWorkers(int workers) { handOver_.SetWorkers(workers); }
    // Forget the waiting rows farther from the view than row.
    void ForgetFartherThan(int row);
    // Drops the waiting rows and the results still to come, and waits for the decodes
    // still running.
    void Stop();
    bool Idle() const { return handOver_.Unfinished() == 0 && waiting_.empty(); }

private:
    int Nearest() const;
    void Pump();

    TDone done_;
    QThreadPool* pool_;
    std::string sharedRoot_;  // read once, on the user-interface thread
    // Results come back in the order they finished; a new generation at each Start.
    THandOver handOver_;
    int rows_ = 0;
    TJobOf jobOf_;
    TJPEGSettings jpeg_;
    std::set<int> waiting_;
    std::set<int> running_;  // handed to the pool, their results not back yet
    std::pair<int, int> view_{0, 0};  // the rows in view, first and last
};
