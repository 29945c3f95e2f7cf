#include "album/AlbumRun.h"

#include "album/AlbumPages.h"
#include "imaging/JPEGImage.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Hourglass.h"
#include "toolkit/OrderedJobs.h"
#include "toolkit/PathFile.h"
#include "toolkit/RunTime.h"
#include "toolkit/TextFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const std::string kCannotOpenOutput = "Cannot open output file.";

int Count(const std::vector<TAlbumEntry>& entries)
{
    return static_cast<int>(entries.size());
}

// Pieces of at most size, rounded up: six pictures to a row file, three row files to a page.
int Pieces(int items, int size)
{
    return items / size + (items % size != 0 ? 1 : 0);
}

// Row file k (from 1) for pictures 6(k - 1) + 1 .. 6k; the names of those made, in order.
std::vector<std::string> WriteRowFiles(const TAlbumInputs& in, const QTemporaryDir& folder)
{
    const int count = Count(in.entries);
    std::vector<std::string> made;
    for (int k = 1; k <= Pieces(count, 6); ++k) {
        std::vector<TRowPicture> pictures;
        for (int n = 6 * (k - 1) + 1; n <= std::min(6 * k, count); ++n)
            pictures.push_back({n, in.entries[static_cast<std::size_t>(n - 1)].BaseName});
        const std::string name = QFile::encodeName(folder.filePath(QString::number(k) + ".txt")).toStdString();
        if (!folder.isValid() || !WriteTextFileAtomic(name, RowFragment(pictures))) {
            Dialogs().ShowMessage(kCannotOpenOutput + IntToStr(k) + ".txt");
            break;
        }
        made.push_back(name);
    }
    return made;
}

void WritePicturePages(const TAlbumInputs& in, const std::vector<std::string>& pictureFiles)
{
    const int count = Count(in.entries);
    for (int n = 1; n <= count; ++n) {
        const auto at = static_cast<std::size_t>(n - 1);
        const std::string page = PicturePage(in.entries[at].BaseName, pictureFiles[at], n, count);
        if (!WriteTextFileAtomic(in.prefix + "Show" + IntToStr(n) + ".htm", page, TMissingFolder::Fail)) {
            Dialogs().ShowMessage(kCannotOpenOutput + IntToStr(n) + ".htm");
            break;
        }
    }
}

// The lines of a row file, each up to its line feed; nothing after the last one.
void AppendLines(const std::string& text, std::vector<std::string>& lines)
{
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

void WriteIndexPages(const TAlbumInputs& in, const std::vector<std::string>& rowFiles)
{
    const int rows = static_cast<int>(rowFiles.size());
    const int pages = Pieces(rows, 3);
    for (int m = 1; m <= pages; ++m) {
        std::vector<std::string> lines;
        for (int k = 3 * (m - 1); k < std::min(3 * m, rows); ++k) {
            const std::string& rowFile = rowFiles[static_cast<std::size_t>(k)];
            if (const std::optional<std::string> text = ReadTextFile(rowFile))
                AppendLines(*text, lines);
            else
                Dialogs().ShowMessage("Cannot open " + rowFile + " file.");
        }
        if (!WriteTextFileAtomic(in.prefix + "Thumb" + IntToStr(m) + ".htm", IndexPage(in.title, lines, m, pages),
                                TMissingFolder::Fail)) {
            Dialogs().ShowMessage(kCannotOpenOutput + IntToStr(m) + ".htm");
            break;
        }
    }
}

void SaveThumbnail(const std::string& path, const QByteArray& bytes, const TJPEGSettings& settings)
{
    TJPEGImage thumbnail(settings);
    thumbnail.LoadFromBytes(bytes);
    thumbnail.SaveToFile(path);
}

// The name in folder of the picture base + ".jpg" in whatever case it is spelled on
// disk, as Windows would find it; base + ".jpg" when there is none.
std::string PictureFileName(const std::string& folder, const std::string& baseName)
{
    const std::string wanted = baseName + ".jpg";
    if (PathExists(folder + wanted))
        return wanted;
    std::vector<std::string> names = FileNamesIn(folder);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        if (CompareText(name, wanted) == 0)
            return name;
    return wanted;
}

} // namespace

TAlbumRun::TAlbumRun(QThreadPool* pool) : thumbs_(pool)
{
}

TAlbumRun::~TAlbumRun() = default;

void TAlbumRun::Start(const TAlbumInputs& inputs, const TProgressStart& startProgress, std::function<void()> ended)
{
    Cancel();
    hourglass_ = std::make_unique<THourglass>();
    ended_ = std::move(ended);
    std::vector<std::string> pictureFiles;
    for (const TAlbumEntry& e : inputs.entries)
        pictureFiles.push_back(PictureFileName(e.Folder, e.BaseName));
    {
        const QTemporaryDir rowFolder;
        const std::vector<std::string> rowFiles = WriteRowFiles(inputs, rowFolder);
        WritePicturePages(inputs, pictureFiles);
        WriteIndexPages(inputs, rowFiles);
    }  // the row files go with their folder
    // Thumbnails are made on the pool from the run's own copy of the inputs, and saved
    // here in album order; the first entry that fails ends the step.
    const int count = Count(inputs.entries);
    report_ = count > 0 && startProgress ? startProgress(count) : nullptr;
    thumbs_.Start(
        count,
        [in = inputs, pictureFiles](int i) {
            const auto at = static_cast<std::size_t>(i);
            return MakeThumbnail(in.entries[at].Folder + pictureFiles[at], in.thumbs, in.jpeg);
        },
        [entries = inputs.entries, jpeg = inputs.jpeg](int i, QByteArray& bytes) {
            const TAlbumEntry& e = entries[static_cast<std::size_t>(i)];
            SaveThumbnail(e.Folder + e.BaseName + "t.jpg", bytes, jpeg);
            return true;
        },
        [this](int done, int total) {
            if (report_)
                report_(done, total);
        },
        [this](const TJobEnd& end) {
            if (end.failure)
                Dialogs().ShowMessage("Could not load or alter JPEG Files");
            End();
        });
}

void TAlbumRun::End()
{
    report_ = nullptr;
    hourglass_.reset();
    const std::function<void()> ended = std::move(ended_);
    Dialogs().ShowMessage("Write down.");
    if (ended)
        ended();
}

void TAlbumRun::Stop()
{
    thumbs_.Cancel();
    thumbs_.WaitForWorkers();
    report_ = nullptr;
    hourglass_.reset();
    ended_ = nullptr;
}

void TAlbumRun::Cancel()
{
    if (!thumbs_.Running())
        return;
    thumbs_.Cancel();
    End();
}
