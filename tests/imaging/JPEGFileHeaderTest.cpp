// Reading the header from the start of a file, as the thumbnail board does for every
// file of a folder: the same answers as reading it from the whole file in memory.

#include "imaging/JPEGCodec.h"
#include "imaging/JPEGError.h"
#include "imaging/JPEGManagers.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "toolkit/StreamErrors.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <tuple>

namespace {

// Width, height, grey and progressive, or only the EJPEG code.
using TAnswer = std::tuple<int, int, int, bool, bool>;

template <class Read>
TAnswer Answer(Read read)
{
    try {
        const TJPEGHeader h = read();
        return {0, h.width, h.height, h.grayscale, h.progressive};
    } catch (const EJPEG& e) {
        return {e.Code(), 0, 0, false, false};
    }
}

TEST(JPEGFileHeader, AnswersAsTheMemoryReadDoesForEveryKeptFuzzInput)
{
    TTempDir dir;
    int inputs = 0;
    for (const char* folder : {"corpus/jpeg", "regressions/jpeg"}) {
        const QDir kept(QStringLiteral(LUMORA_FUZZ_DIR "/") + folder);
        for (const QString& name : kept.entryList(QDir::Files, QDir::Name)) {
            SCOPED_TRACE(name.toStdString());
            QFile input(kept.filePath(name));
            ASSERT_TRUE(input.open(QIODevice::ReadOnly));
            const QByteArray jpeg = input.readAll().mid(1);  // after the settings byte
            const std::string path = dir.Write("input.jpg", jpeg.toStdString());
            EXPECT_EQ(Answer([&] { return ReadJPEGFileHeader(path); }), Answer([&] { return ReadJPEGHeader(jpeg); }));
            ++inputs;
        }
    }
    EXPECT_GE(inputs, 20);
}

TEST(JPEGFileHeader, ReadsNeitherACameraPreviewBeforeTheFrameNorTheScansAfterIt)
{
    // A 60 000-byte APP1 segment after the start marker, as cameras put their preview.
    const QByteArray picture = MakeTestJpeg(1024, 768);
    QByteArray preview("\xFF\xE1\xEA\x60", 4);
    preview += QByteArray(60000 - 2, 'p');
    const QByteArray bytes = picture.left(2) + preview + picture.mid(2);
    TTempDir dir;
    const TJPEGHeader header = ReadJPEGFileHeader(dir.Write("camera.jpg", bytes.toStdString()));
    EXPECT_EQ(header.width, 1024);
    EXPECT_EQ(header.height, 768);
    EXPECT_GT(bytes.size(), 20 * kJPEGChunkSize);
    EXPECT_LE(header.bytesRead, 2 * kJPEGChunkSize);
}

TEST(JPEGFileHeader, AFileThatCannotBeOpenedIsAFileErrorNamingIt)
{
    TTempDir dir;
    const std::string path = dir.File("absent.jpg");
    try {
        ReadJPEGFileHeader(path);
        ADD_FAILURE() << "read";
    } catch (const EFOpenError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
    }
}

}  // namespace
