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

TTypeOptions Options(const TBenchType&, const QImage&, bool, bool)
{
    return {};
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
