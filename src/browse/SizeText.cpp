#include "browse/SizeText.h"

#include "toolkit/RunTime.h"

std::string SizeText(std::int64_t size)
{
    const std::int64_t kilobytes = size / 1024;
    return kilobytes != 0 ? IntToStr(kilobytes) + "KB" : IntToStr(size) + "B";
}
