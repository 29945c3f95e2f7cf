#include "thumbs/ThumbHeader.h"

#include "imaging/DisplayCopy.h"
#include "toolkit/Errors.h"

#include <algorithm>

namespace {
constexpr std::size_t kFilesNamed = 10;
}  // namespace

TThumbHeader ReadThumbHeader(const std::string& path)
{
    TThumbHeader header;
    header.stamp = FileStamp(path);
    try {
        header.size = ReadPictureSize(path);
    } catch (...) {
        header.size = {};
        header.error = ExceptionText(std::current_exception());
    }
    return header;
}

std::string ThumbHint(const std::string& name, const TThumbHeader& header, const std::string& byte)
{
    const std::string picture = header.error.empty() ? "W:" + std::to_string(header.size.width()) + "xH:"
                                                           + std::to_string(header.size.height())
                                                     : header.error;
    return name + "\n" + picture + "\nSize:" + byte;
}

std::string UnreadableFilesText(const std::vector<TUnreadable>& files)
{
    std::string text = "These pictures could not be read:";
    const std::size_t named = std::min(files.size(), kFilesNamed);
    for (std::size_t i = 0; i < named; ++i)
        text += "\n" + files[i].path + ": " + files[i].error;
    if (files.size() > named)
        text += "\nand " + std::to_string(files.size() - named) + " more";
    return text;
}
