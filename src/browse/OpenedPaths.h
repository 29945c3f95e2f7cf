#pragma once
// What a path handed to Lumora from outside, on the command line or in a drop, stands
// for: a folder to browse, a picture to add, or something that cannot be opened. Paths
// are the file system's bytes, kept as they were given.

#include <optional>
#include <string>
#include <vector>

struct TPictureFile {
    std::string folder;  // absolute, no trailing separator except for the root
    std::string name;
    bool operator==(const TPictureFile&) const = default;
};

struct TOpenedPaths {
    std::vector<std::string> folders;    // absolute, in the order given
    std::vector<TPictureFile> pictures;  // in the order given
    std::vector<std::string> failed;     // as given: missing, unreadable, or not a picture
};

// A picture is a file whose extension the picture container reads. Relative paths are
// taken from the current folder; "." and ".." are resolved by name, as the folder tree
// resolves them.
TOpenedPaths SortOpenedPaths(const std::vector<std::string>& paths);

// The path of a file:// address ("file:///a%20b.jpg" gives "/a b.jpg"); nothing for any
// other address, a file on another host, or one whose name would hold a NUL byte.
std::optional<std::string> FileUriPath(const std::string& uri);

// The local paths of a drop's text/uri-list, in order; other addresses are left out.
std::vector<std::string> UriListPaths(const std::string& uriList);

// The one message that names every path that could not be opened.
std::string CannotOpenText(const std::vector<std::string>& paths);

// The question pictures of a type the all-types switch leaves out ask: the paths, then
// whether to show all picture types.
std::string AllTypesQuestion(const std::vector<std::string>& paths);
