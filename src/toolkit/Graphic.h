#pragma once
// TGraphic is the base of every picture: it knows its size, draws itself or a part of
// itself stretched into a rectangle, and loads and saves itself through files and streams.

#include <stdexcept>
#include <string>

class QByteArray;
class TPathFile;
class QIODevice;
class QPainter;
class QRect;
class QRectF;

// A picture whose data cannot be understood.
class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An operation the picture does not allow, such as resizing a JPEG picture.
class EInvalidGraphicOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Opens a picture file for reading, unbuffered: picture readers read in pieces of their
// own size; buffered for a library that reads a byte at a time (LibRaw's decoders). One
// that cannot be opened throws EFOpenError naming it; one larger than
// kMaxPictureFileBytes throws EInvalidGraphic naming it.
void OpenToRead(TPathFile& file, const std::string& fileName, bool buffered = false);

// How a picture drawn at another size than its own is filtered.
enum class TDrawFilter {
    Sharp,   // each target pixel takes its nearest picture pixel
    Smooth,  // neighbouring picture pixels are blended
};

class TGraphic {
public:
    virtual ~TGraphic() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    virtual bool Empty() const = 0;

    // Makes the picture ready to draw; a JPEG decodes here and its errors reach the
    // caller. Drawing never decodes, so a paint never waits for it. Bitmaps are ready.
    virtual void Decode() const {}

    // Draws the whole picture stretched into rect.
    virtual void Draw(QPainter& painter, const QRect& rect) const = 0;
    // Draws the source rectangle of the picture, in picture pixels, stretched into
    // target: a viewer draws only what is visible, scaled as it paints. The painter's
    // render hints are as they were afterwards.
    virtual void DrawPart(QPainter& painter, const QRectF& target, const QRectF& source,
                          TDrawFilter filter) const = 0;

    // Makes this picture stand for source. The base asks source to assign itself
    // to this picture (AssignTo).
    virtual void Assign(const TGraphic& source);
    // Gives this picture to dest. The base refuses with EConvertError.
    virtual void AssignTo(TGraphic& dest) const;

    // Loads from the stream's position to its end.
    virtual void LoadFromStream(QIODevice& stream) = 0;
    virtual void SaveToStream(QIODevice& stream) = 0;

    // A missing or unreadable file throws EFOpenError; one that cannot be written
    // throws EFCreateError. A failed save leaves an existing file as it was.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

    // The same through memory: the bytes a file of this picture holds.
    void LoadFromBytes(const QByteArray& bytes);
    QByteArray SaveToBytes();

protected:
    TGraphic() = default;
    TGraphic(const TGraphic&) = default;
    TGraphic& operator=(const TGraphic&) = default;

    // The bytes from the stream's position to its end; a short read throws EReadError.
    static QByteArray ReadToEnd(QIODevice& stream);
    // Writes all bytes; a short write throws EWriteError.
    static void WriteAll(QIODevice& stream, const QByteArray& bytes);
};
