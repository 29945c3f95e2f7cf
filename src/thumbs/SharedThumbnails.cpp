#include "thumbs/SharedThumbnails.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImageReader>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int kNormalSide = 128;
constexpr int kLargeSide = 256;

constexpr char kUriKey[] = "Thumb::URI";
constexpr char kMTimeKey[] = "Thumb::MTime";
constexpr char kSizeKey[] = "Thumb::Size";
constexpr char kWidthKey[] = "Thumb::Image::Width";
constexpr char kHeightKey[] = "Thumb::Image::Height";
constexpr char kErrorKey[] = "X-Lumora::Error";  // the standard's room for a program's own keys
constexpr char kFailFolder[] = "fail/lumora-" LUMORA_VERSION;

// zlib's level 4 (Qt maps quality q to (100 - q) * 9 / 91): quick to write by the hundred,
// and a fifth quicker to read back than level 1, whose longer data inflates more slowly.
constexpr int kPngQuality = 50;

// The folder and those above it that are missing, the user's alone as the desktop makes
// them ($XDG_CACHE_HOME itself may not be there yet).
bool MakeFolders(const std::string& folder)
{
    if (::access(folder.c_str(), F_OK) == 0)
        return true;
    std::string made;
    for (const auto& part : std::filesystem::path(folder).relative_path()) {
        made += "/" + part.string();
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

// The image in a PNG file; null when there is none. Opened first: a reader given a name
// that is not there tries it with one suffix after another.
QImage ReadPng(const std::string& file)
{
    QFile in(QFile::decodeName(file.c_str()));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return QImageReader(&in, "png").read();
}

// Written under a name of its own with mode 0600 and renamed, so a reader in another
// program sees the old file or the whole new one. Not synced: a cache may lose a file.
bool WriteWhole(const std::string& file, const QImage& image)
{
    std::string temporary = file + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    QFile out;
    bool written = out.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    if (!written)
        ::close(fd);
    written = written && image.save(&out, "PNG", kPngQuality);
    out.close();
    written = written && out.error() == QFileDevice::NoError;
    if (written && ::rename(temporary.c_str(), file.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

std::string Md5Name(const std::string& uri)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(uri), QCryptographicHash::Md5).toHex().toStdString()
           + ".png";
}

}  // namespace

std::string SharedThumbnailRoot()
{
    // Qt reads XDG_CACHE_HOME and falls back to ~/.cache as the desktop does.
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)).toStdString()
           + "/thumbnails";
}

std::string TSharedThumbnail::FileUri(const std::string& path)
{
    // Unreserved characters and the sub-delimiters a path may hold stay as they are;
    // everything else, bytes of names that are not UTF-8 too, is %XX.
    const QByteArray absolute = QByteArray::fromStdString(std::filesystem::absolute(path).lexically_normal().string());
    return "file://" + absolute.toPercentEncoding("!$&'()*+,/:=@").toStdString();
}

TSharedThumbnail::TSharedThumbnail(const std::string& root, const std::string& path, QSize shown,
                                   std::int64_t modified, std::uintmax_t bytes)
    : modified_(modified), bytes_(bytes)
{
    const int longer = std::max(shown.width(), shown.height());
    side_ = longer <= kNormalSide ? kNormalSide : longer <= kLargeSide ? kLargeSide : 0;
    const std::string absolute = std::filesystem::absolute(path).lexically_normal().string();
    if (side_ == 0 || root.empty() || absolute.starts_with(root + "/"))
        return;
    root_ = root;
    uri_ = FileUri(path);
    const std::string name = Md5Name(uri_);
    file_ = root + "/" + SizeFolder() + "/" + name;
    failure_ = root + "/" + kFailFolder + "/" + name;
}

std::string TSharedThumbnail::SizeFolder() const
{
    return side_ == kNormalSide ? "normal" : "large";
}

QSize TSharedThumbnail::ThumbnailSize(QSize picture) const
{
    if (picture.width() <= side_ && picture.height() <= side_)
        return picture;  // never enlarged
    return picture.scaled(side_, side_, Qt::KeepAspectRatio).expandedTo({1, 1});
}

bool TSharedThumbnail::Matches(const QImage& image) const
{
    if (image.isNull() || image.text(kUriKey).toStdString() != uri_
        || image.text(kMTimeKey) != QString::number(modified_))
        return false;
    // Optional in the standard; when it is there it must agree.
    const QString size = image.text(kSizeKey);
    return size.isEmpty() || size == QString::number(bytes_);
}

QImage TSharedThumbnail::Read() const
{
    if (!Usable())
        return {};
    QImage image = ReadPng(file_);
    return Matches(image) ? image : QImage();
}

std::optional<std::string> TSharedThumbnail::ReadFailure() const
{
    if (!Usable())
        return std::nullopt;
    const QImage note = ReadPng(failure_);
    if (!Matches(note))
        return std::nullopt;
    return note.text(kErrorKey).toStdString();
}

bool TSharedThumbnail::Write(const QImage& thumbnail, QSize picture) const
{
    if (!Usable() || thumbnail.isNull())
        return false;
    QImage image = thumbnail;
    image.setText(kUriKey, QString::fromStdString(uri_));
    image.setText(kMTimeKey, QString::number(modified_));
    image.setText(kSizeKey, QString::number(bytes_));
    image.setText(kWidthKey, QString::number(picture.width()));
    image.setText(kHeightKey, QString::number(picture.height()));
    image.setText("Software", "Lumora");
    return MakeFolders(root_ + "/" + SizeFolder()) && WriteWhole(file_, image);
}

bool TSharedThumbnail::WriteFailure(const std::string& error) const
{
    if (!Usable())
        return false;
    QImage note(1, 1, QImage::Format_ARGB32);
    note.fill(Qt::transparent);
    note.setText(kUriKey, QString::fromStdString(uri_));
    note.setText(kMTimeKey, QString::number(modified_));
    note.setText(kSizeKey, QString::number(bytes_));
    note.setText(kErrorKey, QString::fromStdString(error));
    return MakeFolders(root_ + "/" + kFailFolder) && WriteWhole(failure_, note);
}
