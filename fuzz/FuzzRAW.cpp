// Fuzz target: arbitrary bytes as a camera RAW file, through its reader over LibRaw (see CodecInput.h).

#include "imaging/RawCodec.h"
#include "CodecInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::FuzzCodec(RawCodec(), data, size);
}
