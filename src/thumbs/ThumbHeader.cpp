#include "thumbs/ThumbHeader.h"

#include "imaging/JPEGCodec.h"
#include "imaging/JPEGImage.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Graphic.h"
#include "toolkit/PathFile.h"
#include "toolkit/Picture.h"

TThumbHeader ReadThumbHeader(const std::string& path)
{
    TThumbHeader header;
    header.stamp = FileStamp(path);
    if (IsJPEGFileName(path)) {
        const TJPEGHeader jpeg = ReadJPEGFileHeader(path);
        header.size = {jpeg.width, jpeg.height};
        return header;
    }
    TPicture::CheckFileFormat(path);
    TPathFile file;
    OpenToRead(file, path);
    header.size = ReadBitmapHeader(file);
    return header;
}

std::string ThumbHint(const std::string& name, QSize size, const std::string& byte)
{
    return name + "\nW:" + std::to_string(size.width()) + "xH:" + std::to_string(size.height()) + "\nSize:" + byte;
}
