#pragma once
// libjpeg-turbo on its own: the same file and decoding parameters as TJPEGImage's
// defaults, into a plain buffer. The yardstick for the adapter's overhead.

#include <QByteArray>

#include <cstddef>

// Decodes and returns the number of bytes written; the buffer is freed before returning.
std::size_t PlainDecode(const QByteArray& bytes);
