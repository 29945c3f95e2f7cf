#include "imaging/JPEGManagers.h"

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

TJPEGMemorySource* SourceOf(j_decompress_ptr cinfo)
{
    return reinterpret_cast<TJPEGMemorySource*>(cinfo->src);
}

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr cinfo)
{
    static const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};
    TJPEGMemorySource* src = SourceOf(cinfo);
    if (src->position >= src->size) {
        if (src->position == 0)
            ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->pub.next_input_byte = kEndOfImage;
        src->pub.bytes_in_buffer = sizeof kEndOfImage;
        return TRUE;
    }
    const std::size_t chunk = std::min(kJPEGChunkSize, src->size - src->position);
    src->pub.next_input_byte = src->data + src->position;
    src->pub.bytes_in_buffer = chunk;
    src->position += chunk;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count)
{
    TJPEGMemorySource* src = SourceOf(cinfo);
    if (count <= 0)
        return;
    auto remaining = static_cast<std::size_t>(count);
    while (remaining > src->pub.bytes_in_buffer) {
        remaining -= src->pub.bytes_in_buffer;
        FillInputBuffer(cinfo);
    }
    src->pub.next_input_byte += remaining;
    src->pub.bytes_in_buffer -= remaining;
}

void TermSource(j_decompress_ptr) {}

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

void UseMemorySource(j_decompress_ptr cinfo, TJPEGMemorySource& source, const QByteArray& bytes)
{
    source.pub.init_source = InitSource;
    source.pub.fill_input_buffer = FillInputBuffer;
    source.pub.skip_input_data = SkipInputData;
    source.pub.resync_to_restart = jpeg_resync_to_restart;
    source.pub.term_source = TermSource;
    source.pub.next_input_byte = nullptr;
    source.pub.bytes_in_buffer = 0;
    source.data = reinterpret_cast<const JOCTET*>(bytes.constData());
    source.size = static_cast<std::size_t>(bytes.size());
    source.position = 0;
    cinfo->src = &source.pub;
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
