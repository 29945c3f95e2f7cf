// Writes every fuzz target's seed corpus and the hostile inputs its replay keeps checking,
// each target in folders of its own: corpus/TARGET and regressions/TARGET.
//   lumora_fuzz_seeds fuzz
// jpeg: one settings byte (see FuzzJPEG.cpp) followed by a JPEG file; bmp: a file;
// settings: a settings file; album: the title and picked paths, each ended by a zero byte;
// qt, heif, jxl, raw: a file.

#include "imaging/JPEGImage.h"
#include "settings/SettingsFile.h"
#include "support/PictureMakers.h"
#include "support/TypeMakers.h"
#include "text/AllTools.h"
#include "toolkit/Bitmap.h"
#include "toolkit/TextFile.h"

#include <QColorSpace>
#include <QDir>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A target's two folders, made on first use.
struct TFolders {
    QString corpus;
    QString hostile;
};

TFolders Folders(const QString& root, const char* target)
{
    const TFolders f{QDir(root).filePath(QStringLiteral("corpus/") + target),
                     QDir(root).filePath(QStringLiteral("regressions/") + target)};
    QDir().mkpath(f.corpus);
    QDir().mkpath(f.hostile);
    return f;
}

void Put(const QString& dir, const std::string& name, const QByteArray& bytes)
{
    WriteFileBytes(QDir(dir).filePath(QString::fromStdString(name)).toStdString(), bytes);
}

void Put(const QString& dir, const std::string& name, char flags, const QByteArray& jpeg)
{
    Put(dir, name, flags + jpeg);
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

void JpegSeeds(const TFolders& f)
{
    const QString& corpus = f.corpus;
    const QString& hostile = f.hostile;
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
    // Camera pictures: each EXIF orientation at another scale, and colours in Adobe RGB.
    for (int orientation = 1; orientation <= 8; ++orientation)
        Put(corpus, "exif-orientation-" + std::to_string(orientation), static_cast<char>(orientation % 4),
            MakeTestJpeg(20, 12, {.exif = ExifWithOrientation(orientation)}));
    const QByteArray adobe = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
    Put(corpus, "icc-adobe", 0, MakeTestJpeg(16, 16, {.iccProfile = adobe}));
    Put(corpus, "icc-adobe-8bit", 8, MakeTestJpeg(16, 16, {.iccProfile = adobe}));
    Put(corpus, "icc-adobe-turned", 1, MakeTestJpeg(24, 8, {.exif = ExifWithOrientation(6), .iccProfile = adobe}));
    // Camera previews as the board takes them, upright, turned and in Adobe RGB.
    const QByteArray preview = MakeTestJpeg(16, 12, {.quality = 50});
    for (const int orientation : {1, 6, 8})
        Put(corpus, "exif-preview-" + std::to_string(orientation), 0,
            MakeTestJpeg(32, 24, {.exif = ExifWithPreview(orientation, preview)}));
    Put(corpus, "exif-preview-adobe", 16, MakeTestJpeg(32, 24, {.exif = ExifWithPreview(3, preview), .iccProfile = adobe}));

    Put(hostile, "huge-header", 0, MakeTestJpeg(16, 16, {.announcedWidth = 65500, .announcedHeight = 65500}));
    Put(hostile, "just-over-1GiB", 0, MakeTestJpeg(16, 16, {.announcedWidth = 16384, .announcedHeight = 21846}));
    Put(hostile, "501-scans", 0, MakeTestJpeg(8, 8, {.color = TJpegColor::Grey, .scans = 501}));
    Put(hostile, "501-scans-shown", 32, MakeTestJpeg(8, 8, {.color = TJpegColor::Grey, .scans = 501}));
    Put(hostile, "zero-length", 0, QByteArray());
    Put(hostile, "soi-only", 0, QByteArray("\xFF\xD8", 2));
    Put(hostile, "truncated-in-header", 0, MakeTestJpeg(16, 16, {.truncateTo = 100}));
    Put(hostile, "truncated-progressive-8bit", 8 | 32, MakeTestJpeg(64, 64, {.progressive = true, .truncateTo = 900}));
    Put(hostile, "not-a-jpeg", 0, MakeTestBmp(4, 4));
    QByteArray farDirectory = ExifWithOrientation(6);
    farDirectory[10] = '\xF0';  // the first directory's offset points past the block
    for (const auto& [name, exif] : {std::pair{"exif-orientation-0", ExifWithOrientation(0)},
                                     std::pair{"exif-orientation-9", ExifWithOrientation(9)},
                                     std::pair{"exif-cut-short", ExifWithOrientation(6).left(20)},
                                     std::pair{"exif-far-directory", farDirectory}})
        Put(hostile, name, 0, MakeTestJpeg(20, 12, {.exif = exif}));
    const QByteArray previewExif = ExifWithPreview(6, preview);
    for (const auto& [name, exif] : {std::pair{"exif-preview-cut-short", previewExif.left(previewExif.size() - 40)},
                                     std::pair{"exif-preview-not-a-jpeg", ExifWithPreview(1, QByteArray(300, 'p'))},
                                     std::pair{"exif-preview-huge", ExifWithPreview(1, MakeTestJpeg(16, 12, {.announcedWidth = 40000, .announcedHeight = 30000}))}})
        Put(hostile, name, 0, MakeTestJpeg(32, 24, {.exif = exif}));
    Put(hostile, "icc-cut-short", 0, MakeTestJpeg(16, 16, {.iccProfile = adobe.left(adobe.size() / 2)}));
    Put(hostile, "icc-not-a-profile", 0, MakeTestJpeg(16, 16, {.iccProfile = QByteArray(200, 'x')}));
}

// A bitmap file as Lumora saves it.
QByteArray OwnBitmap(TBitmap bitmap)
{
    return bitmap.SaveToBytes();
}

// A little-endian field of a bitmap file's headers rewritten.
QByteArray Patched(QByteArray bmp, int offset, std::int32_t value, int bytes = 4)
{
    for (int i = 0; i < bytes; ++i)
        bmp[offset + i] = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
    return bmp;
}

// Offsets in the file header and the BITMAPINFOHEADER after it.
constexpr int kBmpWidth = 18, kBmpHeight = 22, kBmpBits = 28, kBmpCompression = 30, kBmpColorsUsed = 46;

void BmpSeeds(const TFolders& f)
{
    Put(f.corpus, "rgb-24bit", MakeTestBmp(17, 13));
    Put(f.corpus, "rgb-24bit-1x1", MakeTestBmp(1, 1));
    TBitmap indexed(TestPatternImage(12, 7));
    indexed.SetPixelFormat(TPixelFormat::pf8bit);
    Put(f.corpus, "own-8bit", OwnBitmap(indexed));
    Put(f.corpus, "own-24bit", OwnBitmap(TBitmap(TestPatternImage(9, 5))));
    Put(f.corpus, "top-down", Patched(MakeTestBmp(8, 6), kBmpHeight, -6));
    // Other depths over the same headers, for the fuzzer to repair.
    Put(f.corpus, "as-1bit", Patched(OwnBitmap(indexed), kBmpBits, 1, 2));
    Put(f.corpus, "as-4bit", Patched(OwnBitmap(indexed), kBmpBits, 4, 2));
    Put(f.corpus, "as-16bit", Patched(MakeTestBmp(8, 4), kBmpBits, 16, 2));
    Put(f.corpus, "as-32bit", Patched(MakeTestBmp(8, 4), kBmpBits, 32, 2));

    Put(f.hostile, "zero-length", QByteArray());
    Put(f.hostile, "header-only", MakeTestBmp(4, 4).left(54));
    Put(f.hostile, "truncated-pixels", MakeTestBmp(32, 32).left(200));
    Put(f.hostile, "huge-announced", Patched(Patched(MakeTestBmp(4, 4), kBmpWidth, 65535), kBmpHeight, 65535));
    Put(f.hostile, "just-over-1GiB", Patched(Patched(MakeTestBmp(4, 4), kBmpWidth, 16384), kBmpHeight, 21846));
    Put(f.hostile, "negative-width", Patched(MakeTestBmp(4, 4), kBmpWidth, -4));
    Put(f.hostile, "most-negative-height", Patched(MakeTestBmp(4, 4), kBmpHeight, INT32_MIN));
    Put(f.hostile, "zero-bits", Patched(MakeTestBmp(4, 4), kBmpBits, 0, 2));
    Put(f.hostile, "rle8-over-24bit", Patched(MakeTestBmp(8, 8), kBmpCompression, 1));
    Put(f.hostile, "huge-palette", Patched(OwnBitmap(indexed), kBmpColorsUsed, INT32_MAX));
    Put(f.hostile, "not-a-bitmap", MakeTestJpeg(8, 8));
}

// The test pattern fading from opaque on the left to clear on the right.
QImage Fading(int width, int height)
{
    QImage image = TestPatternImage(width, height).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (image.pixel(x, y) & 0xFFFFFF) | (255 - 255 * x / (width - 1)) << 24);
    return image;
}

void HeifSeeds(const TFolders& f)
{
    const QImage pattern = TestPatternImage(32, 24);
    const QByteArray heic = MakeTypePicture("heic", pattern);
    Put(f.corpus, "heic", heic);
    Put(f.corpus, "avif", MakeTypePicture("avif", pattern));
    Put(f.corpus, "heic-thumbnail", MakeTypePicture("heic", pattern, {.thumbnail = 16}));
    Put(f.corpus, "heic-alpha", MakeTypePicture("heic", Fading(32, 24)));
    Put(f.corpus, "avif-alpha-thumbnail", MakeTypePicture("avif", Fading(32, 24), {.thumbnail = 16}));

    Put(f.hostile, "zero-length", QByteArray());
    Put(f.hostile, "cut-short", heic.left(heic.size() / 2));
    Put(f.hostile, "not-a-heif", MakeTestJpeg(8, 8));
}

// Settings files as Lumora writes them: CR LF line ends.
QByteArray SettingsFileBytes(const TSettings& values, const TBrowseSettings& browse)
{
    TAllTools tools;
    return QByteArray::fromStdString(ToCrLf(SettingsText(values, browse, tools)));
}

void SettingsSeeds(const TFolders& f)
{
    const TSettings windows = DefaultSettings(WindowsDefaultSettings());
    Put(f.corpus, "windows-defaults", SettingsFileBytes(windows, {}));
    Put(f.corpus, "platform-defaults", SettingsFileBytes(DefaultSettings(PlatformDefaultSettings()), {}));

    TSettings changed = windows;
    changed.ImageTool = "a=b";
    changed.SlideDelay.clear();
    changed.HtmlThumbMode = -2147483647 - 1;
    changed.ViewerBackdrop = 0x123456;
    TBrowseSettings browse{0x00FF00, SystemColor(8), {}};
    for (int k = 0; k < 3; ++k)
        browse.SavedPaths.push_back({"mPath" + std::to_string(k), "&" + std::to_string(k) + ".C:\\Pics\\" + std::string(40 * k, 'x')});
    Put(f.corpus, "changed-with-saved-paths", SettingsFileBytes(changed, browse));

    const QByteArray defaults = SettingsFileBytes(windows, {});
    Put(f.corpus, "linux-line-ends", QByteArray::fromStdString(FromCrLf(defaults.toStdString())));
    Put(f.corpus, "no-last-line-end", defaults.left(defaults.size() - 2));

    Put(f.hostile, "zero-length", QByteArray());
    Put(f.hostile, "blank-first-line", "\r\n" + defaults);
    Put(f.hostile, "lone-carriage-returns", QByteArray("2 [Menu] 0=a\rb\r\r\n3 [Image Tool]       4=\r\n"));
    Put(f.hostile, "no-equals", QByteArray("1 [Color] 1\n"));
    Put(f.hostile, "equals-first", QByteArray("=1\n1=\n"));
    Put(f.hostile, "colour-out-of-range", QByteArray("1 [Color] 1=2147483648\n1 [Color] 2=-0\n"));
    Put(f.hostile, "signs-as-keys", QByteArray("2 [Menu] +=a\n2 [Menu] -=b\n4 -2=1\n"));
    Put(f.hostile, "eleven-saved-paths", QByteArray("2 [Menu] 7=a\n").repeated(11));
    Put(f.hostile, "long-line", QByteArray("3 [Image Tool Path]  5=") + QByteArray(5000, '/') + "\n");
}

// The title, then each picked path, every one ended by a zero byte.
QByteArray AlbumInput(const std::string& title, const std::vector<std::string>& paths)
{
    QByteArray bytes = QByteArray::fromStdString(title) + '\0';
    for (const std::string& path : paths)
        bytes += QByteArray::fromStdString(path) + '\0';
    return bytes;
}

void AlbumSeeds(const TFolders& f)
{
    std::vector<std::string> nineteen;
    for (int n = 1; n <= 19; ++n)
        nineteen.push_back("/Pics/IMG_" + std::to_string(1000 + n) + ".jpg");
    Put(f.corpus, "three-pictures", AlbumInput("Leica", {"/Pics/IMG_0001.jpg", "/Pics/IMG_0002.jpg", "/Pics/IMG_0003.jpg"}));
    Put(f.corpus, "nineteen-pictures", AlbumInput("Nikon", nineteen));
    Put(f.corpus, "odd-names", AlbumInput("", {"/Pics/sunset.jpg", "/Pics/SunseT.jpg", "/Pics/a.b.jpg", "/Pics/README",
                                               "/Pics/x.", "/Pics/.jpg", "/Pics/deep/IMG.jpg"}));
    Put(f.corpus, "markup", AlbumInput(R"(my "album" <b>)", {R"(/Pics/my & "x" <y>.jpg)", "/a b/c d.JPG"}));

    Put(f.hostile, "nothing", QByteArray());
    Put(f.hostile, "no-separator", AlbumInput("T", {"IMG.jpg", "", "."}));
    Put(f.hostile, "empty-names", AlbumInput("T", {"/", "//", "/Pics/."}));
    Put(f.hostile, "stand-in-like-names", AlbumInput("@t@", {"/@b1@.jpg", "/@@.jpg"}));
    // Legal Linux names that once split their page lines.
    Put(f.hostile, "name-line-feed", AlbumInput("T", {"/Pics/two\nlines.jpg"}));
    Put(f.hostile, "name-carriage-return", AlbumInput("T\r", {"/Pics/cr\r.jpg", "/Pics/\r\n.jpg"}));
}

void JxlSeeds(const TFolders& f)
{
    const QImage pattern = TestPatternImage(32, 24);
    Put(f.corpus, "lossless", MakeTypePicture("jxl", pattern));
    QImage translucent = pattern.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < translucent.height(); ++y)
        for (int x = 0; x < translucent.width(); ++x)
            translucent.setPixel(x, y, (translucent.pixel(x, y) & 0xFFFFFF) | std::uint32_t(x * 8) << 24);
    Put(f.corpus, "lossless-alpha", MakeTypePicture("jxl", translucent));
    Put(f.corpus, "lossless-grey", MakeTypePicture("jxl", pattern.convertToFormat(QImage::Format_Grayscale8)));

    const QByteArray whole = MakeTypePicture("jxl", pattern);
    Put(f.hostile, "zero-length", QByteArray());
    Put(f.hostile, "signature-only", whole.left(2));
    Put(f.hostile, "cut-in-header", whole.left(12));
    Put(f.hostile, "cut-in-pixels", whole.left(whole.size() / 2));
    Put(f.hostile, "not-a-jxl", MakeTestJpeg(8, 8));
}

void RawSeeds(const TFolders& f)
{
    const QImage pattern = TestPatternImage(32, 24);
    Put(f.corpus, "dng", MakeTypePicture("dng", pattern));
    for (const int orientation : {3, 6, 8})
        Put(f.corpus, "dng-orientation-" + std::to_string(orientation),
            MakeTypePicture("dng", pattern, {.orientation = orientation}));
    Put(f.corpus, "dng-preview-whole", MakeTypePicture("dng", pattern, {.preview = {32, 24}}));
    Put(f.corpus, "dng-preview-small-turned", MakeTypePicture("dng", pattern, {.orientation = 6, .preview = {16, 12}}));

    const QByteArray whole = MakeTypePicture("dng", pattern, {.preview = {16, 12}});
    Put(f.hostile, "zero-length", QByteArray());
    Put(f.hostile, "tiff-header-only", whole.left(8));
    Put(f.hostile, "cut-before-directories", whole.left(2000));
    Put(f.hostile, "not-a-raw", MakeTestJpeg(8, 8));
    Put(f.hostile, "plain-tiff", MakeTypePicture("tif", pattern));
}

}  // namespace

// Each of Qt's readers' types, a moving GIF, a turned TIFF and a transparent PNG.
void QtSeeds(const TFolders& f)
{
    const QImage pattern = TestPatternImage(16, 12);
    for (const char* type : {"png", "gif", "webp", "tif", "svg"})
        Put(f.corpus, type, MakeTypePicture(type, pattern));
    Put(f.corpus, "tif-turned", MakeTypePicture("tif", pattern, {.orientation = 6}));
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(qRgba(200, 10, 10, 60));
    Put(f.corpus, "png-alpha", MakeTypePicture("png", clear));
    Put(f.corpus, "gif-moving", MakeTypePicture("gif", pattern, {.frames = 3}));
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FUZZ_DIR\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    JpegSeeds(Folders(root, "jpeg"));
    BmpSeeds(Folders(root, "bmp"));
    HeifSeeds(Folders(root, "heif"));
    SettingsSeeds(Folders(root, "settings"));
    AlbumSeeds(Folders(root, "album"));
    QtSeeds(Folders(root, "qt"));
    JxlSeeds(Folders(root, "jxl"));
    RawSeeds(Folders(root, "raw"));
    return 0;
}
