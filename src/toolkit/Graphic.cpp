#include "toolkit/Graphic.h"

#include "toolkit/PathFile.h"
#include "toolkit/PictureLimits.h"
#include "toolkit/RunTime.h"
#include "toolkit/SaveFile.h"
#include "toolkit/StreamErrors.h"

#include <QBuffer>
#include <QByteArray>

void OpenToRead(TPathFile& file, const std::string& fileName, bool buffered)
{
    std::string reason;
    if (!file.OpenToRead(fileName, reason, buffered ? QIODevice::OpenMode{} : QIODevice::Unbuffered))
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
    // Readers take the whole file into memory; a huge one is refused before that.
    if (file.size() > kMaxPictureFileBytes)
        throw EInvalidGraphic("The picture file \"" + fileName + "\" is larger than 1 GiB");
}

void TGraphic::Assign(const TGraphic& source)
{
    source.AssignTo(*this);
}

void TGraphic::AssignTo(TGraphic&) const
{
    throw EConvertError("Cannot assign a picture of this kind");
}

void TGraphic::LoadFromFile(const std::string& fileName)
{
    TPathFile file;
    OpenToRead(file, fileName);
    LoadFromStream(file);
}

void TGraphic::SaveToFile(const std::string& fileName)
{
    // The file is replaced only when the whole picture was written.
    TSaveFile file(fileName);
    if (!file.Open())
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + file.Reason());
    SaveToStream(file.Device());
    if (!file.Commit())
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + file.Reason());
}

void TGraphic::LoadFromBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LoadFromStream(buffer);
}

QByteArray TGraphic::SaveToBytes()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SaveToStream(buffer);
    return bytes;
}

QByteArray TGraphic::ReadToEnd(QIODevice& stream)
{
    if (stream.isSequential())
        return stream.readAll();
    const qint64 size = stream.size() - stream.pos();
    if (size <= 0)
        return {};
    QByteArray bytes(size, Qt::Uninitialized);
    if (stream.read(bytes.data(), size) != size)
        throw EReadError();
    return bytes;
}

void TGraphic::WriteAll(QIODevice& stream, const QByteArray& bytes)
{
    if (stream.write(bytes) != bytes.size())
        throw EWriteError();
}
