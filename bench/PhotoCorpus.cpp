#include "PhotoCorpus.h"

#include "imaging/JPEGImage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace {

// A small deterministic generator, so every run measures the same pictures.
class TNoise {
public:
    int Next(int amplitude)
    {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(2 * amplitude + 1)) - amplitude;
    }

private:
    std::uint64_t state_ = 42;
};

std::uint8_t Clamp(double v)
{
    return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
}

}  // namespace

TBitmap PhotoLikeBitmap(int width, int height)
{
    TBitmap bitmap(width, height);
    TNoise noise;
    QImage& image = bitmap.Image();
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        const double fy = static_cast<double>(y) / height;
        for (int x = 0; x < width; ++x) {
            const double fx = static_cast<double>(x) / width;
            const double horizon = 0.45 + 0.08 * std::sin(fx * 9.0) + 0.03 * std::sin(fx * 37.0);
            double r, g, b;
            if (fy < horizon) {  // sky
                r = 90 + 100 * fy;
                g = 140 + 80 * fy;
                b = 230 - 40 * fy;
            } else {  // hills with grass texture
                const double t = std::sin(fx * 120.0 + fy * 40.0) * std::sin(fy * 90.0);
                r = 60 + 40 * t + 50 * fy;
                g = 110 + 50 * t;
                b = 40 + 20 * t;
            }
            // A house: hard edges.
            if (fx > 0.6 && fx < 0.75 && fy > horizon - 0.1 && fy < horizon + 0.05) {
                r = 180;
                g = 60;
                b = 50;
            }
            const int grain = noise.Next(10);
            row[x * 3 + 0] = Clamp(b + grain);
            row[x * 3 + 1] = Clamp(g + grain);
            row[x * 3 + 2] = Clamp(r + grain);
        }
    }
    return bitmap;
}

QByteArray WithApp1(const QByteArray& jpeg, const QByteArray& body)
{
    const auto length = static_cast<unsigned>(body.size() + 2);  // the length counts itself
    if (length > 0xFFFF)
        throw std::length_error("an APP1 segment holds at most 65,533 bytes");
    QByteArray segment("\xFF\xE1", 2);
    segment.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xFF));
    return jpeg.left(2) + segment + body + jpeg.mid(2);
}

std::vector<TCorpusFile> WritePhotoJpegs(const std::string& folder, int width, int height)
{
    const TBitmap photo = PhotoLikeBitmap(width, height);
    std::vector<TCorpusFile> files;
    for (const bool progressive : {false, true}) {
        const std::string name = progressive ? "progressive" : "baseline";
        const std::string path = folder + "/" + name + ".jpg";
        TJPEGImage jpeg;
        jpeg.SetWriteProgressive(progressive);
        jpeg.Assign(photo);
        jpeg.SaveToFile(path);
        files.push_back({name, path});
    }
    return files;
}

std::vector<std::string> WritePhotoJpegCopies(const std::string& folder, int width, int height, int count)
{
    TJPEGImage jpeg;
    jpeg.Assign(PhotoLikeBitmap(width, height));
    // The first save encodes; the others write the same compressed bytes.
    std::vector<std::string> paths;
    for (int i = 1; i <= count; ++i) {
        paths.push_back(folder + "/copy" + std::to_string(i) + ".jpg");
        jpeg.SaveToFile(paths.back());
    }
    return paths;
}
