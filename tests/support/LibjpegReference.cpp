#include "support/LibjpegReference.h"

TReferenceImage ReferenceDecode(const QByteArray& bytes, J_COLOR_SPACE outColorSpace)
{
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = outColorSpace;
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.do_block_smoothing = TRUE;
    jpeg_start_decompress(&cinfo);
    TReferenceImage image;
    image.width = static_cast<int>(cinfo.output_width);
    image.height = static_cast<int>(cinfo.output_height);
    image.components = cinfo.output_components;
    image.samples.resize(static_cast<std::size_t>(image.width) * image.height * image.components);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = &image.samples[static_cast<std::size_t>(cinfo.output_scanline) * image.width * image.components];
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return image;
}
