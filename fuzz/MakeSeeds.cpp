// Writes the fuzzer's seed corpus and the hostile inputs the replay keeps checking.
// Every input is one settings byte (see FuzzJPEG.cpp) followed by a JPEG file.
//   lumora_fuzz_seeds fuzz/corpus fuzz/regressions

#include "imaging/JPEGImage.h"
#include "support/PictureMakers.h"

#include <QDir>

#include <cstdio>
#include <string>

namespace {

void Put(const QString& dir, const std::string& name, char flags, const QByteArray& jpeg)
{
    WriteFileBytes(QDir(dir).filePath(QString::fromStdString(name)).toStdString(), flags + jpeg);
}

// A file from Lumora's own encoder.
QByteArray OwnEncoding(int width, int height, bool gray, bool progressive)
{
    TJPEGImage jpeg;
    jpeg.SetGrayMode(gray);
    jpeg.SetWriteProgressive(progressive);
    jpeg.Assign(TBitmap(TestPatternImage(width, height)));
    return jpeg.SaveToBytes();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR REGRESSIONS_DIR\n", argv[0]);
        return 2;
    }
    const QString corpus = QString::fromLocal8Bit(argv[1]);
    const QString hostile = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(corpus);
    QDir().mkpath(hostile);

    Put(corpus, "rgb-baseline", 0, MakeTestJpeg(17, 13));
    Put(corpus, "rgb-progressive", 0, MakeTestJpeg(24, 16, {.progressive = true}));
    Put(corpus, "rgb-progressive-shown", 32, MakeTestJpeg(24, 16, {.progressive = true}));
    Put(corpus, "rgb-8bit", 8, MakeTestJpeg(20, 20));
    Put(corpus, "rgb-8bit-fast", 8 | 16, MakeTestJpeg(20, 20, {.progressive = true}));
    Put(corpus, "rgb-gray-mode-half", 4 | 1, MakeTestJpeg(33, 9));
    Put(corpus, "rgb-eighth-unsmoothed", 3 | 64, MakeTestJpeg(40, 24, {.progressive = true}));
    Put(corpus, "rgb-restarts", 0, MakeTestJpeg(32, 32, {.restartRows = 1}));
    Put(corpus, "rgb-arithmetic", 0, MakeTestJpeg(16, 16, {.arithmetic = true}));
    Put(corpus, "rgb-arithmetic-progressive", 0, MakeTestJpeg(16, 16, {.progressive = true, .arithmetic = true}));
    Put(corpus, "rgb-truncated", 0, MakeTestJpeg(32, 32, {.truncateTo = 400}));
    Put(corpus, "grey", 0, MakeTestJpeg(15, 15, {.color = TJpegColor::Grey}));
    Put(corpus, "grey-progressive", 32, MakeTestJpeg(16, 8, {.color = TJpegColor::Grey, .progressive = true}));
    Put(corpus, "cmyk-adobe", 0, MakeTestJpeg(12, 12, {.color = TJpegColor::Cmyk}));
    Put(corpus, "cmyk-plain-8bit", 8, MakeTestJpeg(12, 12, {.color = TJpegColor::Cmyk, .adobeInverted = false}));
    Put(corpus, "ycck-gray-mode", 4, MakeTestJpeg(12, 12, {.color = TJpegColor::Ycck}));
    Put(corpus, "ycck-progressive", 32, MakeTestJpeg(12, 12, {.color = TJpegColor::Ycck, .progressive = true}));
    Put(corpus, "own-baseline", static_cast<char>(128), OwnEncoding(19, 11, false, false));
    Put(corpus, "own-progressive-gray", 0, OwnEncoding(19, 11, true, true));

    Put(hostile, "huge-header", 0, MakeTestJpeg(16, 16, {.announcedWidth = 65500, .announcedHeight = 65500}));
    Put(hostile, "just-over-1GiB", 0, MakeTestJpeg(16, 16, {.announcedWidth = 16384, .announcedHeight = 21846}));
    Put(hostile, "501-scans", 0, MakeTestJpeg(8, 8, {.color = TJpegColor::Grey, .scans = 501}));
    Put(hostile, "501-scans-shown", 32, MakeTestJpeg(8, 8, {.color = TJpegColor::Grey, .scans = 501}));
    Put(hostile, "zero-length", 0, QByteArray());
    Put(hostile, "soi-only", 0, QByteArray("\xFF\xD8", 2));
    Put(hostile, "truncated-in-header", 0, MakeTestJpeg(16, 16, {.truncateTo = 100}));
    Put(hostile, "truncated-progressive-8bit", 8 | 32, MakeTestJpeg(64, 64, {.progressive = true, .truncateTo = 900}));
    Put(hostile, "not-a-jpeg", 0, MakeTestBmp(4, 4));
    return 0;
}
