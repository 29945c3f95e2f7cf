#pragma once
// The hooks Lumora gives libjpeg: an error manager that jumps back to the caller's
// setjmp instead of exiting, sources reading bytes held in memory or an open file
// (the caller prepares one and hands it to the decompressor), a destination
// writing into a QByteArray, and a progress hook that stops endless progressive files.
//
// Everything here is plain data: libjpeg may longjmp across these callbacks, so no
// object with a destructor may be alive in them when it does.

#include "imaging/JPEGLimits.h"

#include <QByteArray>

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>  // jpeglib.h needs FILE and size_t first

#include <jerror.h>
#include <jpeglib.h>

class QIODevice;

// Chunk size of the sources and the destination.
constexpr std::size_t kJPEGChunkSize = 4096;

struct TJPEGErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;  // a fatal error longjmps here with the code in pub.msg_code
};

// Fills err with the hooks: fatal errors jump to err.jump; warnings and traces are dropped.
jpeg_error_mgr* UseErrorManager(TJPEGErrorManager& err);

struct TJPEGMemorySource {
    jpeg_source_mgr pub;
    const JOCTET* data;
    std::size_t size;
    std::size_t position;
};

// Feeds the bytes in chunks. Running out at the very start is the error "empty input";
// running out later is a silent warning and an inserted end-of-image marker, so a
// truncated file decodes as far as it goes. Returns the source for cinfo->src.
jpeg_source_mgr* UseMemorySource(TJPEGMemorySource& source, const QByteArray& bytes);

struct TJPEGFileSource {
    jpeg_source_mgr pub;
    QIODevice* device;
    std::size_t position;  // bytes read from the device so far
    JOCTET buffer[kJPEGChunkSize];
};

// Reads an open device chunk by chunk, only as far as libjpeg asks, and seeks past the
// data it skips. Running out follows the memory source's rules; a failed read is
// JERR_FILE_READ.
jpeg_source_mgr* UseFileSource(TJPEGFileSource& source, QIODevice& device);

// Where the next byte a source hands the decoder lies in its bytes or on its device.
std::int64_t NextByteOffset(const TJPEGMemorySource& source);
std::int64_t NextByteOffset(const TJPEGFileSource& source);

struct TJPEGMemoryDestination {
    jpeg_destination_mgr pub;
    QByteArray* bytes;
    JOCTET buffer[kJPEGChunkSize];
};

// Appends the compressed bytes to bytes, chunk by chunk; a failed append is a write error.
void UseMemoryDestination(j_compress_ptr cinfo, TJPEGMemoryDestination& destination, QByteArray& bytes);

struct TJPEGScanLimit {
    jpeg_progress_mgr pub;
};

// Stops the decoding of a file with more than kMaxJPEGScans scans.
void UseScanLimit(j_decompress_ptr cinfo, TJPEGScanLimit& limit);

// The code the decoder stops with when the scan limit is passed.
constexpr int kTooManyScansCode = JERR_BAD_PROGRESSION;
