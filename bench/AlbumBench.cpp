// lumora_album_bench [--size WxH] [--count N]
// The album's thumbnail step on N photo-like JPEGs (4000 x 3000 and 100 unless told),
// made into 100 x 100 thumbnails by a whole Make run on one thread and on every core,
// against the sum of plain libjpeg-turbo full decodes of the same files divided by the
// cores. The pages of a run take well under a millisecond a picture; the figures are
// the thumbnails'.

#include "BenchArgs.h"
#include "PhotoCorpus.h"
#include "PlainDecoder.h"
#include "BenchTiming.h"
#include "album/AlbumRun.h"
#include "imaging/JPEGImage.h"
#include "toolkit/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A run's messages go to the terminal: only "Write down." is expected.
class TPrintedDialogs : public TDialogs {
public:
    void ShowMessage(const std::string& text, TMessageKind) override { std::printf("  message: %s\n", text.c_str()); }
    bool AskYesNo(const std::string&) override { return false; }
    std::vector<std::string> OpenFiles(const TOpenFileRequest&) override { return {}; }
    std::optional<TColor> PickColor(TColor) override { return std::nullopt; }
};

double RunWith(const TAlbumInputs& inputs, int threads)
{
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    return Milliseconds([&] {
        TAlbumRun run(&pool);
        QEventLoop loop;
        run.Start(inputs, {}, [&] { loop.quit(); });
        loop.exec();
    });
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int width = 4000, height = 3000, count = 100;
    ReadSizeOption(argc, argv, "--size", width, height);
    ReadCountOption(argc, argv, "--count", count);
    TPrintedDialogs dialogs;
    SetDialogs(&dialogs);

    // One photo-like picture, encoded once and stored under count names.
    QTemporaryDir dir;
    const std::string folder = QFile::encodeName(dir.path()).toStdString() + "/";
    TJPEGImage encoder;
    encoder.Assign(PhotoLikeBitmap(width, height));
    const QByteArray bytes = encoder.SaveToBytes();
    TAlbumInputs inputs{{}, folder + "pages/", "Bench", {1, "100", "100", "20", "20"}, JPEGDefaults()};
    QDir().mkpath(dir.filePath("pages"));
    for (int n = 1; n <= count; ++n) {
        const std::string base = "IMG_" + std::to_string(n);
        QFile out(QFile::decodeName((folder + base + ".jpg").c_str()));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        inputs.entries.push_back({folder, base, "jpg"});
    }
    const int cores = QThread::idealThreadCount();
    std::printf("%d pictures %d x %d (%.2f MB each), 100 x 100 thumbnails, %d cores\n", count, width, height,
                bytes.size() / 1e6, cores);

    double decodes = 0;
    for (const TAlbumEntry& e : inputs.entries) {
        QFile in(QFile::decodeName((e.Folder + e.BaseName + ".jpg").c_str()));
        in.open(QIODevice::ReadOnly);
        const QByteArray file = in.readAll();
        decodes += Milliseconds([&] { PlainDecode(file); });
    }
    const double one = RunWith(inputs, 1);
    const double all = RunWith(inputs, cores);
    std::printf("sum of plain full decodes   %9.1f ms  / %d cores = %9.1f ms\n", decodes, cores, decodes / cores);
    std::printf("album run on 1 thread       %9.1f ms\n", one);
    std::printf("album run on %d threads      %9.1f ms\n", cores, all);
    std::printf("speed-up %.2f x (goal >= 1.8 on 2) | against decodes / cores %.3f x (goal <= 1.15)\n", one / all,
                all / (decodes / cores));
    SetDialogs(nullptr);
    return 0;
}
