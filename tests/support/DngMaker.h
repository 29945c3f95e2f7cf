#pragma once
// A camera RAW file written here byte by byte, so the RAW reader's tests do not depend on
// any camera's files: a little-endian DNG holding the picture as linear RGB samples
// (LinearRaw, 16 bits, uncompressed) in the camera's colours, which are sRGB's primaries.
//
//   MakeTestDng(TestPatternImage(64, 48), 6, MakeTestJpeg(64, 48));

#include <QByteArray>
#include <QImage>

// The picture's pixels as its raw data, with the orientation the file records (1 to 8)
// and, when preview is not empty, that JPEG as the file's preview in its first directory
// (the raw data then in a directory of its own below it), as cameras store them.
QByteArray MakeTestDng(const QImage& image, int orientation, const QByteArray& preview = {});
