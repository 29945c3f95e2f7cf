#include "PlainDecoder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

std::size_t PlainDecode(const QByteArray& bytes)
{
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGR;
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.do_block_smoothing = TRUE;
    jpeg_start_decompress(&cinfo);
    const std::size_t stride = static_cast<std::size_t>(cinfo.output_width) * 3;
    const std::size_t size = stride * cinfo.output_height;
    auto* buffer = static_cast<unsigned char*>(std::malloc(size));
    JSAMPROW rows[16];
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION wanted = std::min<JDIMENSION>(16, cinfo.output_height - cinfo.output_scanline);
        for (JDIMENSION i = 0; i < wanted; ++i)
            rows[i] = buffer + (cinfo.output_scanline + i) * stride;
        jpeg_read_scanlines(&cinfo, rows, wanted);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::free(buffer);
    return size;
}
