#include "thumbs/ThumbHeader.h"

#include "imaging/DisplayCopy.h"
#include "imaging/JPEGCodec.h"
#include "imaging/JPEGImage.h"
#include "toolkit/Errors.h"

#include <algorithm>

namespace {
constexpr std::size_t kFilesNamed = 10;
}  // namespace

QByteArray TProfileShelf::Shared(const QByteArray& profile)
{
    if (profile.isEmpty())
        return {};
    const std::lock_guard lock(lock_);
    auto kept = kept_.constFind(profile);
    if (kept == kept_.constEnd())
        kept = kept_.insert(profile);
    return *kept;
}

TThumbHeader ReadThumbHeader(const std::string& path, TProfileShelf& profiles)
{
    TThumbHeader header;
    header.stamp = FileStamp(path);
    try {
        if (IsJPEGFileName(path)) {
            const TJPEGMetadata metadata = ReadJPEGFileMetadata(path);
            header.size = {metadata.header.width, metadata.header.height};
            header.orientation = metadata.header.orientation;
            header.preview = CameraPreviewPlace(metadata);
            // A decode reads the profile with the pixels; only a preview needs it from here.
            if (header.preview.length > 0)
                header.profile = profiles.Shared(metadata.iccProfile);
        } else {
            header.size = ReadPictureSize(path);
        }
    } catch (...) {
        header = TThumbHeader{{}, header.stamp, 1, {}, {}, ExceptionText(std::current_exception())};
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
