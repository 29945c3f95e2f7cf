#include "support/TypeMakers.h"

#include "support/DngMaker.h"
#include "support/PictureMakers.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "cannot make a test picture: %s\n", what.c_str());
    std::abort();
}

QByteArray QtWritten(const QImage& image, const char* format, int orientation, int quality = 100)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (orientation != 1) {
        // The writer records how the stored rows are to be turned; it stores them as given.
        static const QImageIOHandler::Transformations kTransforms[] = {
            QImageIOHandler::TransformationNone,       QImageIOHandler::TransformationMirror,
            QImageIOHandler::TransformationRotate180,  QImageIOHandler::TransformationFlip,
            QImageIOHandler::TransformationFlipAndRotate90, QImageIOHandler::TransformationRotate90,
            QImageIOHandler::TransformationMirrorAndRotate90, QImageIOHandler::TransformationRotate270};
        writer.setTransformation(kTransforms[orientation - 1]);
    }
    // WebP at its highest quality is lossless, so pixels can be compared.
    writer.setQuality(quality);
    if (!writer.write(image))
        Fail(std::string(format) + ": " + writer.errorString().toStdString());
    return bytes;
}

// What a command-line encoder makes of the image, given as a PNG file: program is run
// with arguments, in which "IN" and "OUT" stand for the two files.
QByteArray Encoded(const QImage& image, const QString& program, QStringList arguments, const QString& outName)
{
    QTemporaryDir dir;
    const QString in = dir.filePath("in.png"), out = dir.filePath(outName);
    if (!dir.isValid() || !image.save(in, "png"))
        Fail("cannot write " + in.toStdString());
    for (QString& argument : arguments)
        argument = argument == "IN" ? in : argument == "OUT" ? out : argument;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        Fail(program.toStdString() + ": " + process.readAllStandardError().toStdString());
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly))
        Fail("no output from " + program.toStdString());
    return file.readAll();
}

// A GIF of frames copies of the image, each a shade darker than the one before, 50 ms each.
QByteArray Moving(const QImage& image, int frames)
{
    QTemporaryDir dir;
    QStringList arguments = {"-delay", "5", "-loop", "0"};
    for (int i = 0; i < frames; ++i) {
        const QString name = dir.filePath(QString("frame%1.png").arg(i));
        QImage frame = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                frame.setPixel(x, y, QColor(frame.pixel(x, y)).darker(100 + 30 * i).rgb());
        if (!frame.save(name, "png"))
            Fail("cannot write " + name.toStdString());
        arguments << name;
    }
    return Encoded(image, "convert", arguments << "OUT", "out.gif");
}

QByteArray Svg(const QImage& image, int squares)
{
    QString svg = QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2'>")
                      .arg(image.width())
                      .arg(image.height());
    if (squares <= 0) {
        svg += QStringLiteral("<rect width='100%' height='100%' fill='%1'/>").arg(QColor(image.pixel(0, 0)).name());
    } else {
        // Each square the colour of the pixel at its middle.
        const int side = (image.width() + squares - 1) / squares;
        for (int y = 0; y < image.height(); y += side)
            for (int x = 0; x < image.width(); x += side) {
                const QRgb colour = image.pixel(std::min(x + side / 2, image.width() - 1),
                                                std::min(y + side / 2, image.height() - 1));
                svg += QStringLiteral("<rect x='%1' y='%2' width='%3' height='%3' fill='%4'/>")
                           .arg(x)
                           .arg(y)
                           .arg(side)
                           .arg(QColor(colour).name());
            }
    }
    return (svg + "</svg>").toUtf8();
}

}  // namespace

QByteArray MakeTypePicture(const std::string& extension, const QImage& image, const TTypeOptions& options)
{
    if (extension == "png" || extension == "webp")
        return QtWritten(image, extension.c_str(), 1, options.lossy ? 85 : 100);
    // Qt reads GIF but does not write it.
    if (extension == "gif" && options.frames > 1)
        return Moving(image, options.frames);
    if (extension == "gif")
        return Encoded(image, "convert", {"IN", "OUT"}, "out.gif");
    if (extension == "tif" || extension == "tiff")
        return QtWritten(image, "tiff", options.orientation);
    if (extension == "svg")
        return Svg(image, options.squares);
    if (extension == "heic" || extension == "heif" || extension == "avif") {
        QStringList arguments = options.heifArguments + QStringList{"-q", "95", "-o", "OUT", "IN"};
        if (extension == "avif")
            arguments.prepend("-A");
        if (options.thumbnail > 0)
            arguments += {"-t", QString::number(options.thumbnail)};
        if (options.fast)
            arguments += {"-p", extension == "avif" ? "speed=9" : "preset=ultrafast"};
        return Encoded(image, "heif-enc", arguments, QString::fromStdString("out." + extension));
    }
    if (extension == "jxl")
        return Encoded(image, "cjxl",
                       {"IN", "OUT", "-d", options.lossy ? "1" : "0", "-e", options.fast ? "1" : "7", "--quiet"},
                       "out.jxl");
    if (extension == "dng") {
        const QSize preview = options.preview;
        return MakeTestDng(image, options.orientation,
                           preview.isEmpty() ? QByteArray()
                                             : MakeTestJpeg(preview.width(), preview.height(),
                                                            {.quality = 95, .flat = options.previewFlat}));
    }
    Fail("no maker for ." + extension);
}
