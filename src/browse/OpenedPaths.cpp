#include "browse/OpenedPaths.h"

#include "toolkit/Picture.h"
#include "toolkit/Platform.h"
#include "toolkit/RunTime.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

namespace {

std::string CurrentFolder()
{
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? buffer : "/";
}

// The absolute path of path with "", "." and ".." parts resolved by name.
std::string AbsolutePath(const std::string& path)
{
    const std::string whole = path.front() == PathDelim ? path : CurrentFolder() + PathDelim + path;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= whole.size()) {
        std::size_t end = whole.find(PathDelim, start);
        if (end == std::string::npos)
            end = whole.size();
        const std::string part = whole.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string absolute;
    for (const std::string& part : parts)
        absolute += PathDelim + part;
    return absolute.empty() ? std::string(1, PathDelim) : absolute;
}

bool IsPictureName(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot != std::string::npos && !TPicture::FileFormatDescription(name.substr(dot + 1)).empty();
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

TOpenedPaths SortOpenedPaths(const std::vector<std::string>& paths)
{
    TOpenedPaths opened;
    for (const std::string& path : paths) {
        struct stat info {};
        if (path.empty() || stat(path.c_str(), &info) != 0) {
            opened.failed.push_back(path);
            continue;
        }
        const std::string absolute = AbsolutePath(path);
        if (S_ISDIR(info.st_mode) && access(path.c_str(), R_OK | X_OK) == 0) {
            opened.folders.push_back(absolute);
            continue;
        }
        const std::size_t slash = absolute.rfind(PathDelim);
        const std::string name = absolute.substr(slash + 1);
        if (S_ISREG(info.st_mode) && IsPictureName(name))
            opened.pictures.push_back({NormalizeFolder(absolute.substr(0, slash + 1)), name});
        else
            opened.failed.push_back(path);
    }
    return opened;
}

std::optional<std::string> FileUriPath(const std::string& uri)
{
    const std::string scheme = "file://";
    if (uri.size() < scheme.size() || CompareText(uri.substr(0, scheme.size()), scheme) != 0)
        return std::nullopt;
    const std::size_t pathStart = uri.find('/', scheme.size());
    if (pathStart == std::string::npos)
        return std::nullopt;
    const std::string host = uri.substr(scheme.size(), pathStart - scheme.size());
    if (!host.empty() && CompareText(host, "localhost") != 0)
        return std::nullopt;
    std::string path;
    for (std::size_t i = pathStart; i < uri.size(); ++i) {
        const int high = i + 2 < uri.size() && uri[i] == '%' ? HexDigit(uri[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(uri[i + 2]) : -1;
        if (low >= 0) {
            path += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            path += uri[i];
        }
    }
    if (path.find('\0') != std::string::npos)
        return std::nullopt;
    return path;
}

std::vector<std::string> UriListPaths(const std::string& uriList)
{
    std::vector<std::string> paths;
    std::size_t start = 0;
    while (start < uriList.size()) {
        std::size_t end = uriList.find('\n', start);
        if (end == std::string::npos)
            end = uriList.size();
        std::string line = uriList.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (const std::optional<std::string> path = FileUriPath(line))
            paths.push_back(*path);
        start = end + 1;
    }
    return paths;
}

std::string CannotOpenText(const std::vector<std::string>& paths)
{
    std::string text = "Could not open:";
    for (const std::string& path : paths)
        text += "\n" + path;
    return text;
}

std::string AllTypesQuestion(const std::vector<std::string>& paths)
{
    std::string text = paths.size() == 1 ? paths.front() + " is a picture type"
                                         : "These pictures are of types";
    text += " Lumora shows only with Mode > All Picture Types.";
    if (paths.size() > 1)
        for (const std::string& path : paths)
            text += "\n" + path;
    return text + "\n\nShow all picture types?";
}
