#include "BoardDriver.h"

#include "BenchTiming.h"
#include "Forms.h"
#include "browse/PictureSet.h"
#include "app/window/UnitMain.h"
#include "imaging/JPEGCodec.h"
#include "imaging/JPEGImage.h"
#include "imaging/JPEGSettings.h"
#include "thumbs/SharedThumbnails.h"
#include "thumbs/SharedWrites.h"
#include "thumbs/window/ThumbBoard.h"
#include "thumbs/ThumbGeometry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

TCorpus MakeCorpus(const std::string& folder, int rows, const std::vector<std::string>& distinct,
                   const std::string& extension)
{
    std::filesystem::create_directory(folder);
    TCorpus corpus{folder, {}, {}};
    for (int i = 0; i < rows; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "p%05d%s", i, extension.c_str());
        const int k = i % static_cast<int>(distinct.size());
        std::filesystem::create_hard_link(distinct[static_cast<std::size_t>(k)], folder + "/" + name);
        corpus.names.push_back(name);
        corpus.source.push_back(k);
    }
    return corpus;
}

double EighthDecodeMilliseconds(const std::string& path)
{
    return ScaledDecodeMilliseconds(path, 8);
}

double ScaledDecodeMilliseconds(const std::string& path, int denominator)
{
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    TJPEGDecodeParams params = JPEGDecodeParams(JPEGDefaults());
    params.scaleDenominator = denominator;
    std::vector<double> times;
    for (int r = 0; r < 3; ++r)
        times.push_back(Milliseconds([&] { DecodeJPEG(bytes, params); }));
    return Median(times);
}

double DecodeBound(const TCorpus& corpus, int rows, const std::vector<double>& eighth, int cores)
{
    double sum = 0;
    for (int i = 0; i < rows; ++i)
        sum += eighth[static_cast<std::size_t>(corpus.source[static_cast<std::size_t>(i)])];
    return sum / cores;
}

void ForgetSharedThumbnails()
{
    // What the run before left to write would land in the next run's empty cache.
    FinishSharedWrites();
    QDir(QString::fromStdString(SharedThumbnailRoot())).removeRecursively();
}

void OpenWindows()
{
    CreateForms();
    frmMain->show();
    frmMain->repaint();
}

void ShowDirectoryLayout()
{
    frmMain->ApplyDirectoryShowLayout();
    const auto settled = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    while (std::chrono::steady_clock::now() < settled)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    frmMain->repaint();
}

TThumbBoard* Board()
{
    return frmMain->Board();
}

std::pair<int, int> RowsOfView(int rows)
{
    const auto [first, last] =
        RowsInView(Board()->verticalScrollBar()->value(), Board()->viewport()->height(), Board()->PerRow());
    return {first, std::min(last, rows - 1)};
}

int RowsShown(int rows)
{
    const auto [first, last] = RowsOfView(rows);
    return last - first + 1;
}

bool ViewHasPixels(int rows)
{
    const auto [first, last] = RowsOfView(rows);
    if (Board()->ThumbCount() <= last)
        return false;
    for (int row = first; row <= last; ++row)
        if (Board()->Thumb(row)->Picture().isNull())
            return false;
    return true;
}

void BuildAndPlace(double* firstScreen)
{
    const auto start = std::chrono::steady_clock::now();
    frmMain->BuildThumbBoard();
    const int screen = RowsShown(frmMain->Pictures().Count());
    bool placed = false;
    while (frmMain->Busy()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (firstScreen && !placed && Board()->ThumbCount() >= screen) {
            placed = true;
            *firstScreen = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        }
    }
}

void DecodeAll()
{
    while (!Board()->Decoder().Idle())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TRun RunBoard(const TCorpus& corpus, bool waitForAll)
{
    std::vector<TSelectionRow> rows;
    for (const std::string& name : corpus.names)
        rows.push_back(*PictureRow(corpus.folder, name));
    frmMain->Pictures().Clear();
    frmMain->Pictures().Append(std::move(rows));
    TRun run;
    run.build = Milliseconds([&] { BuildAndPlace(&run.firstScreen); });
    const auto start = std::chrono::steady_clock::now();
    const auto since = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    while (!ViewHasPixels(static_cast<int>(corpus.names.size())))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Board()->viewport()->grab();
    run.view = since();
    if (waitForAll) {
        DecodeAll();
        run.all = since();
    }
    return run;
}
