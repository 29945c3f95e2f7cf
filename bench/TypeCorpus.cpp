#include "TypeCorpus.h"

#include "support/PictureMakers.h"
#include "support/TypeMakers.h"

#include <sstream>

const std::vector<TBenchType>& BenchTypes()
{
    static const std::vector<TBenchType> types = {
        {"png", "png", false, TReference::QtReader},
        // ImageMagick's pixel cache, as Debian's policy bounds it, runs out above this.
        {"gif", "gif", false, TReference::QtReader, 4500 * 4500},
        {"webp", "webp", false, TReference::QtReader},
        {"tiff", "tif", false, TReference::QtReader},
        {"svg", "svg", false, TReference::QtReader},
        {"heic", "heic", true, TReference::HeifConvert},
        {"avif", "avif", true, TReference::HeifConvert},
        {"jxl", "jxl", false, TReference::Djxl},
        {"raw", "dng", true, TReference::DcrawEmu},
    };
    return types;
}

std::vector<TBenchType> ChosenTypes(const std::string& keys)
{
    if (keys.empty())
        return BenchTypes();
    std::vector<TBenchType> chosen;
    std::stringstream list(keys);
    for (std::string key; std::getline(list, key, ',');)
        for (const TBenchType& type : BenchTypes())
            if (type.key == key)
                chosen.push_back(type);
    return chosen;
}

namespace {

TTypeOptions Options(const TBenchType& type, const QImage& image, bool fast, bool board)
{
    TTypeOptions options;
    options.fast = fast;
    options.lossy = true;
    // heif-enc refuses a thumbnail as large as the picture (the smoke test's).
    if ((type.extension == "heic" || type.extension == "avif") && image.width() > 320)
        options.thumbnail = 320;
    if (type.extension == "dng" && board)
        options.preview = image.size();
    // A drawing of the picture: a single rectangle would leave its reader nothing to do.
    if (type.extension == "svg")
        options.squares = 80;
    return options;
}

}  // namespace

std::string WriteBoardPicture(const TBenchType& type, const QImage& image, const std::string& path, bool fast)
{
    WriteFileBytes(path, MakeTypePicture(type.extension, image, Options(type, image, fast, true)));
    return path;
}

std::string WriteViewerPicture(const TBenchType& type, const QImage& image, const std::string& path, bool fast)
{
    WriteFileBytes(path, MakeTypePicture(type.extension, image, Options(type, image, fast, false)));
    return path;
}
