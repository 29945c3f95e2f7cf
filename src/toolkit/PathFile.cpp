#include "toolkit/PathFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

bool TPathFile::OpenToRead(const std::string& path, std::string& reason, OpenMode extra)
{
    path_ = path;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        reason = std::generic_category().message(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        reason = std::generic_category().message(EISDIR);
        return false;
    }
    if (!open(fd, ReadOnly | extra, AutoCloseHandle)) {
        ::close(fd);
        reason = errorString().toStdString();
        return false;
    }
    return true;
}

const std::string& TPathFile::Path() const
{
    return path_;
}

bool PathExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool IsRegularFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool IsFolder(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::string CurrentFolder()
{
    std::error_code error;
    return std::filesystem::current_path(error).native();
}

std::string AbsoluteClean(const std::string& path)
{
    std::error_code error;
    return std::filesystem::absolute(path, error).lexically_normal().native();
}

namespace {

// The names of the entries in folder of one kind, asked of each entry with links followed.
std::vector<std::string> NamesIn(const std::string& folder,
                                 bool (std::filesystem::directory_entry::*isKind)(std::error_code&) const noexcept)
{
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder.empty() ? std::string(".") : folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code notOfKind;
        if (((*it).*isKind)(notOfKind))
            names.push_back(it->path().filename().native());
    }
    return names;
}

}  // namespace

std::vector<std::string> FileNamesIn(const std::string& folder)
{
    return NamesIn(folder, &std::filesystem::directory_entry::is_regular_file);
}

std::vector<std::string> FolderNamesIn(const std::string& folder)
{
    return NamesIn(folder, &std::filesystem::directory_entry::is_directory);
}
