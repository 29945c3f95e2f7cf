// Fuzz target: arbitrary bytes as a JPEG XL file, through its reader over libjxl (see CodecInput.h).

#include "imaging/JxlCodec.h"
#include "CodecInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::FuzzCodec(JxlCodec(), data, size);
}
