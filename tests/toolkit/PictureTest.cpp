// TPicture chooses the graphic class by the file's extension, without regard to case,
// and never by guessing from the content.

#include "imaging/JPEGCodec.h"
#include "imaging/JPEGImage.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Picture.h"
#include "toolkit/PictureLimits.h"
#include "toolkit/StreamErrors.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <cstdlib>

namespace {

enum class TContent { Jpeg, Bmp, Png };
enum class TOutcome { JpegImage, Bitmap, JpegError, BitmapError, UnknownExtension };

QByteArray Content(TContent content)
{
    switch (content) {
    case TContent::Jpeg: return MakeTestJpeg(30, 20);
    case TContent::Bmp: return MakeTestBmp(30, 20);
    case TContent::Png: {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        TestPatternImage(30, 20).save(&buffer, "PNG");
        return bytes;
    }
    }
    return {};
}

TEST(PictureLoad, ChoosesTheGraphicClassByExtension)
{
    RegisterJPEGImage();
    struct Case {
        const char* name;
        TContent content;
        TOutcome outcome;
    };
    const Case cases[] = {
        {"a.jpg", TContent::Jpeg, TOutcome::JpegImage},
        {"b.JPG", TContent::Jpeg, TOutcome::JpegImage},
        {"c.JpEg", TContent::Jpeg, TOutcome::JpegImage},
        {"d.bmp", TContent::Bmp, TOutcome::Bitmap},
        {"e.BMP", TContent::Bmp, TOutcome::Bitmap},
        {"bitmap-inside.jpg", TContent::Bmp, TOutcome::JpegError},
        {"jpeg-inside.bmp", TContent::Jpeg, TOutcome::BitmapError},
        {"png-inside.bmp", TContent::Png, TOutcome::BitmapError},
        {"f.png", TContent::Png, TOutcome::UnknownExtension},
        {"no-extension", TContent::Jpeg, TOutcome::UnknownExtension},
        {"dotted.jpg/inside", TContent::Jpeg, TOutcome::UnknownExtension},
    };
    TTempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Write(c.name, Content(c.content).toStdString());
        TPicture picture;
        try {
            picture.LoadFromFile(path);
            if (c.outcome == TOutcome::JpegImage)
                EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
            else if (c.outcome == TOutcome::Bitmap)
                EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
            else
                ADD_FAILURE() << "loaded";
            EXPECT_EQ(picture.Width(), 30);
            EXPECT_EQ(picture.Height(), 20);
        } catch (const EJPEG&) {
            EXPECT_EQ(c.outcome, TOutcome::JpegError);
        } catch (const EInvalidGraphic& e) {
            if (c.outcome == TOutcome::UnknownExtension) {
                const std::string name = c.name;
                const auto dot = name.rfind('.');
                const std::string extension =
                    dot == std::string::npos || name.find('/', dot) != std::string::npos ? "" : name.substr(dot + 1);
                EXPECT_EQ(std::string(e.what()), "Unknown picture file extension (." + extension + ")");
            } else {
                EXPECT_EQ(c.outcome, TOutcome::BitmapError);
            }
        }
    }
}

TEST(PictureLoad, RegistersJpegOnceWithItsDescription)
{
    RegisterJPEGImage();
    RegisterJPEGImage();
    EXPECT_EQ(TPicture::FileFormatDescription("JPG"), "JPEG Image File");
    EXPECT_EQ(TPicture::FileFormatDescription("jpeg"), "JPEG Image File");
    EXPECT_EQ(TPicture::FileFormatDescription("gif"), "");
}

TEST(PictureLoad, AFailedLoadKeepsThePictureHeld)
{
    RegisterJPEGImage();
    TTempDir dir;
    TPicture picture;
    picture.LoadFromFile(dir.Write("good.jpg", MakeTestJpeg(30, 20).toStdString()));
    EXPECT_THROW(picture.LoadFromFile(dir.File("missing.jpg")), EFOpenError);
    EXPECT_THROW(picture.LoadFromFile(dir.Write("bad.jpg", "junk")), EJPEG);
    EXPECT_EQ(picture.Width(), 30);
}

TEST(PictureLoad, RefusesFilesPastTheLimitsNamingThem)
{
    RegisterJPEGImage();
    TTempDir dir;
    const auto sparse = [&](const std::string& name) {
        WriteSparseFile(dir.File(name), kMaxPictureFileBytes + 1);
        return dir.File(name);
    };
    struct Case {
        std::string path;
        std::string error;  // what the message says before the file's name
    };
    const Case cases[] = {
        {sparse("huge.jpg"), "The picture file \""},
        {sparse("huge.bmp"), "The picture file \""},
        {dir.Write("wide.bmp", MakeTestBmp(4, 4, {100000, 100000}).toStdString()),
         "Bitmap image of 100000 x 100000 pixels is larger than 1 GiB ("},
        // Qt decodes 24-bit bitmaps to 4 bytes a pixel: one row past 1 GiB.
        {dir.Write("tall.bmp", MakeTestBmp(4, 4, {16384, 16385}).toStdString()),
         "Bitmap image of 16384 x 16385 pixels is larger than 1 GiB ("},
        {dir.Write("junk.bmp", "junk"), "Bitmap image is not valid ("},
        {dir.Write("jpeg-inside.bmp", MakeTestJpeg(8, 8).toStdString()), "Bitmap image is not valid ("},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        TPicture picture;
        try {
            picture.LoadFromFile(c.path);
            ADD_FAILURE() << "loaded";
        } catch (const EInvalidGraphic& e) {
            const std::string text = e.what();
            EXPECT_EQ(text.substr(0, c.error.size()), c.error);
            EXPECT_NE(text.find(c.path), std::string::npos);
        }
    }
    // The header readers of the board refuse the same files.
    EXPECT_THROW(ReadJPEGFileHeader(cases[0].path), EInvalidGraphic);
}

// Qt's BMP file of image, its rows stored top row first when topDown, as a negative
// height announces.
QByteArray BmpFile(const QImage& image, bool topDown)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    if (topDown) {
        const qint32 offset = qFromLittleEndian<qint32>(bytes.constData() + 10);
        const qsizetype stride = (bytes.size() - offset) / image.height();
        QByteArray rows;
        for (int y = image.height() - 1; y >= 0; --y)
            rows.append(bytes.mid(offset + y * stride, stride));
        bytes.replace(offset, rows.size(), rows);
        qToLittleEndian<qint32>(-image.height(), bytes.data() + 22);
    }
    return bytes;
}

TEST(PictureLoad, BitmapsLoadStoredBottomUpOrTopDown)
{
    const QImage colours = TestPatternImage(7, 5);
    const QImage indexed = colours.convertToFormat(QImage::Format_Indexed8);
    TTempDir dir;
    int n = 0;
    for (const QImage& image : {colours, indexed}) {
        for (const bool topDown : {false, true}) {
            SCOPED_TRACE(std::to_string(image.depth()) + (topDown ? " bits, top-down" : " bits, bottom-up"));
            const std::string path = dir.Write(std::to_string(++n) + ".bmp", BmpFile(image, topDown).toStdString());
            QFile file(QString::fromStdString(path));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(ReadBitmapHeader(file), QSize(7, 5));
            TPicture picture;
            picture.LoadFromFile(path);
            const auto& bitmap = dynamic_cast<const TBitmap&>(*picture.Graphic());
            for (const QPoint p : {QPoint(0, 0), QPoint(6, 0), QPoint(0, 4), QPoint(6, 4)})
                EXPECT_EQ(bitmap.Image().pixel(p), image.pixel(p)) << p.x() << "," << p.y();
        }
    }
}

TEST(PictureDraw, StretchesTheGraphicIntoTheRectangle)
{
    RegisterJPEGImage();
    TTempDir dir;
    TPicture picture;
    picture.LoadFromFile(dir.Write("p.bmp", MakeTestBmp(30, 20).toStdString()));
    QImage canvas(60, 40, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        picture.Draw(painter, QRect(0, 0, 60, 40));
    }
    EXPECT_EQ(canvas.pixel(0, 0), TestPatternPixel(0, 0, 30, 20));
    EXPECT_EQ(canvas.pixel(59, 39), TestPatternPixel(29, 19, 30, 20));
}

TEST(PictureDraw, AJpegDrawsNothingUntilDecodedAndThenItsPixels)
{
    RegisterJPEGImage();
    TTempDir dir;
    TPicture picture;
    picture.LoadFromFile(dir.Write("p.jpg", MakeTestJpeg(30, 20).toStdString()));
    const auto* jpeg = dynamic_cast<const TJPEGImage*>(picture.Graphic());
    ASSERT_NE(jpeg, nullptr);
    const auto near = [](QRgb a, QRgb b) { return std::abs(qGray(a) - qGray(b)) <= 12; };
    QImage black(60, 40, QImage::Format_RGB32);
    black.fill(Qt::black);
    for (const bool decoded : {false, true}) {
        if (decoded)
            picture.Decode();
        for (const bool part : {false, true}) {
            SCOPED_TRACE(testing::Message() << "decoded " << decoded << ", part " << part);
            QImage canvas = black.copy();
            {
                QPainter painter(&canvas);
                if (part)
                    EXPECT_NO_THROW(picture.DrawPart(painter, QRectF(0, 0, 60, 40), QRectF(0, 0, 30, 20),
                                                     TDrawFilter::Sharp));
                else
                    EXPECT_NO_THROW(picture.Draw(painter, QRect(0, 0, 60, 40)));
            }
            EXPECT_EQ(jpeg->HasBitmap(), decoded);
            if (decoded) {
                EXPECT_TRUE(near(canvas.pixel(0, 0), TestPatternPixel(0, 0, 30, 20)));
                EXPECT_TRUE(near(canvas.pixel(59, 39), TestPatternPixel(29, 19, 30, 20)));
            } else {
                EXPECT_EQ(canvas, black);
            }
        }
    }
}

}  // namespace
