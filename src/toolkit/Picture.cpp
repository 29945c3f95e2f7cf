#include "toolkit/Picture.h"

#include "toolkit/Bitmap.h"

#include <map>
#include <mutex>
#include <optional>

namespace {

struct TFileFormat {
    std::string description;
    TGraphicFactory factory;
};

// Windows names are case-blind, so extensions are kept with A-Z folded to a-z.
std::string FoldCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

class TFileFormats {
public:
    TFileFormats()
    {
        Add("bmp", "Bitmaps", [] { return std::make_unique<TBitmap>(); });
    }

    void Add(const std::string& extension, const std::string& description, TGraphicFactory factory)
    {
        const std::lock_guard lock(mutex_);
        formats_[FoldCase(extension)] = TFileFormat{description, std::move(factory)};
    }

    void Remove(const std::string& extension)
    {
        const std::lock_guard lock(mutex_);
        formats_.erase(FoldCase(extension));
    }

    std::optional<TFileFormat> Find(const std::string& extension) const
    {
        const std::lock_guard lock(mutex_);
        const auto it = formats_.find(FoldCase(extension));
        if (it == formats_.end())
            return std::nullopt;
        return it->second;
    }

private:
    mutable std::mutex mutex_;
    std::map<std::string, TFileFormat> formats_;
};

TFileFormats& FileFormats()
{
    static TFileFormats formats;
    return formats;
}

// The text after the last dot of the file name, not of a folder on its path.
std::string ExtensionOf(const std::string& fileName)
{
    const auto dot = fileName.find_last_of('.');
    const auto slash = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return fileName.substr(dot + 1);
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

namespace {

TFileFormat RegisteredFormat(const std::string& fileName)
{
    const std::string extension = ExtensionOf(fileName);
    const auto format = FileFormats().Find(extension);
    if (!format)
        throw EInvalidGraphic("Unknown picture file extension (." + extension + ")");
    return *format;
}

}  // namespace

void TPicture::CheckFileFormat(const std::string& fileName)
{
    RegisteredFormat(fileName);
}

void TPicture::LoadFromFile(const std::string& fileName)
{
    std::unique_ptr<TGraphic> graphic = RegisteredFormat(fileName).factory();
    graphic->LoadFromFile(fileName);
    graphic_ = std::move(graphic);
}

int TPicture::Width() const
{
    return graphic_ ? graphic_->Width() : 0;
}

int TPicture::Height() const
{
    return graphic_ ? graphic_->Height() : 0;
}

void TPicture::Decode() const
{
    if (graphic_)
        graphic_->Decode();
}

void TPicture::Draw(QPainter& painter, const QRect& rect) const
{
    if (graphic_)
        graphic_->Draw(painter, rect);
}

void TPicture::DrawPart(QPainter& painter, const QRectF& target, const QRectF& source, TDrawFilter filter) const
{
    if (graphic_)
        graphic_->DrawPart(painter, target, source, filter);
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  TGraphicFactory factory)
{
    FileFormats().Add(extension, description, std::move(factory));
}

void TPicture::UnregisterFileFormat(const std::string& extension)
{
    FileFormats().Remove(extension);
}

std::string TPicture::FileFormatDescription(const std::string& extension)
{
    const auto format = FileFormats().Find(extension);
    return format ? format->description : std::string{};
}
