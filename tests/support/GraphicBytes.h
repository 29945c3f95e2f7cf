#pragma once
// Loading and saving a picture through memory, for tests that work on bytes.

#include "toolkit/Graphic.h"

#include <QBuffer>
#include <QByteArray>

inline void LoadFromBytes(TGraphic& graphic, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    graphic.LoadFromStream(buffer);
}

inline QByteArray SaveToBytes(TGraphic& graphic)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    graphic.SaveToStream(buffer);
    return bytes;
}
