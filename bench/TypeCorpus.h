#pragma once
// The picture types the all-types switch adds, as the types bench makes and names them:
// each one's files written from the photo-like picture by the format's own encoder
// (tests/support/TypeMakers), and the library program whose decode the viewer's is held to.

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

enum class TReference {
    QtReader,     // Qt's QImageReader in this process
    HeifConvert,  // libheif's heif-convert
    Djxl,         // libjxl's djxl
    DcrawEmu,     // LibRaw's dcraw_emu
};

struct TBenchType {
    std::string key;        // as --types names it
    std::string extension;  // the files' extension, without the dot
    bool embedsSmall;       // the board must find an embedded thumbnail or camera preview
    TReference reference;
    std::int64_t largestPixels = 0;  // the most pixels its encoder makes on this machine; 0: no limit
};

// Every type, in the order the bench goes through them.
const std::vector<TBenchType>& BenchTypes();

// The types a comma-separated list of keys names; every type for an empty list.
std::vector<TBenchType> ChosenTypes(const std::string& keys);

// The file as the board's folder holds it: HEIC and AVIF with an embedded 320 x 240
// thumbnail, a DNG with a camera preview of the picture's own size. fast: the encoder's
// quickest settings, for the large pictures.
std::string WriteBoardPicture(const TBenchType& type, const QImage& image, const std::string& path, bool fast);

// The file the viewer decodes whole: the board's, but a DNG without its preview, so that
// its raw data is developed.
std::string WriteViewerPicture(const TBenchType& type, const QImage& image, const std::string& path, bool fast);
