#pragma once
// TJPEGImage: Lumora's JPEG picture. It keeps a file's compressed bytes as they are,
// reads only their header at load (width and height are known at once), decodes them
// into a TBitmap when asked (Decode, or assigning to a bitmap; never while drawing),
// and encodes a bitmap only when saved.

#include "imaging/JPEGError.h"
#include "imaging/JPEGSettings.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Graphic.h"

#include <QByteArray>

#include <memory>
#include <string>

// The class defaults that a TJPEGImage made without settings copies. OutputDepth is
// 8-bit when RegisterJPEGImage finds a screen of 8 bits per pixel or fewer. Only the
// user-interface thread reads or changes them: a job for worker threads copies them
// there when it starts and makes its pictures from that copy.
TJPEGSettings& JPEGDefaults();

// Registers TJPEGImage with TPicture for "jpeg" and "jpg" ("JPEG Image File") and picks
// the default output depth from the screen. main() calls it once the application object
// exists and before any window is made; further calls do nothing.
void RegisterJPEGImage();

// Whether the picture container hands this file to TJPEGImage: its extension is one of
// those RegisterJPEGImage registers, or one the all-types switch adds while it is on, in
// any case. For workers, which make their JPEG
// pictures from copied settings instead of through the container.
bool IsJPEGFileName(const std::string& fileName);

// The compressed bytes, shared by the TJPEGImage objects assigned from one another.
struct TJPEGData {
    QByteArray bytes;  // empty until a load or an encode
    int width = 0;     // from the file's header (as shown upright) or the encoded bitmap
    int height = 0;
    int orientation = 1;  // the file's EXIF orientation; an encode writes none
    bool grayscale = false;
};

class TJPEGImage : public TGraphic {
public:
    // Copies JPEGDefaults(): user-interface thread only.
    TJPEGImage();
    // Reads no shared state: for worker threads.
    explicit TJPEGImage(const TJPEGSettings& settings);
    ~TJPEGImage() override;
    TJPEGImage(const TJPEGImage&) = delete;
    TJPEGImage& operator=(const TJPEGImage&) = delete;

    // The decoded bitmap's size if there is one, else the header's (scaled by ScaleDown);
    // both are the picture as shown, turned upright by its EXIF orientation.
    int Width() const override;
    int Height() const override;
    // Refused: EInvalidGraphicOperation "Cannot change the size of a JPEG image".
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Empty() const override;

    // Draw the decoded or assigned bitmap only: loaded bytes draw nothing until Decode().
    void Draw(QPainter& painter, const QRect& rect) const override;
    void DrawPart(QPainter& painter, const QRectF& target, const QRectF& source,
                  TDrawFilter filter) const override;

    // From a TJPEGImage: shares its compressed bytes and copies its decoded bitmap.
    // From a TBitmap: holds a copy of it, encoded when saved; the old bytes are gone.
    void Assign(const TGraphic& source) override;
    // To a TBitmap: the bitmap takes the decoded picture.
    void AssignTo(TGraphic& dest) const override;

    // Keeps the bytes and reads their header; not a JPEG: EJPEG. An empty stream gives
    // an empty 0 x 0 picture. Sets WriteProgressive to whether the file has several scans.
    void LoadFromStream(QIODevice& stream) override;
    // Writes the compressed bytes unchanged, encoding the held bitmap first when there are
    // none. A picture its EXIF orientation turns is decoded and encoded as it is shown,
    // since the encoder writes no EXIF block that would turn its bytes.
    void SaveToStream(QIODevice& stream) override;

    // Decodes now unless a decoded bitmap is held; EJPEG for damaged data.
    void Decode() const override;
    // Encodes the held bitmap into new compressed bytes; a side of 0 gives no bytes.
    void Encode();
    bool HasBitmap() const { return bitmap_ != nullptr; }
    // The file's colour space is greyscale (or the encoding was in GrayMode).
    bool Grayscale() const { return data_->grayscale; }
    bool SharesDataWith(const TJPEGImage& other) const { return data_ == other.data_; }

    // Settings. Changing one that decoding depends on drops a bitmap decoded from bytes.
    int EncodeQuality() const { return settings_.EncodeQuality; }
    void SetEncodeQuality(int quality);
    bool GrayMode() const { return settings_.GrayMode; }
    void SetGrayMode(bool gray);
    TJPEGPerformance SpeedMode() const { return settings_.SpeedMode; }
    void SetSpeedMode(TJPEGPerformance mode);
    TJPEGPixelFormat OutputDepth() const { return settings_.OutputDepth; }
    void SetOutputDepth(TJPEGPixelFormat depth);
    bool ShowProgressively() const { return settings_.ShowProgressively; }
    void SetShowProgressively(bool show) { settings_.ShowProgressively = show; }
    bool WriteProgressive() const { return settings_.WriteProgressive; }
    void SetWriteProgressive(bool write) { settings_.WriteProgressive = write; }
    TJPEGScale ScaleDown() const { return settings_.ScaleDown; }
    void SetScaleDown(TJPEGScale scale);
    bool BlockSmoothing() const { return settings_.BlockSmoothing; }
    void SetBlockSmoothing(bool smoothing);

private:
    void DecodingChanged();
    void UpdateScaledSize() const;

    std::shared_ptr<TJPEGData> data_;
    mutable std::unique_ptr<TBitmap> bitmap_;  // the decoded or assigned picture
    mutable int scaledWidth_ = 0;
    mutable int scaledHeight_ = 0;
    TJPEGSettings settings_;
    mutable bool needScaledSize_ = true;
};
