#pragma once
// A progress bar in a window's status bar for the length of a long job: it shows up when
// made and goes when it goes out of scope. Report fits RunJobsInOrder's progress step:
//     TStatusProgress shown(statusBar(), count, "Thumbnails made");
//     RunJobsInOrder(count, work, apply, std::bind_front(&TStatusProgress::Report, &shown));

#include <QPointer>
#include <QString>

#include <optional>
#include <utility>

class QProgressBar;
class QStatusBar;

class TStatusProgress {
public:
    // what names what the bar counts, for screen readers.
    TStatusProgress(QStatusBar* statusBar, int total, const QString& what);
    ~TStatusProgress();
    TStatusProgress(const TStatusProgress&) = delete;
    TStatusProgress& operator=(const TStatusProgress&) = delete;

    // Shows "done / total" once the event loop runs.
    void Report(int done, int total);

private:
    QStatusBar* statusBar;
    // The status bar owns the bar; a window closed during the job takes both with it.
    QPointer<QProgressBar> bar;
    // The figures reported and not shown yet.
    std::optional<std::pair<int, int>> shown;
};
