#include "toolkit/SaveFile.h"

#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace {

// A free name to try beside path.
std::string TemporaryName(const std::string& path)
{
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x", QRandomGenerator::global()->generate());
    return path + suffix;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Tries temporary names beside path until place(name) succeeds or fails for another
// reason than the name being taken; the name, or "" with errno saying why.
template <class Place>
std::string PlaceBeside(const std::string& path, Place place)
{
    for (int tries = 0; tries < 100; ++tries) {
        std::string name = TemporaryName(path);
        if (place(name))
            return name;
        if (errno != EEXIST)
            break;
    }
    return {};
}

}  // namespace

TSaveFile::TSaveFile(std::string path) : path_(std::move(path)) {}

TSaveFile::~TSaveFile()
{
    Discard();
}

bool TSaveFile::Open()
{
    // A link is followed, so the file it points at is replaced, not the link.
    if (char* real = ::realpath(path_.c_str(), nullptr)) {
        path_ = real;
        std::free(real);
    }
    struct stat existing {};
    const bool exists = ::stat(path_.c_str(), &existing) == 0;
    if (exists && (S_ISDIR(existing.st_mode) || ::access(path_.c_str(), W_OK) != 0)) {
        Fail(S_ISDIR(existing.st_mode) ? EISDIR : EACCES);
        return false;
    }
    // Kept from others until it has the old file's permissions; a new file gets those
    // the user's file mode allows.
    const mode_t mode = exists ? 0600 : 0666;
    // Without a name until it is complete, so a crash leaves nothing behind; where the
    // file system cannot, under a temporary name.
    int fd = ::open(FolderOf(path_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd < 0)
        temporary_ = PlaceBeside(path_, [&](const std::string& name) {
            fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            return fd >= 0;
        });
    if (fd < 0) {
        Fail(errno);
        return false;
    }
    if (exists)
        ::fchmod(fd, existing.st_mode & 07777);
    if (!file_.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        reason_ = file_.errorString().toStdString();
        Discard();
        return false;
    }
    return true;
}

QIODevice& TSaveFile::Device()
{
    return file_;
}

bool TSaveFile::Commit()
{
    // The last bytes may still wait in the buffer: a full disk shows only when they go.
    if (!file_.flush() || file_.error() != QFileDevice::NoError) {
        reason_ = file_.errorString().toStdString();
        Discard();
        return false;
    }
    // On the disk before the name moves, so a crash leaves the old file or the new one.
    ::fdatasync(file_.handle());
    if (temporary_.empty()) {
        // A name of its own first: linking cannot replace the old file, renaming can.
        const std::string self = "/proc/self/fd/" + std::to_string(file_.handle());
        temporary_ = PlaceBeside(path_, [&](const std::string& name) {
            return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
        });
    }
    if (temporary_.empty() || ::rename(temporary_.c_str(), path_.c_str()) != 0) {
        Fail(errno);
        Discard();
        return false;
    }
    file_.close();
    temporary_.clear();
    return true;
}

const std::string& TSaveFile::Reason() const
{
    return reason_;
}

void TSaveFile::Fail(int error)
{
    reason_ = std::generic_category().message(error);
}

void TSaveFile::Discard()
{
    file_.close();
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}
