#include "imaging/PictureTypes.h"

#include "imaging/CodecPicture.h"
#include "imaging/HeifCodec.h"
#include "imaging/JPEGImage.h"
#include "imaging/JxlCodec.h"
#include "imaging/QtCodec.h"
#include "imaging/WebpCodec.h"
#include "imaging/RawCodec.h"
#include "toolkit/Picture.h"

#include <QFileInfo>
#include <QString>

#include <atomic>

namespace {

std::atomic<bool> allTypes{false};

QString SuffixOf(const std::string& fileName)
{
    return QFileInfo(QFile::decodeName(fileName.c_str())).suffix().toLower();
}

const TAddedType* TypeOf(const std::string& fileName)
{
    const std::string suffix = SuffixOf(fileName).toStdString();
    for (const TAddedType& type : AddedPictureTypes())
        for (const std::string& extension : type.extensions)
            if (extension == suffix)
                return &type;
    return nullptr;
}

}  // namespace

const std::vector<TAddedType>& AddedPictureTypes()
{
    static const std::vector<TAddedType> types = {
        {{"jpeg", "jpe", "jfif"}, "JPEG Image File", nullptr, {"image/jpeg"}},
        {{"png"}, "Portable Network Graphics", &PngCodec(), {"image/png"}},
        {{"gif"}, "GIF Image", &GifCodec(), {"image/gif"}},
        {{"webp"}, "WebP Image", &WebpCodec(), {"image/webp"}},
        {{"tif", "tiff"}, "TIFF Image", &TiffCodec(), {"image/tiff"}},
        {{"svg"}, "SVG Image", &SvgCodec(), {"image/svg+xml"}},
        {{"heic", "heif"}, "HEIF Image", &HeifCodec(), {"image/heic", "image/heif"}},
        {{"avif"}, "AVIF Image", &AvifCodec(), {"image/avif"}},
        {{"jxl"}, "JPEG XL Image", &JxlCodec(), {"image/jxl"}},
        {{"dng", "cr2", "cr3", "nef", "arw", "orf", "raf", "rw2"}, "Camera RAW Image", &RawCodec(),
         {"image/x-adobe-dng", "image/x-canon-cr2", "image/x-canon-cr3", "image/x-nikon-nef", "image/x-sony-arw",
          "image/x-olympus-orf", "image/x-fuji-raf", "image/x-panasonic-rw2"}},
    };
    return types;
}

bool AllPictureTypes()
{
    return allTypes.load();
}

void SetAllPictureTypes(bool on)
{
    if (allTypes.exchange(on) == on)
        return;
    for (const TAddedType& type : AddedPictureTypes())
        for (const std::string& extension : type.extensions) {
            // ".jpeg" is the JPEG class's own, on or off.
            if (extension == "jpeg")
                continue;
            if (!on)
                TPicture::UnregisterFileFormat(extension);
            else if (type.codec)
                TPicture::RegisterFileFormat(extension, type.description,
                                             [codec = type.codec] { return std::make_unique<TCodecPicture>(*codec); });
            else
                TPicture::RegisterFileFormat(extension, type.description, [] { return std::make_unique<TJPEGImage>(); });
        }
}

std::string PictureMask()
{
    if (!AllPictureTypes())
        return "*.jpg;*.bmp";
    std::string mask = "*.jpg";
    for (const TAddedType& type : AddedPictureTypes())
        for (const std::string& extension : type.extensions)
            mask += ";*." + extension;
    return mask + ";*.bmp";
}

const TPictureCodec* PictureCodecFor(const std::string& fileName)
{
    if (!AllPictureTypes())
        return nullptr;
    const TAddedType* type = TypeOf(fileName);
    return type ? type->codec : nullptr;
}

bool IsAddedPictureType(const std::string& fileName)
{
    const TAddedType* type = TypeOf(fileName);
    // ".jpeg" is JPEG's own extension with the switch off as well.
    return type && SuffixOf(fileName) != "jpeg";
}

bool IsAddedJPEGName(const std::string& fileName)
{
    const TAddedType* type = TypeOf(fileName);
    return type && !type->codec && SuffixOf(fileName) != "jpeg";
}
