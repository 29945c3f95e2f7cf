#include "imaging/JPEGManagers.h"

#include <QIODevice>

#include <algorithm>

namespace {

[[noreturn]] void ErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<TJPEGErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

void EmitMessage(j_common_ptr, int) {}

void OutputMessage(j_common_ptr) {}

void FormatMessage(j_common_ptr, char* buffer)
{
    buffer[0] = '\0';
}

void ResetErrorManager(j_common_ptr cinfo)
{
    cinfo->err->num_warnings = 0;
    cinfo->err->msg_code = 0;
}

void InitSource(j_decompress_ptr) {}

// Both sources have run out: an empty input is an error; a truncated one gets an
// end-of-image marker, so it decodes as far as it goes.
boolean EndOfInput(j_decompress_ptr cinfo, std::size_t position)
{
    static const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};
    if (position == 0)
        ERREXIT(cinfo, JERR_INPUT_EMPTY);
    WARNMS(cinfo, JWRN_JPEG_EOF);
    cinfo->src->next_input_byte = kEndOfImage;
    cinfo->src->bytes_in_buffer = sizeof kEndOfImage;
    return TRUE;
}

boolean FillFromMemory(j_decompress_ptr cinfo)
{
    auto* src = reinterpret_cast<TJPEGMemorySource*>(cinfo->src);
    if (src->position >= src->size)
        return EndOfInput(cinfo, src->position);
    const std::size_t chunk = std::min(kJPEGChunkSize, src->size - src->position);
    src->pub.next_input_byte = src->data + src->position;
    src->pub.bytes_in_buffer = chunk;
    src->position += chunk;
    return TRUE;
}

// Qt may throw std::bad_alloc while recording an error; that must not unwind through
// libjpeg, nor may it in Skip below.
qint64 Read(QIODevice& device, JOCTET* buffer) noexcept
{
    try {
        return device.read(reinterpret_cast<char*>(buffer), kJPEGChunkSize);
    } catch (...) {
        return -1;
    }
}

boolean FillFromFile(j_decompress_ptr cinfo)
{
    auto* src = reinterpret_cast<TJPEGFileSource*>(cinfo->src);
    const qint64 count = Read(*src->device, src->buffer);
    if (count < 0)
        ERREXIT(cinfo, JERR_FILE_READ);
    if (count == 0)
        return EndOfInput(cinfo, src->position);
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = static_cast<std::size_t>(count);
    src->position += static_cast<std::size_t>(count);
    return TRUE;
}

void SkipInMemory(j_decompress_ptr cinfo, long count)
{
    jpeg_source_mgr* src = cinfo->src;
    if (count <= 0)
        return;
    auto remaining = static_cast<std::size_t>(count);
    while (remaining > src->bytes_in_buffer) {
        remaining -= src->bytes_in_buffer;
        FillFromMemory(cinfo);
    }
    src->next_input_byte += remaining;
    src->bytes_in_buffer -= remaining;
}

qint64 Skip(QIODevice& device, qint64 count) noexcept
{
    try {
        return device.skip(count);
    } catch (...) {
        return -1;
    }
}

// Seeks past what is not in the buffer: a camera's preview picture in front of the
// frame header is never read. The next fill finds the end if the skip passed it.
void SkipInFile(j_decompress_ptr cinfo, long count)
{
    auto* src = reinterpret_cast<TJPEGFileSource*>(cinfo->src);
    if (count <= 0)
        return;
    const auto wanted = static_cast<std::size_t>(count);
    if (wanted <= src->pub.bytes_in_buffer) {
        src->pub.next_input_byte += wanted;
        src->pub.bytes_in_buffer -= wanted;
        return;
    }
    const auto beyond = static_cast<qint64>(wanted - src->pub.bytes_in_buffer);
    src->pub.bytes_in_buffer = 0;
    if (Skip(*src->device, beyond) < 0)
        ERREXIT(cinfo, JERR_FILE_READ);
}

void TermSource(j_decompress_ptr) {}

void SetSourceHooks(jpeg_source_mgr& pub, boolean (*fill)(j_decompress_ptr), void (*skip)(j_decompress_ptr, long))
{
    pub.init_source = InitSource;
    pub.fill_input_buffer = fill;
    pub.skip_input_data = skip;
    pub.resync_to_restart = jpeg_resync_to_restart;
    pub.term_source = TermSource;
    pub.next_input_byte = nullptr;
    pub.bytes_in_buffer = 0;
}

TJPEGMemoryDestination* DestinationOf(j_compress_ptr cinfo)
{
    return reinterpret_cast<TJPEGMemoryDestination*>(cinfo->dest);
}

// QByteArray throws std::bad_alloc when it cannot grow; that must not unwind through libjpeg.
bool Append(QByteArray& bytes, const JOCTET* data, std::size_t count) noexcept
{
    try {
        bytes.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
        return true;
    } catch (...) {
        return false;
    }
}

void InitDestination(j_compress_ptr cinfo)
{
    TJPEGMemoryDestination* dest = DestinationOf(cinfo);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = kJPEGChunkSize;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo)
{
    TJPEGMemoryDestination* dest = DestinationOf(cinfo);
    if (!Append(*dest->bytes, dest->buffer, kJPEGChunkSize))
        ERREXIT(cinfo, JERR_FILE_WRITE);
    InitDestination(cinfo);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo)
{
    TJPEGMemoryDestination* dest = DestinationOf(cinfo);
    if (!Append(*dest->bytes, dest->buffer, kJPEGChunkSize - dest->pub.free_in_buffer))
        ERREXIT(cinfo, JERR_FILE_WRITE);
}

void CheckScanCount(j_common_ptr cinfo)
{
    if (cinfo->is_decompressor
        && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxJPEGScans)
        ERREXIT(cinfo, kTooManyScansCode);
}

}  // namespace

jpeg_error_mgr* UseErrorManager(TJPEGErrorManager& err)
{
    jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.emit_message = EmitMessage;
    err.pub.output_message = OutputMessage;
    err.pub.format_message = FormatMessage;
    err.pub.reset_error_mgr = ResetErrorManager;
    return &err.pub;
}

jpeg_source_mgr* UseMemorySource(TJPEGMemorySource& source, const QByteArray& bytes)
{
    SetSourceHooks(source.pub, FillFromMemory, SkipInMemory);
    source.data = reinterpret_cast<const JOCTET*>(bytes.constData());
    source.size = static_cast<std::size_t>(bytes.size());
    source.position = 0;
    return &source.pub;
}

jpeg_source_mgr* UseFileSource(TJPEGFileSource& source, QIODevice& device)
{
    SetSourceHooks(source.pub, FillFromFile, SkipInFile);
    source.device = &device;
    source.position = 0;
    return &source.pub;
}

std::int64_t NextByteOffset(const TJPEGMemorySource& source)
{
    return static_cast<std::int64_t>(source.position) - static_cast<std::int64_t>(source.pub.bytes_in_buffer);
}

std::int64_t NextByteOffset(const TJPEGFileSource& source)
{
    // The device's own position: skipped data was never read into the buffer.
    return source.device->pos() - static_cast<std::int64_t>(source.pub.bytes_in_buffer);
}

void UseMemoryDestination(j_compress_ptr cinfo, TJPEGMemoryDestination& destination, QByteArray& bytes)
{
    destination.pub.init_destination = InitDestination;
    destination.pub.empty_output_buffer = EmptyOutputBuffer;
    destination.pub.term_destination = TermDestination;
    destination.bytes = &bytes;
    cinfo->dest = &destination.pub;
}

void UseScanLimit(j_decompress_ptr cinfo, TJPEGScanLimit& limit)
{
    limit.pub.progress_monitor = CheckScanCount;
    limit.pub.pass_counter = 0;
    limit.pub.pass_limit = 0;
    limit.pub.completed_passes = 0;
    limit.pub.total_passes = 0;
    cinfo->progress = &limit.pub;
}
