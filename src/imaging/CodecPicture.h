#pragma once
// TCodecPicture: a picture of one of the added types, as the picture container holds it.
// Like a JPEG picture it keeps the file's bytes and reads only their header at load, and
// decodes them whole when asked (Decode, or assigning to a bitmap; never while drawing).

#include "imaging/PictureCodec.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Graphic.h"

#include <QByteArray>

#include <memory>

class TCodecPicture : public TGraphic {
public:
    explicit TCodecPicture(const TPictureCodec& codec);

    int Width() const override { return size_.width(); }
    int Height() const override { return size_.height(); }
    // Refused: EInvalidGraphicOperation, as for a JPEG picture.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Empty() const override { return size_.isEmpty(); }

    // Draw the decoded picture only: loaded bytes draw nothing until Decode().
    void Draw(QPainter& painter, const QRect& rect) const override;
    void DrawPart(QPainter& painter, const QRectF& target, const QRectF& source, TDrawFilter filter) const override;

    // To a TBitmap: the bitmap takes the decoded picture.
    void AssignTo(TGraphic& dest) const override;

    // Keeps the bytes and reads their header: content of another type throws EInvalidGraphic.
    void LoadFromStream(QIODevice& stream) override;
    // Writes the bytes as they were loaded: nothing is re-encoded.
    void SaveToStream(QIODevice& stream) override;

    void Decode() const override;
    const TPictureCodec& Codec() const { return codec_; }

private:
    const TPictureCodec& codec_;
    QByteArray bytes_;
    QSize size_;
    mutable std::unique_ptr<QImage> image_;  // once decoded
};
