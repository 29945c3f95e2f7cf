#pragma once
// A reader of one picture type beside JPEG and BMP, over the library that reads it (Qt's
// image plugins, libheif, libjxl, LibRaw). Plain data in and out, so any worker may call
// one: a device positioned at the file's start, and pixels ready to show.

#include <QImage>
#include <QSize>

#include <functional>
#include <string>
#include <vector>

class QIODevice;

// The device pixels a decode must cover, given the picture's own size as shown upright.
using TCoverRule = std::function<QSize(QSize natural)>;

// One frame of a moving picture, shown for delay milliseconds.
struct TPictureFrame {
    QImage image;
    int delay = 0;
};

class TPictureCodec {
public:
    virtual ~TPictureCodec() = default;

    // The type's name as messages give it: "PNG", "HEIF", ...
    virtual std::string Name() const = 0;

    // The picture's own size as shown upright (turned by its orientation), from its header
    // alone. file is random-access. What is not this type, or is damaged, throws
    // EInvalidGraphic; a picture whose bitmap would exceed the decoding limit too.
    virtual QSize ReadSize(QIODevice& file) const = 0;

    // The picture decoded, upright and in sRGB. Where a smaller source serves (an embedded
    // thumbnail or camera preview, a reduced decode) that still covers cover(natural) on
    // both sides, it may be taken instead of the whole picture; natural is set to the
    // picture's own size as shown upright. Throws as ReadSize does.
    virtual QImage Decode(QIODevice& file, const TCoverRule& cover, QSize& natural) const = 0;

    // A moving picture's frames at their own size, upright and in sRGB; empty for a
    // still picture (the default), which Decode shows.
    virtual std::vector<TPictureFrame> DecodeFrames(QIODevice& file) const;
};

// The whole picture: a cover rule asking for the natural size itself.
QSize WholePicture(QSize natural);

// Refuses, with EInvalidGraphic naming the type, a picture whose 32-bit bitmap of size
// would exceed the decoding limit; a side of 0 or less is refused as damaged.
void CheckDecodedSize(const TPictureCodec& codec, QSize size);

// What is transparent shown over white, as a page would show it: in place, so a large
// picture is not held twice. The image keeps its bytes a pixel, without alpha.
void ShowOverWhite(QImage& image);

// EInvalidGraphic "NAME image is not valid", with why when the library says.
[[noreturn]] void RefuseContent(const TPictureCodec& codec, const std::string& why = {});
